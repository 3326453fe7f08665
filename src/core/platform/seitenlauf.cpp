#include "platform/seitenlauf.h"

#include "platform/canvas.h"

#include <algorithm>
#include <cmath>

Druckbereich Druckbereich::geklemmt(int von, int bis, int anzahl) {
    return {std::max(1, von), std::min(bis, std::max(0, anzahl))};
}

Seitenlauf::Seitenlauf(Canvas& c, int teile, double faktor)
    : c_(c), einheit_(einheitVon(c, teile)), faktor_(faktor) {
    zeilenhoeheNeu();
}

int Seitenlauf::gerundet(double v) {
    return int(std::lround(v));
}

int Seitenlauf::einheitVon(const Canvas& c, int teile) {
    return std::max(1, int(c.pageWidth()) / std::max(1, teile));
}

int Seitenlauf::zeilenhoeheVon(const Canvas& c, double faktor) {
    return std::max(1, gerundet(faktor * c.textHeight()));
}

void Seitenlauf::zeilenhoeheNeu() {
    zeilenhoehe_ = zeilenhoeheVon(c_, faktor_);
}

double Seitenlauf::fuss() const {
    return c_.pageHeight() - 3 * zeilenhoehe_;
}

bool Seitenlauf::aufSeite(double y) const {
    return !ueberFuss(y) && y + c_.textHeight() <= c_.pageHeight();
}

double Seitenlauf::beginnen(Kopf kopf, double oben) {
    kopf_ = std::move(kopf);
    seite_ = 1;
    oben_ = oben;
    return kopf_ ? kopf_(*this) : oben_;
}

double Seitenlauf::neueSeite() {
    c_.newPage();
    ++seite_;
    oben_ = folgeOben_ ? *folgeOben_ : 3 * zeilenhoehe_;
    return kopf_ ? kopf_(*this) : oben_;
}

double Seitenlauf::zeile(double y) {
    return y < fuss() ? y : neueSeite();
}

bool Seitenlauf::platz(double& y, double hoehe) {
    if (y + hoehe <= fuss()) return false;
    y = neueSeite();
    return true;
}

bool Seitenlauf::zeilen(Druckbereich b, double& y, const Zeile& zeile,
                        const Druckfortschritt& fortschritt) {
    const int gesamt = std::max(0, b.bis - b.von + 1);
    int i = b.von;
    for (;;) {
        // A page always takes one line, so that every printout ends.
        for (bool erste = true; i <= b.bis && (erste || y < fuss()); erste = false) {
            zeile(i, y);
            y += zeilenhoehe_;
            ++i;
        }
        if (fortschritt && !fortschritt(std::min(gesamt, i - b.von), gesamt)) return false;
        if (i > b.bis) return true;
        y = neueSeite();
    }
}

void Seitenlauf::rechts(double xEnde, double y, const QString& s) {
    TextRechts(c_, xEnde, y, s);
}

QString Eingepasst(const Canvas& c, const QString& s, double breite) {
    // A text exactly as wide as the room fits, whatever the rounding of the room.
    breite += 0.001;
    if (c.textWidth(s) <= breite) return s;
    // Longest prefix that fits, found by halving.
    qsizetype lo = 0, hi = s.size();
    while (lo < hi) {
        const qsizetype mitte = (lo + hi + 1) / 2;
        if (c.textWidth(s.left(mitte)) <= breite)
            lo = mitte;
        else
            hi = mitte - 1;
    }
    return s.left(lo);
}

QStringList Umbrochen(const Canvas& c, const QString& s, double breite, const QString& trenner) {
    QStringList zeilen;
    QString zeile;
    for (const QString& teil : s.split(trenner)) {
        const QString laenger = zeile.isEmpty() ? teil : zeile + trenner + teil;
        if (!zeile.isEmpty() && c.textWidth(laenger) > breite + 0.001) {
            zeilen << Eingepasst(c, zeile + trenner.trimmed(), breite);
            zeile = teil;
        } else {
            zeile = laenger;
        }
    }
    if (!zeile.isEmpty()) zeilen << Eingepasst(c, zeile, breite);
    return zeilen;
}
