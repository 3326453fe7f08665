#pragma once

#include <QElapsedTimer>
#include <QProgressBar>

// Moves a progress bar along a walk that runs on the GUI thread without the event loop, so
// that nothing can change the herd under it. The bar is painted at most every 50 ms, whatever
// the herd's size: a long walk shows it moving, a short one pays for no painting. The clock is
// read every 256 steps.
class Fortschrittsbalken {
public:
    explicit Fortschrittsbalken(QProgressBar* balken) : balken_(balken) { uhr_.start(); }

    void operator()(int schritt) {
        if (schritt % 256 != 0 || uhr_.elapsed() < kAbstandMs) return;
        balken_->setValue(schritt);
        balken_->repaint();
        uhr_.restart();
    }

private:
    static constexpr qint64 kAbstandMs = 50;
    QProgressBar* balken_;
    QElapsedTimer uhr_;
};
