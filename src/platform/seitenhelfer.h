#pragma once

#include <QString>
#include <functional>

class Canvas;

// The pages of a printout: a unit of the page width divided into a fixed number of parts, a
// line pitch of 1.25 text heights, the foot three pitches above the page's end, heads drawn
// again on every new page, "Seite n", right-aligned text.
class Seitenhelfer {
public:
    // Draws the heads of the current page and returns the y where its lines begin.
    using Kopf = std::function<double(Seitenhelfer&)>;

    // `teile`: parts of the page width in one unit. The pitch comes from the current font.
    Seitenhelfer(Canvas& c, int teile);

    Canvas& canvas() const { return c_; }
    int U() const { return u_; }
    int H() const { return h_; }
    // The pitch from the font set now (1.25 text heights, rounded, at least 1).
    void zeilenhoeheNeu();
    // The page height less three pitches.
    double fuss() const;
    // True when a line at y lies below the foot.
    bool ueberFuss(double y) const { return y > fuss(); }

    // Page 1 with its heads; returns the y of the first line.
    double beginnen(Kopf kopf);
    // Before a line at y: when it would not lie above the foot, a new page begins with the
    // same heads. Returns the y to draw the line at.
    double zeile(double y);
    int seite() const { return seite_; }
    QString seitenText() const { return QStringLiteral("Seite ") + QString::number(seite_); }

    // Text ending at xEnde.
    void rechts(double xEnde, double y, const QString& s);

    static int gerundet(double v);

private:
    Canvas& c_;
    int u_ = 1, h_ = 1;
    int seite_ = 0;
    Kopf kopf_;
};

// `s` cut to fit `breite`, so that a long text does not run into the next column.
QString Eingepasst(const Canvas& c, const QString& s, double breite);
