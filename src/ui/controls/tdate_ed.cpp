#include "controls/tdate_ed.h"

#include "platform/clock.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {

bool datumsZeichen(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == u'/';
}

// Pasted or dropped text: what typing it would leave, without the "+" shortcut.
QString datumFiltern(const QString& s) {
    QString out;
    for (QChar c : s) {
        if (c == u',') c = u'.';
        if (!datumsZeichen(c)) continue;
        if (c == u'.' && out.endsWith(u'.')) continue;
        out += c;
    }
    return out;
}

} // namespace

tdate_ed::tdate_ed(const Clock& clock, QWidget* parent)
    : FilterFeld(datumFiltern, parent), clock_(clock) {
    resize(90, QLineEdit::sizeHint().height());
    setSizePolicy(QSizePolicy::Fixed, sizePolicy().verticalPolicy());
    textSetzen(heuteText());
}

QSize tdate_ed::sizeHint() const {
    return {90, QLineEdit::sizeHint().height()};
}

QString tdate_ed::heuteText() const {
    return KurzDatumText(TKurzDatum::aus(clock_.today()));
}

TKurzDatum tdate_ed::Getdatum() const {
    QString s = text();
    if (!autoPreset_ && s.isEmpty()) return {};
    return TextZuKurzDatum(s, clock_.today(), Jahrlesart::Feld);
}

void tdate_ed::SetDatum(TKurzDatum d) {
    textSetzen(KurzDatumText(d));
}

void tdate_ed::keyPressEvent(QKeyEvent* e) {
    if (sondertaste(e)) return;
    const QString t = e->text();
    for (QChar c : t) {
        if (c == u',') c = u'.';
        if (c == u'+' && text().isEmpty()) {
            textSetzen(heuteText());
            continue;
        }
        if (!datumsZeichen(c)) continue;
        const int vor = hasSelectedText() ? selectionStart() : cursorPosition();
        if (c == u'.' && vor > 0 && text().at(vor - 1) == u'.') continue;
        einfuegen(QString(c));
    }
}

void tdate_ed::focusInEvent(QFocusEvent* e) {
    drin_ = true;
    QLineEdit::focusInEvent(e);
}

void tdate_ed::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (!verlaesst(e)) return;
    SetDatum(Getdatum());
    emit verlassen();
}
