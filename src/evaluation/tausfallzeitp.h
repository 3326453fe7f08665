#pragma once

#include "evaluation/ausfallchart.h"
#include "platform/druckausgabe.h"

#include <QWidget>

class QPrinter;

// "Ausfallzeitpunkt": the piglet losses by day of life as a bar chart.
class TAusfallzeitp : public QWidget, public Druckbar {
    Q_OBJECT
public:
    explicit TAusfallzeitp(QWidget* parent = nullptr);

    // Takes days 1 to 75 of an evaluation's loss-day counts (index = Verlusttag).
    void Zeitpunkte(const std::array<std::int32_t, 76>& verlusttage);
    const Ausfalltage& tage() const { return Ausfalltage_; }

    // The window image on one landscape page, scaled to fit.
    void druckanfrage() override;
    void druckInhalt(Canvas& canvas) override;
    QPageLayout::Orientation druckAusrichtung() const override { return QPageLayout::Landscape; }
    QString druckTitel() const override { return windowTitle(); }
    bool bildDrucken(QPrinter& printer);
    void vorschau();
    bool alsPdf(const QString& datei);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    QWidget* PaintBox1 = nullptr;
    Ausfalltage Ausfalltage_{};
};
