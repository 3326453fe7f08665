#include "controls/enteralstab.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

namespace {

// A push or tool button: pressed by Enter, passed over when moving between fields.
bool istKnopf(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) && !qobject_cast<const QCheckBox*>(w) &&
           !qobject_cast<const QRadioButton*>(w);
}

bool nimmtTabFokus(const QWidget* w, const QWidget* fenster) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(fenster) &&
           !w->focusProxy() && w->window() == fenster;
}

bool istFeld(const QWidget* w, const QWidget* fenster) {
    return nimmtTabFokus(w, fenster) && !istKnopf(w) && !qobject_cast<const QTabBar*>(w);
}

QPushButton* vorgabeKnopf(QWidget* fenster) {
    QPushButton* ok = nullptr;
    for (QPushButton* b : fenster->findChildren<QPushButton*>()) {
        if (!nimmtTabFokus(b, fenster)) continue;
        if (b->isDefault()) return b;
        if (!ok && b->objectName() == QLatin1String("OKBtn")) ok = b;
    }
    return ok;
}

// The widget that stands for `w` in the tab order: the one whose focus proxy it is.
QWidget* imTabFolge(QWidget* w, QWidget* fenster) {
    for (QWidget* p = w; p && p != fenster; p = p->parentWidget())
        if (p->focusProxy() == w) return p;
    return w;
}

} // namespace

EnterAlsTab::EnterAlsTab(QWidget* fenster, std::function<bool(QWidget*)> vorher)
    : QObject(fenster), fenster_(fenster), vorher_(std::move(vorher)) {
    qApp->installEventFilter(this);
}

QWidget* EnterAlsTab::naechstesZiel(QWidget* fenster, QWidget* feld) {
    // The tab order runs from the window round to itself; the fields after `feld` in it.
    bool dahinter = false;
    QWidget* start = imTabFolge(feld, fenster);
    for (QWidget* w = fenster->nextInFocusChain(); w && w != fenster; w = w->nextInFocusChain()) {
        if (dahinter && istFeld(w, fenster)) return w;
        if (w == start || w == feld) dahinter = true;
    }
    return vorgabeKnopf(fenster);
}

QWidget* EnterAlsTab::erstesFeld(QWidget* bereich) {
    QWidget* fenster = bereich->window();
    for (QWidget* w = fenster->nextInFocusChain(); w && w != fenster; w = w->nextInFocusChain())
        if (bereich->isAncestorOf(w) && istFeld(w, fenster)) return w;
    return nullptr;
}

bool EnterAlsTab::eventFilter(QObject* watched, QEvent* event) {
    // Typing starts in a field: a window shown with the focus on a button (or nowhere) moves
    // it to its first field once the toolkit has placed it.
    if (event->type() == QEvent::Show && watched == fenster_ && fenster_->isWindow()) {
        QTimer::singleShot(0, this, [this] {
            QWidget* f = fenster_->focusWidget();
            if (f && !istKnopf(f)) return;
            if (QWidget* feld = erstesFeld(fenster_)) feld->setFocus(Qt::OtherFocusReason);
        });
        return false;
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(watched);
    if (w->window() != fenster_) return false;
    const auto* k = static_cast<QKeyEvent*>(event);
    if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) return false;
    if (k->modifiers() & ~Qt::KeypadModifier) return false;
    if (vorher_ && vorher_(w)) return true;
    if (qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w)) return false;
    if (w->property("enterSelbst").toBool()) return false;
    if (istKnopf(w)) {
        static_cast<QAbstractButton*>(w)->click();
        return true;
    }
    if (QWidget* ziel = naechstesZiel(fenster_, w)) {
        ziel->setFocus(Qt::TabFocusReason);
        return true;
    }
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &tab);
    return true;
}
