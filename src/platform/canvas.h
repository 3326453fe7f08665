#pragma once

#include <QString>

// The drawing surface of every printout and owner-drawn pane. Coordinates are device
// units of the surface (pixels on screen, printer dots on paper).
class Canvas {
public:
    enum Style { Normal = 0, Bold = 1, Italic = 2, Underline = 4 };

    virtual ~Canvas() = default;

    virtual void setFont(const QString& family, double pointSize, int style = Normal) = 0;
    virtual void drawText(double x, double y, const QString& text) = 0; // y = top of the text
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void drawRect(double x, double y, double w, double h) = 0;
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight() const = 0;
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;
    virtual void newPage() = 0;
};
