#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Enter moves the focus to the next field of a window, as Tab does, and never beeps.
// Multi-line text fields keep Enter for a new line; a widget can keep Enter for itself with
// the dynamic property "enterSelbst" = true. `vorher` may take the key first (return true).
class EnterAlsTab : public QObject {
public:
    explicit EnterAlsTab(QWidget* fenster, std::function<bool(QWidget*)> vorher = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* fenster_;
    std::function<bool(QWidget*)> vorher_;
};
