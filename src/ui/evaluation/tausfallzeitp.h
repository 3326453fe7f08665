#pragma once

#include "evaluation/ausfallchart.h"
#include "platform/druckausgabe.h"

#include <QWidget>

class QPushButton;

// "Ausfallzeitpunkt": the piglet losses by day of life as a bar chart.
class TAusfallzeitp : public QWidget, public Druckfenster {
    Q_OBJECT
public:
    explicit TAusfallzeitp(QWidget* parent = nullptr);

    // Takes days 1 to 75 of an evaluation's loss-day counts (index = Verlusttag).
    void Zeitpunkte(const std::array<std::int32_t, 76>& verlusttage);
    const Ausfalltage& tage() const { return Ausfalltage_; }

    // The chart as the window shows it, on one landscape page scaled to fit.
    void druckInhalt(Canvas& canvas) override;
    QPageLayout::Orientation druckAusrichtung() const override { return QPageLayout::Landscape; }
    QString druckTitel() const override { return windowTitle(); }

    QWidget* PaintBox1 = nullptr;
    QPushButton* DruckBtn = nullptr;
    QPushButton* VorschauBtn = nullptr;
    QPushButton* PdfBtn = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    Ausfalltage Ausfalltage_{};
};

// Opens the chart of `verlusttage` beside `neben`: in its MDI area as a child of the chart's
// own size, else as a window of its own.
TAusfallzeitp* AusfallzeitpunktOeffnen(const std::array<std::int32_t, 76>& verlusttage,
                                       QWidget* neben);
