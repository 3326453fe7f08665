#include "berichtsdruck.h"

#include "platform/canvas.h"

#include <algorithm>
#include <cmath>

Druckbereich Druckbereich::geklemmt(int von, int bis, int anzahl) {
    return {std::max(1, von), std::min(bis, std::max(0, anzahl))};
}

int Druckzeilenhoehe(Canvas& c) {
    return std::max(1, int(std::lround(c.textHeight() * 1.2)));
}

double ListeDrucken(Canvas& c, int h, Druckbereich b, const std::function<double(double)>& kopf,
                    const std::function<void(int, double)>& zeile,
                    const Druckfortschritt& fortschritt) {
    const int gesamt = std::max(0, b.bis - b.von + 1);
    int i = b.von;
    double y = 0;
    for (bool erste = true;; erste = false) {
        if (!erste) c.newPage();
        y = kopf(2.0 * h);
        bool leer = true;
        while (i <= b.bis && (leer || y < c.pageHeight() - 3.0 * h)) {
            zeile(i, y);
            y += h;
            ++i;
            leer = false;
        }
        if (fortschritt && !fortschritt(i - b.von < 0 ? 0 : std::min(gesamt, i - b.von), gesamt))
            return -1;
        if (i > b.bis) return y;
    }
}

int Druckeinheit(const Canvas& c, int teile) {
    return std::max(1, int(c.pageWidth()) / std::max(1, teile));
}

bool SeitenDrucken(Canvas& c, double h, double y, Druckbereich b,
                   const std::function<double(int, double)>& kopf,
                   const std::function<void(int, double)>& zeile,
                   const Druckfortschritt& fortschritt) {
    const int gesamt = std::max(0, b.bis - b.von + 1);
    int i = b.von;
    for (int seite = 1;; ++seite) {
        if (seite > 1) {
            c.newPage();
            y = 3 * h;
        }
        y = kopf(seite, y);
        // A page always takes one line, so that every printout ends.
        for (bool erste = true; i <= b.bis && (erste || y < c.pageHeight() - 3 * h);
             erste = false) {
            zeile(i, y);
            y += h;
            ++i;
        }
        if (fortschritt && !fortschritt(std::min(gesamt, i - b.von), gesamt)) return false;
        if (i > b.bis) return true;
    }
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
