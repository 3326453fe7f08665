#include "platform/recordingcanvas.h"

void RecordingCanvas::setFont(const QString& family, double pointSize, int style) {
    family_ = family;
    pointSize_ = pointSize;
    style_ = style;
}

void RecordingCanvas::drawText(double x, double y, const QString& text) {
    Item it{Item::Text, x,      y,    x + textWidth(text), y + textHeight(), text, family_,
            pointSize_, style_, page_};
    it.farbe = textFarbe_;
    items_.append(it);
}

void RecordingCanvas::drawLine(double x1, double y1, double x2, double y2) {
    items_.append(
        Item{Item::Line, x1, y1, x2, y2, {}, family_, pointSize_, style_, page_, linie_, breite_});
}

void RecordingCanvas::drawRect(double x, double y, double w, double h) {
    items_.append(Item{
        Item::Rect, x, y, x + w, y + h, {}, family_, pointSize_, style_, page_, linie_, breite_});
}

void RecordingCanvas::setPen(double breite, Linie art) {
    breite_ = breite;
    linie_ = art;
}

void RecordingCanvas::fillRect(double x, double y, double w, double h, std::uint32_t rgb) {
    items_.append(
        Item{Item::Fill, x, y, x + w, y + h, {}, family_, pointSize_, style_, page_, 0, 0, rgb});
}

double RecordingCanvas::textWidth(const QString& text) const {
    return text.size() * pointSize_ * 0.6 * unitsPerPoint_;
}

double RecordingCanvas::textHeight() const {
    return pointSize_ * 1.2 * unitsPerPoint_;
}

void RecordingCanvas::newPage() {
    ++page_;
    items_.append(Item{Item::Page, 0, 0, 0, 0, {}, family_, pointSize_, style_, page_});
}

QList<RecordingCanvas::Item> RecordingCanvas::texts() const {
    QList<Item> out;
    for (const Item& it : items_)
        if (it.kind == Item::Text) out.append(it);
    return out;
}
