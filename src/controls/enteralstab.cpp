#include "enteralstab.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

EnterAlsTab::EnterAlsTab(QWidget* fenster, std::function<bool(QWidget*)> vorher)
    : QObject(fenster), fenster_(fenster), vorher_(std::move(vorher)) {
    qApp->installEventFilter(this);
}

bool EnterAlsTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(watched);
    if (w->window() != fenster_) return false;
    const auto* k = static_cast<QKeyEvent*>(event);
    if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) return false;
    if (k->modifiers() & ~Qt::KeypadModifier) return false;
    if (vorher_ && vorher_(w)) return true;
    if (qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w)) return false;
    if (w->property("enterSelbst").toBool()) return false;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &tab);
    return true;
}
