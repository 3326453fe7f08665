#include "controls/filterfeld.h"

#include "controls/eingabefilter.h"

#include <QKeyEvent>

FilterFeld::FilterFeld(std::function<QString(const QString&)> filter, QWidget* parent)
    : QLineEdit(parent) {
    setValidator(new EingabeFilter(std::move(filter), durchlassen_, this));
}

void FilterFeld::textSetzen(const QString& s) {
    Durchlass d(durchlassen_);
    setText(s);
}

void FilterFeld::einfuegen(const QString& s) {
    Durchlass d(durchlassen_);
    insert(s);
}

bool FilterFeld::verlaesst(const QFocusEvent* e) {
    if (!drin_ || e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason)
        return false;
    drin_ = false;
    return true;
}

bool FilterFeld::sondertaste(QKeyEvent* e) {
    const QString t = e->text();
    if (e->matches(QKeySequence::Paste) || isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return true;
    }
    if (t.isEmpty() || steuerzeichen(t[0])) {
        Durchlass d(durchlassen_);
        QLineEdit::keyPressEvent(e);
        return true;
    }
    e->accept();
    return false;
}
