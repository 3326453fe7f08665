#pragma once

#include "programm/rechnerlogik.h"

#include <QWidget>

class QPushButton;

// "Rechner": a pocket calculator with one memory. Lives as long as the program; Escape or
// closing hides it and it keeps its values.
class TRechner : public QWidget {
    Q_OBJECT
public:
    explicit TRechner(QWidget* parent = nullptr);

    // Shows the window with "=" focused.
    void zeigen();
    const Rechenwerk& werk() const { return werk_; }
    QPushButton* gleich() const { return gleich_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void taste(QChar k);

    Rechenwerk werk_;
    QWidget* anzeige_ = nullptr;
    QPushButton* gleich_ = nullptr;
};
