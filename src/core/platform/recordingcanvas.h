#pragma once

#include "platform/canvas.h"

#include <QList>

// Records what is drawn, for tests and for checks of a layout. Text metrics are a simple
// fixed-pitch model: every character is 0.6 of the point size wide (in surface units).
class RecordingCanvas final : public Canvas {
public:
    struct Item {
        enum Kind { Text, Line, Rect, Page, Fill } kind;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        QString text;
        QString family;
        double pointSize = 0;
        int style = 0;
        int page = 0;
        int linie = 0;           // pen style of lines and frames
        double breite = 0;       // pen width
        std::uint32_t farbe = 0; // colour of a fill, or of a text
    };

    RecordingCanvas(double width, double height, double unitsPerPoint = 1.0)
        : width_(width), height_(height), unitsPerPoint_(unitsPerPoint) {}

    void setFont(const QString& family, double pointSize, int style) override;
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
    void setFarbe(std::uint32_t rgb) override { textFarbe_ = rgb; }

    const QList<Item>& items() const { return items_; }
    QList<Item> texts() const;
    int pageCount() const { return page_ + 1; }

private:
    double width_, height_, unitsPerPoint_;
    QString family_;
    double pointSize_ = 10;
    int style_ = 0;
    int page_ = 0;
    int linie_ = Durchgezogen;
    std::uint32_t textFarbe_ = 0;
    double breite_ = 0;
    QList<Item> items_;
};
