#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Canvas;

// The lines von..bis (from 1) that a printout of `anzahl` lines covers: von at least 1, bis
// at most anzahl. von > bis is kept; such a printout is one page of heads.
struct Druckbereich {
    int von = 1;
    int bis = 0;
    static Druckbereich geklemmt(int von, int bis, int anzahl);
};

// Told after every printed page with the lines done so far; false cancels the printout.
using Druckfortschritt = std::function<bool(int erledigt, int gesamt)>;

// The pages of a printout: the unit (the page width divided into a number of parts), the line
// pitch, the foot three pitches above the page's end, the page number and the heads drawn
// again on every new page. A line at y fits while y lies above the foot, and every page takes
// at least one line; a block of height b fits while y + b reaches the foot at most.
class Seitenlauf {
public:
    // Draws the heads of the current page from `oben()` and returns the y of its first line.
    using Kopf = std::function<double(Seitenlauf&)>;
    // Draws line i at y.
    using Zeile = std::function<void(int i, double y)>;

    // The unit: `teile` parts of the page width, at least 1. The pitch: `faktor` text heights
    // of the font set now, rounded, at least 1.
    Seitenlauf(Canvas& c, int teile, double faktor);

    Canvas& canvas() const { return c_; }
    int einheit() const { return einheit_; }
    double zeilenhoehe() const { return zeilenhoehe_; }
    // The pitch from the font set now, by the factor given at the start.
    void zeilenhoeheNeu();
    // A pitch of its own, e.g. the unrounded text height.
    void zeilenhoeheSetzen(double h) { zeilenhoehe_ = h; }

    // The page height less three pitches.
    double fuss() const;
    // True when a line at y lies below the foot (a line right on the foot still counts).
    bool ueberFuss(double y) const { return y > fuss(); }
    // True when a text of the current font at y neither lies below the foot nor runs off the
    // paper.
    bool aufSeite(double y) const;

    int seite() const { return seite_; }
    QString seitenText() const { return QStringLiteral("Seite ") + QString::number(seite_); }
    // Where the current page begins: as given for page 1, three pitches on later pages
    // unless `folgeseitenOben` says otherwise.
    double oben() const { return oben_; }
    void folgeseitenOben(double y) { folgeOben_ = y; }

    // Page 1 with its heads from `oben`; returns the y of the first line (`oben` without heads).
    double beginnen(Kopf kopf, double oben = 0);
    // The next page with the same heads; returns the y of its first line.
    double neueSeite();
    // Before a line at y: when it would not lie above the foot, a new page begins. Returns the
    // y to draw the line at.
    double zeile(double y);
    // Before a block of height `hoehe` at y: when it would pass the foot, a new page begins and
    // y moves to its first line. True when a page began.
    bool platz(double& y, double hoehe);
    // Lines b.von..b.bis one pitch apart from y on, over as many pages as they need, with
    // `fortschritt` told after every page. y ends after the last line. False when cancelled.
    bool zeilen(Druckbereich b, double& y, const Zeile& zeile,
                const Druckfortschritt& fortschritt = {});

    // Text ending at xEnde.
    void rechts(double xEnde, double y, const QString& s);

    static int gerundet(double v);
    // The unit and the pitch as a printout begun now would take them.
    static int einheitVon(const Canvas& c, int teile);
    static int zeilenhoeheVon(const Canvas& c, double faktor);

private:
    Canvas& c_;
    int einheit_ = 1;
    double faktor_ = 1;
    double zeilenhoehe_ = 1;
    int seite_ = 1;
    double oben_ = 0;
    std::optional<double> folgeOben_;
    Kopf kopf_;
};

// `s` cut to fit `breite`, so that a long text does not run into the next column.
QString Eingepasst(const Canvas& c, const QString& s, double breite);
// `s` in lines of at most `breite`, broken at a `trenner` such as ", " (a broken line keeps its
// comma); a piece too wide on its own is cut to fit.
QStringList Umbrochen(const Canvas& c, const QString& s, double breite, const QString& trenner);
