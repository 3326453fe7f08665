#include "herd/waehrung.h"

double Umrechnen(const Waehrungstabelle& t, TWaehrung c, double x) {
    const int e = t.anzeige;
    if (c == e) return x;
    const double rateE = e >= 0 && e < 5 ? t.kurs[std::size_t(e)] : 1.0;
    if (c == Euro) return x * rateE;
    const double rateC = c < 5 ? t.kurs[c] : 0.0;
    if (rateC == 0.0) return x;
    return x * rateE / rateC;
}
