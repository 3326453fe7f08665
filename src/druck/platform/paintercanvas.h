#pragma once

#include "platform/canvas.h"

#include <QFont>

class QPainter;
class QPagedPaintDevice;

// Draws on a QPainter: screen panes, the printer and PDF files. With a page device (printer
// or PDF writer), newPage() starts a new sheet. Lines start with the thinnest pen in the painter's
// colour.
class PainterCanvas final : public Canvas {
public:
    PainterCanvas(QPainter& painter, double width, double height,
                  QPagedPaintDevice* seiten = nullptr);

    void setFont(const QString& family, double pointSize, int style = Normal) override;
    void drawText(double x, double y, const QString& text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawRect(double x, double y, double w, double h) override;
    void setPen(double breite, Linie art = Durchgezogen) override;
    void fillRect(double x, double y, double w, double h, std::uint32_t rgb) override;
    double textWidth(const QString& text) const override;
    double textHeight() const override;
    double pageWidth() const override { return width_; }
    double pageHeight() const override { return height_; }
    void newPage() override;
    void setFarbe(std::uint32_t rgb) override;
    // For panes that scroll sideways: from now on the right end of the widest text drawn is
    // kept (printing does not pay for it).
    void randMessen() { messen_ = true; }
    double rechterRand() const { return rechts_; }

private:
    QPainter& painter_;
    double width_, height_;
    QPagedPaintDevice* seiten_;
    bool messen_ = false;
    double rechts_ = 0;
};
