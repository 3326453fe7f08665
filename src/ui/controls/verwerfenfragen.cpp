#include "controls/verwerfenfragen.h"

#include "platform/messages.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

VerwerfenFragen::VerwerfenFragen(QWidget* dialog, MessageService& messages,
                                 std::function<bool()> geaendert)
    : QObject(dialog), messages_(messages), geaendert_(std::move(geaendert)) {
    dialog->installEventFilter(this);
}

bool VerwerfenFragen::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* k = static_cast<QKeyEvent*>(event);
    if (k->key() != Qt::Key_Escape || k->modifiers() != Qt::NoModifier) return false;
    if (!geaendert_()) return false;
    const bool verwerfen =
        messages_.question(QStringLiteral("Eingaben verwerfen?"),
                           MessageService::Buttons::YesNoDefaultNo) == MessageService::Answer::Yes;
    return !verwerfen; // Nein: the key is taken and the dialog stays
}

Feldstand Feldstand::von(const QWidget* fenster) {
    Feldstand s;
    for (const QWidget* w : fenster->findChildren<QWidget*>()) {
        if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
            if (!e->isReadOnly()) s.werte_ << e->text();
        } else if (const auto* c = qobject_cast<const QComboBox*>(w))
            s.werte_ << c->currentText();
        else if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            s.werte_ << QString::number(b->isChecked());
        else if (const auto* p = qobject_cast<const QPlainTextEdit*>(w))
            s.werte_ << p->toPlainText();
    }
    return s;
}
