#include "platform/scaledcanvas.h"

ScaledCanvas::ScaledCanvas(Canvas& ziel, double faktor)
    : ziel_(ziel), k_(faktor > 0 ? faktor : 1) {}

void ScaledCanvas::setFont(const QString& family, double pointSize, int style) {
    ziel_.setFont(family, pointSize, style);
}

void ScaledCanvas::drawText(double x, double y, const QString& text) {
    ziel_.drawText(x * k_, y * k_, text);
}

void ScaledCanvas::drawLine(double x1, double y1, double x2, double y2) {
    ziel_.drawLine(x1 * k_, y1 * k_, x2 * k_, y2 * k_);
}

void ScaledCanvas::drawRect(double x, double y, double w, double h) {
    ziel_.drawRect(x * k_, y * k_, w * k_, h * k_);
}

void ScaledCanvas::setPen(double breite, Linie art) {
    ziel_.setPen(breite * k_, art);
}

void ScaledCanvas::setFarbe(std::uint32_t rgb) {
    ziel_.setFarbe(rgb);
}

void ScaledCanvas::fillRect(double x, double y, double w, double h, std::uint32_t rgb) {
    ziel_.fillRect(x * k_, y * k_, w * k_, h * k_, rgb);
}

double ScaledCanvas::textWidth(const QString& text) const {
    return ziel_.textWidth(text) / k_;
}

double ScaledCanvas::textHeight() const {
    return ziel_.textHeight() / k_;
}

double ScaledCanvas::pageWidth() const {
    return ziel_.pageWidth() / k_;
}

double ScaledCanvas::pageHeight() const {
    return ziel_.pageHeight() / k_;
}

void ScaledCanvas::newPage() {
    ziel_.newPage();
}
