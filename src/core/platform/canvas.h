#pragma once

#include <QString>
#include <cstdint>

// The drawing surface of every printout and owner-drawn pane. Coordinates are device
// units of the surface (pixels on screen, printer dots on paper).
class Canvas {
public:
    enum Style { Normal = 0, Bold = 1, Italic = 2, Underline = 4 };

    enum Linie { Durchgezogen = 0, Gepunktet = 1 };

    virtual ~Canvas() = default;

    virtual void setFont(const QString& family, double pointSize, int style = Normal) = 0;
    virtual void drawText(double x, double y, const QString& text) = 0; // y = top of the text
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void drawRect(double x, double y, double w, double h) = 0;
    // Pen for the following lines and frames; width 0 is the thinnest the surface draws.
    virtual void setPen(double breite, Linie art = Durchgezogen) = 0;
    // A filled area without frame; colour as 0xRRGGBB.
    virtual void fillRect(double x, double y, double w, double h, std::uint32_t rgb) = 0;
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight() const = 0;
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;
    virtual void newPage() = 0;
    // Colour of the texts and lines that follow, as 0xRRGGBB; surfaces without colour ignore it.
    virtual void setFarbe(std::uint32_t rgb) { (void)rgb; }
};

// Text ending at xEnde.
inline void TextRechts(Canvas& c, double xEnde, double y, const QString& s) {
    c.drawText(xEnde - c.textWidth(s), y, s);
}
