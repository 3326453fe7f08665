#include "evaluation/berichtsdruck.h"

#include "platform/canvas.h"

#include <algorithm>

double ListeDrucken(Canvas& c, int h, Druckbereich b, const std::function<double(double)>& kopf,
                    const std::function<void(int, double)>& zeile,
                    const Druckfortschritt& fortschritt) {
    Seitenlauf s(c, 1, 1);
    s.zeilenhoeheSetzen(h);
    s.folgeseitenOben(2.0 * h);
    double y = s.beginnen([&](Seitenlauf& l) { return kopf(l.oben()); }, 2.0 * h);
    return s.zeilen(b, y, zeile, fortschritt) ? y : -1;
}

bool SeitenDrucken(Canvas& c, double h, double y, Druckbereich b,
                   const std::function<double(int, double)>& kopf,
                   const std::function<void(int, double)>& zeile,
                   const Druckfortschritt& fortschritt) {
    Seitenlauf s(c, 1, 1);
    s.zeilenhoeheSetzen(h);
    y = s.beginnen([&](Seitenlauf& l) { return kopf(l.seite(), l.oben()); }, y);
    return s.zeilen(b, y, zeile, fortschritt);
}

void Laufnummer(Canvas& c, double xEnde, double y, int n, const std::function<void(bool)>& grau) {
    if (grau) grau(true);
    TextRechts(c, xEnde, y, QString::number(n + 1));
    if (grau) grau(false);
}

double LaufnummerVersatz(const Canvas& c, int anzahl) {
    // Two pixels of room before the first digit.
    return std::max(0.0, 2 + c.textWidth(QString::number(anzahl)) - 25);
}
