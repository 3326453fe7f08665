#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Enter in a window as a farmer types: a dialog opens with the focus in a field, never on a
// button; in a field Enter moves to the next open field (buttons
// are not fields and are passed over); after the last field it moves to the default button
// (OK), and Enter on a focused button presses it. Multi-line text fields keep Enter for a new
// line; a widget can keep Enter for itself with the dynamic property "enterSelbst" = true.
// `vorher` may take the key first (return true).
class EnterAlsTab : public QObject {
public:
    explicit EnterAlsTab(QWidget* fenster, std::function<bool(QWidget*)> vorher = {});

    // The widget Enter in `feld` moves to: the next field of its window in tab order, else the
    // window's default button; nullptr when there is neither.
    static QWidget* naechstesZiel(QWidget* fenster, QWidget* feld);
    // The first open field inside `bereich` in tab order, or nullptr.
    static QWidget* erstesFeld(QWidget* bereich);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* fenster_;
    std::function<bool(QWidget*)> vorher_;
};
