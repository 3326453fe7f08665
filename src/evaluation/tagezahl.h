#pragma once

#include "herd/kurzdatum.h"

// The date arithmetic of the herd functions in integer form, inline for the evaluation loops:
// the same results as Tagesnummer, TageZwischen, DatumVor and DatumZwischen.
namespace tagezahl {

// The herd's day-number formula for a date with its day part taken out.
constexpr int formel(int d, int m, int y) {
    int n;
    if (m > 2)
        n = 365 * y + d + 31 * (m - 1) - (4 * m + 23) / 10 + y / 4 - 3 * (y / 100 + 1) / 4;
    else
        n = 365 * y + d + 31 * (m - 1) + (y - 1) / 4 - 3 * ((y - 1) / 100 + 1) / 4;
    if (y > 100 || (y == 100 && (m > 2 || (m == 2 && d > 29)))) ++n;
    return n;
}

// Day 0 of every month 0..12 of every year byte, looked up instead of computed.
struct Monatsanfaenge {
    int n[256][13];
    constexpr Monatsanfaenge() : n{} {
        for (int y = 0; y < 256; ++y)
            for (int m = 0; m < 13; ++m)
                n[y][m] = formel(0, m, y);
    }
};
inline constexpr Monatsanfaenge kMonatsanfaenge{};

inline int nummer(TKurzDatum dt) {
    if (dt.Tag == 0) return -31;
    const int d = dt.Tag, m = dt.Monat, y = dt.Jahr;
    if (m > 12) return formel(d, m, y);
    // 29.2.2000 and later days of that month count one more, as the formula has it.
    return kMonatsanfaenge.n[y][m] + d + (y == 100 && m == 2 && d > 29);
}

// Day count from a to b; 0 when either date is empty or for 32766 days or more.
inline int tage(TKurzDatum a, TKurzDatum b) {
    if (!a.vorhanden() || !b.vorhanden()) return 0;
    const int diff = nummer(b) - nummer(a);
    return diff >= 32766 || diff <= -32766 ? 0 : diff;
}

inline int schluessel(TKurzDatum d) {
    return d.Jahr * 10000 + d.Monat * 100 + d.Tag;
}

inline bool vor(TKurzDatum a, TKurzDatum b) {
    return schluessel(a) < schluessel(b);
}

inline bool zwischen(TKurzDatum a, TKurzDatum b, TKurzDatum c) {
    const int k = schluessel(b);
    return k >= schluessel(a) && k <= schluessel(c);
}

} // namespace tagezahl
