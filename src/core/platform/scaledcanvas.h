#pragma once

#include "platform/canvas.h"

// Draws on another canvas at `faktor` times the size: a drawing laid out for a small surface
// (a window's pixels) fills a larger one (a page). Fonts keep their point size, so texts are
// measured in the small surface's units.
class ScaledCanvas final : public Canvas {
public:
    ScaledCanvas(Canvas& ziel, double faktor);

    void setFont(const QString& family, double pointSize, int style = Normal) override;
    void drawText(double x, double y, const QString& text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawRect(double x, double y, double w, double h) override;
    void setPen(double breite, Linie art = Durchgezogen) override;
    void fillRect(double x, double y, double w, double h, std::uint32_t rgb) override;
    double textWidth(const QString& text) const override;
    double textHeight() const override;
    double pageWidth() const override;
    double pageHeight() const override;
    void newPage() override;
    void setFarbe(std::uint32_t rgb) override;

private:
    Canvas& ziel_;
    double k_;
};
