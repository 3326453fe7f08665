#include "seitenhelfer.h"

#include "canvas.h"

#include <algorithm>
#include <cmath>

Seitenhelfer::Seitenhelfer(Canvas& c, int teile) : c_(c) {
    u_ = std::max(1, int(c_.pageWidth()) / std::max(1, teile));
    zeilenhoeheNeu();
}

int Seitenhelfer::gerundet(double v) {
    return int(std::lround(v));
}

void Seitenhelfer::zeilenhoeheNeu() {
    h_ = std::max(1, gerundet(1.25 * c_.textHeight()));
}

double Seitenhelfer::fuss() const {
    return c_.pageHeight() - 3 * h_;
}

double Seitenhelfer::beginnen(Kopf kopf) {
    kopf_ = std::move(kopf);
    seite_ = 1;
    return kopf_ ? kopf_(*this) : 0;
}

double Seitenhelfer::zeile(double y) {
    if (y < fuss()) return y;
    c_.newPage();
    ++seite_;
    return kopf_ ? kopf_(*this) : 0;
}

void Seitenhelfer::rechts(double xEnde, double y, const QString& s) {
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
