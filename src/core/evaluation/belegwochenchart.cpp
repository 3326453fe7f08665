#include "evaluation/belegwochenchart.h"

#include "evaluation/belegwochenlayout.h"
#include "evaluation/kennzahlzeilen.h"
#include "platform/canvas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint32_t kBalken = 0x4F81BD;
constexpr std::uint32_t kZiel = 0x008000;

// A step of 1, 2 or 5 times a power of ten, at least `roh`.
double glatterSchritt(double roh) {
    if (roh <= 0) return 1;
    const double p = std::pow(10.0, std::floor(std::log10(roh)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * p >= roh) return m * p;
    return 10 * p;
}

// The scale from 0 to `hoechst` on the axis at `links`, base line `basis`, `f` units per value.
void skala(Canvas& c, double links, double basis, double f, double hoechst) {
    const double th = c.textHeight();
    const double schritt = glatterSchritt(hoechst * 2 * th / std::max(1.0, f * hoechst));
    for (double v = 0; v <= hoechst + schritt / 1000; v += schritt) {
        const QString t = Zahl(v, 0, schritt < 1 ? 1 : 0);
        const double y = basis - f * v;
        TextRechts(c, links - th / 3, y - th / 2, t);
        c.drawLine(links - th / 5, y, links, y);
    }
}

// Group names under the bars: every k-th, from the newest back, so that none overlap.
void namen(Canvas& c, const std::vector<Belegwochenbalken>& balken, double links, double spalte,
           double basis) {
    double breitester = 0;
    for (const Belegwochenbalken& b : balken)
        breitester = std::max(breitester, c.textWidth(b.name));
    const int k = std::max(
        1, int(std::ceil((breitester + c.textWidth(QStringLiteral("0"))) / std::max(spalte, 1.0))));
    for (int i = int(balken.size()) - 1; i >= 0; i -= k) {
        const double mitte = links + (i + 0.5) * spalte;
        c.drawText(mitte - c.textWidth(balken[std::size_t(i)].name) / 2, basis + 2,
                   balken[std::size_t(i)].name);
    }
}

} // namespace

QString BelegwochenwertName(int wert) {
    switch (wert) {
    case bwLebend:
        return QStringLiteral("lebend geboren je Wurf");
    case bwAbgesetzt:
        return QStringLiteral("abgesetzt je Wurf");
    default:
        return QStringLiteral("Abferkelrate %");
    }
}

double BelegwochenZiel(int wert, const Belegwochenziele& z) {
    return wert == bwLebend ? z.lebend : wert == bwAbgesetzt ? z.abgesetzt : z.abferkelrate;
}

std::vector<Belegwochenbalken> BelegwochenBalken(const std::vector<TBelegwoche>& gruppen, int wert,
                                                 const Belegwochenziele& z) {
    const double ziel = BelegwochenZiel(wert, z);
    std::vector<Belegwochenbalken> balken;
    balken.reserve(gruppen.size());
    for (auto it = gruppen.rbegin(); it != gruppen.rend(); ++it) {
        const Belegwochenwerte v = BelegwochenWerte(*it);
        Belegwochenbalken& b = balken.emplace_back();
        const QString name = it->name();
        b.name = name.startsWith(QStringLiteral("KW ")) ? name.mid(3) : name;
        if (wert == bwLebend) {
            b.hatWert = v.hatWurf;
            b.wert = v.lebend;
        } else if (wert == bwAbgesetzt) {
            b.hatWert = v.hatAbsetzen;
            b.wert = v.abgesetzt;
        } else {
            // An open group's rate is not yet known.
            b.hatWert = v.hatRate && !it->offen;
            b.wert = v.rate;
        }
        b.unterZiel = b.hatWert && b.wert < ziel;
    }
    return balken;
}

void BelegwochenChartZeichnen(Canvas& c, const std::vector<TBelegwoche>& gruppen, int wert,
                              const Belegwochenziele& z, double x, double y, double w, double h) {
    const auto balken = BelegwochenBalken(gruppen, wert, z);
    const double ziel = BelegwochenZiel(wert, z);
    const double th = c.textHeight();
    const QString titel =
        BelegwochenwertName(wert) + QStringLiteral(" je Gruppe   Ziel ") + Zahl(ziel, 0, 1);
    c.drawText(x + (w - c.textWidth(titel)) / 2, y, titel);
    const double links = x + c.textWidth(QStringLiteral("0000,0")) + th / 2;
    const double oben = y + 2 * th;
    const double basis = y + h - 1.5 * th;
    const double rechts = x + w - th;
    if (basis - oben < th || rechts - links < th) return;
    c.drawLine(links, oben, links, basis);
    c.drawLine(links, basis, rechts, basis);
    double hoechst = wert == bwAbferkelrate ? 100.0 : ziel * 1.15;
    for (const Belegwochenbalken& b : balken)
        if (b.hatWert) hoechst = std::max(hoechst, b.wert);
    hoechst = std::max(hoechst, 1.0);
    const double f = (basis - oben) / hoechst;
    skala(c, links, basis, f, hoechst);
    if (balken.empty()) return;
    const double spalte = (rechts - links) / double(balken.size());
    for (std::size_t i = 0; i < balken.size(); ++i) {
        const Belegwochenbalken& b = balken[i];
        if (!b.hatWert) continue;
        const double mitte = links + (double(i) + 0.5) * spalte;
        const double breite = std::max(1.0, spalte * 0.7);
        const double top = basis - f * b.wert;
        c.fillRect(mitte - breite / 2, top, breite, basis - top,
                   b.unterZiel ? kWarnfarbe : kBalken);
        c.drawRect(mitte - breite / 2, top, breite, basis - top);
    }
    namen(c, balken, links, spalte, basis);
    // The target across every bar, drawn last so that it stays visible.
    const double zielY = basis - f * ziel;
    c.setFarbe(kZiel);
    c.setPen(std::max(1.0, th / 8));
    c.drawLine(links, zielY, rechts, zielY);
    c.setPen(0);
    c.setFarbe(0);
}
