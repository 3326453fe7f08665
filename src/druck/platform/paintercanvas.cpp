#include "platform/paintercanvas.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>

PainterCanvas::PainterCanvas(QPainter& painter, double width, double height,
                             QPagedPaintDevice* seiten)
    : painter_(painter), width_(width), height_(height), seiten_(seiten) {
    // Lines start with the thinnest pen in the painter's colour: a painter's own default pen is
    // one device dot wide, which on a printer's fine dots comes out faint grey.
    setPen(0);
}

void PainterCanvas::setFont(const QString& family, double pointSize, int style) {
    QFont f(family);
    f.setPointSizeF(pointSize > 0 ? pointSize : 10);
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    f.setUnderline(style & Underline);
    painter_.setFont(f);
}

void PainterCanvas::drawText(double x, double y, const QString& text) {
    const QFontMetricsF fm(painter_.font(), painter_.device());
    painter_.drawText(QPointF(x, y + fm.ascent()), text);
    if (messen_) rechts_ = std::max(rechts_, x + fm.horizontalAdvance(text));
}

void PainterCanvas::drawLine(double x1, double y1, double x2, double y2) {
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterCanvas::drawRect(double x, double y, double w, double h) {
    painter_.drawRect(QRectF(x, y, w, h));
}

void PainterCanvas::setPen(double breite, Linie art) {
    QPen pen(painter_.pen().color());
    pen.setWidthF(breite);
    pen.setStyle(art == Gepunktet ? Qt::DotLine : Qt::SolidLine);
    painter_.setPen(pen);
}

void PainterCanvas::setFarbe(std::uint32_t rgb) {
    QPen pen = painter_.pen();
    pen.setColor(QColor::fromRgb(QRgb(rgb)));
    painter_.setPen(pen);
}

void PainterCanvas::fillRect(double x, double y, double w, double h, std::uint32_t rgb) {
    painter_.fillRect(QRectF(x, y, w, h), QColor::fromRgb(QRgb(rgb)));
}

double PainterCanvas::textWidth(const QString& text) const {
    return QFontMetricsF(painter_.font(), painter_.device()).horizontalAdvance(text);
}

double PainterCanvas::textHeight() const {
    return QFontMetricsF(painter_.font(), painter_.device()).height();
}

void PainterCanvas::newPage() {
    if (seiten_) seiten_->newPage();
}
