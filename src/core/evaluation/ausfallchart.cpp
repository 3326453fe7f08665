#include "evaluation/ausfallchart.h"

#include "platform/canvas.h"
#include "platform/scaledcanvas.h"

#include <QString>
#include <algorithm>
#include <cmath>

namespace {

// Nearest integer, halves to the even neighbour.
double geradeGerundet(double v) {
    return std::nearbyint(v); // the default rounding mode: to nearest, ties to even
}

} // namespace

int AusfallSchritt(double textHoehe, double f) {
    double s = std::max(1.0, geradeGerundet(textHoehe / f));
    const double m = geradeGerundet(std::pow(10.0, std::trunc(std::log10(s))));
    s = geradeGerundet(s / m + 0.5) * m;
    return std::max(1, int(s));
}

AusfallMasse AusfallzeitpunktZeichnen(Canvas& c, const Ausfalltage& tage, int W, int H) {
    AusfallMasse m;
    const double th = c.textHeight();
    m.L = int(c.textWidth(QStringLiteral("0000")));
    m.B = H - int(std::lround(th * 1.5));

    const QString titel = QStringLiteral("Übersicht Ausfallzeitpunkt");
    c.drawText((W - int(c.textWidth(titel))) / 2, 5, titel);
    c.drawLine(m.L, 30, m.L, m.B);
    c.drawLine(m.L, m.B, W - 30, m.B);

    m.c = std::max(0, (W - m.L - 30) / 40);
    m.M = std::max(1, *std::max_element(tage.begin(), tage.end()));
    m.f = double(m.B - 30) / m.M;

    double ende = 0; // where the last day label ends
    for (int k = 1; k <= 20; ++k) {
        const QString n = QString::number(2 * k);
        const double x = m.L + 2 * k * m.c - int(c.textWidth(n)) / 2;
        c.drawText(x, m.B + 1, n + u'.');
        ende = x + c.textWidth(n + u'.');
    }
    // Rounded widths could put "Tag" on the point of "40.".
    c.drawText(std::max<double>(m.L + 40 * m.c + int(c.textWidth(QStringLiteral("40"))) / 2 +
                                    int(c.textWidth(QStringLiteral("."))),
                                ende + 1),
               m.B + 1, QStringLiteral("Tag"));

    m.schritt = m.f > 0 ? AusfallSchritt(th, m.f) : 1;
    for (int v = 0; v < m.M;) {
        v += m.schritt;
        const QString n = QString::number(v);
        c.drawText(m.L - 2 - int(c.textWidth(n)), m.B - std::lround(m.f * v) - int(th) / 2, n);
    }

    for (int d = 1; d <= 40; ++d) {
        const long x1 = std::lround((d - 0.4) * m.c + m.L);
        const long x2 = std::lround((d + 0.4) * m.c + m.L);
        const long oben = m.B - std::lround(m.f * tage[std::size_t(d - 1)]);
        c.fillRect(double(x1), double(oben), double(x2 - x1), double(m.B - oben), 0xFF0000);
        c.drawRect(double(x1), double(oben), double(x2 - x1), double(m.B - oben));
    }
    return m;
}

void AusfallzeitpunktDrucken(Canvas& c, const Ausfalltage& tage, int W, int H) {
    W = std::max(W, 1);
    H = std::max(H, 1);
    ScaledCanvas seite(c, std::min(c.pageWidth() / W, c.pageHeight() / H));
    seite.setFont(QStringLiteral("System"), 10);
    seite.setPen(0);
    AusfallzeitpunktZeichnen(seite, tage, W, H);
}
