#include "optimierer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int R = kNaehrwerte;
constexpr int kMaxSpalten = kMischungPosten + (R - 1) + R;
constexpr int kMaxSchritte = 500; // per phase; Bland's rule needs far fewer
constexpr double kEpsKosten = 1e-9;
constexpr double kEpsPivot = 1e-9;

// The dense tableau in canonical form: the basic columns are unit columns.
struct Tableau {
    int v = 0;
    int spalten = 0;
    double t[R][kMaxSpalten]{};
    double b[R]{};
    int basis[R]{};

    int schlupf(int r) const { return v + r - 1; } // r = 1..11
    int kuenstlich(int r) const { return v + R - 1 + r; }
    bool istKuenstlich(int c) const { return c >= v + R - 1; }
    // The column that was basic for row r at the start: its current values are column r of
    // the inverse basis.
    int startSpalte(int r) const {
        return MischungsLP::art(r) == MischungsLP::Hoechstens ? schlupf(r) : kuenstlich(r);
    }

    void pivot(int p, int k) {
        const double q = t[p][k];
        for (int c = 0; c < spalten; ++c)
            t[p][c] /= q;
        b[p] /= q;
        t[p][k] = 1.0;
        for (int r = 0; r < R; ++r) {
            if (r == p) continue;
            const double g = t[r][k];
            if (g == 0.0) continue;
            for (int c = 0; c < spalten; ++c)
                t[r][c] -= g * t[p][c];
            t[r][k] = 0.0;
            b[r] -= g * b[p];
            if (std::abs(b[r]) < 1e-12) b[r] = 0.0;
        }
        basis[p] = k;
    }

    // y = c_B . B^-1
    void duale(const double* kosten, double* y) const {
        for (int r = 0; r < R; ++r) {
            double s = 0;
            const int sp = startSpalte(r);
            for (int i = 0; i < R; ++i)
                s += kosten[basis[i]] * t[i][sp];
            y[r] = s;
        }
    }
};

enum class Phase { Optimal, Unbeschraenkt, Grenze };

// Bland's rule. `nachBasis`: ties in the quotient go to the lowest basic column instead of
// the lowest row, the variant that is proven never to cycle.
Phase simplex(Tableau& tb, const double* kosten, bool mitKuenstlichen, bool nachBasis,
              int& schritte) {
    for (int n = 0; n < kMaxSchritte; ++n) {
        int k = -1;
        for (int c = 0; c < tb.spalten && k < 0; ++c) {
            if (!mitKuenstlichen && tb.istKuenstlich(c)) continue;
            double d = -kosten[c];
            for (int r = 0; r < R; ++r)
                d += tb.t[r][c] * kosten[tb.basis[r]];
            if (d > kEpsKosten) k = c;
        }
        if (k < 0) return Phase::Optimal;
        int p = -1;
        double best = 1e20;
        for (int r = 0; r < R; ++r) {
            if (tb.t[r][k] <= kEpsPivot) continue;
            const double q = std::max(0.0, tb.b[r]) / tb.t[r][k];
            const double gleich = 1e-12 * std::max(1.0, best);
            if (p < 0 || q < best - gleich ||
                (nachBasis && q <= best + gleich && tb.basis[r] < tb.basis[p])) {
                p = r;
                best = q;
            }
        }
        if (p < 0) return Phase::Unbeschraenkt;
        tb.pivot(p, k);
        ++schritte;
    }
    return Phase::Grenze;
}

Tableau aufbauen(const MischungsLP& lp) {
    Tableau tb;
    tb.v = lp.v;
    tb.spalten = lp.v + (R - 1) + R;
    for (int r = 0; r < R; ++r) {
        for (int i = 0; i < lp.v; ++i)
            tb.t[r][i] = lp.a[std::size_t(r)][std::size_t(i)];
        if (r > 0)
            tb.t[r][tb.schlupf(r)] = MischungsLP::art(r) == MischungsLP::Hoechstens ? 1.0 : -1.0;
        tb.t[r][tb.kuenstlich(r)] = 1.0;
        tb.b[r] = lp.b[std::size_t(r)];
        tb.basis[r] = tb.startSpalte(r);
    }
    return tb;
}

int basisCode(const Tableau& tb, int c) {
    if (c < tb.v) return c;
    if (tb.istKuenstlich(c)) return 200 + (c - (tb.v + R - 1));
    return 100 + (c - tb.v + 1);
}

// After phase 1: an artificial column still basic (at level 0) leaves for any other column
// with a nonzero entry in its row; a row without one is redundant and keeps it.
void kuenstlicheEntfernen(Tableau& tb) {
    for (int r = 0; r < R; ++r) {
        if (!tb.istKuenstlich(tb.basis[r])) continue;
        tb.b[r] = 0.0;
        for (int c = 0; c < tb.v + R - 1; ++c)
            if (std::abs(tb.t[r][c]) > kEpsPivot) {
                tb.pivot(r, c);
                break;
            }
    }
}

LPLoesung loesen(const MischungsLP& lp, bool nachBasis) {
    LPLoesung l;
    Tableau tb = aufbauen(lp);
    double kosten1[kMaxSpalten]{};
    for (int r = 0; r < R; ++r)
        kosten1[tb.kuenstlich(r)] = 1.0;
    Phase ph = simplex(tb, kosten1, true, nachBasis, l.schritte);
    if (ph != Phase::Optimal) return l;
    double w = 0, skala = 1;
    for (int r = 0; r < R; ++r) {
        if (tb.istKuenstlich(tb.basis[r])) w += tb.b[r];
        skala += std::abs(lp.b[std::size_t(r)]);
    }
    if (w > 1e-9 * skala) {
        tb.duale(kosten1, l.y.data());
        for (int r = 0; r < R; ++r)
            l.basis[std::size_t(r)] = basisCode(tb, tb.basis[r]);
        l.status = LPLoesung::Unloesbar;
        return l;
    }
    kuenstlicheEntfernen(tb);
    double kosten2[kMaxSpalten]{};
    for (int i = 0; i < lp.v; ++i)
        kosten2[i] = lp.c[std::size_t(i)];
    ph = simplex(tb, kosten2, false, nachBasis, l.schritte);
    if (ph != Phase::Optimal) return l;
    for (int r = 0; r < R; ++r) {
        const int c = tb.basis[r];
        if (c < lp.v) l.x[std::size_t(c)] = std::max(0.0, tb.b[r]);
        l.basis[std::size_t(r)] = basisCode(tb, c);
    }
    for (int i = 0; i < lp.v; ++i)
        l.kosten += lp.c[std::size_t(i)] * l.x[std::size_t(i)];
    tb.duale(kosten2, l.y.data());
    l.status = LPLoesung::Optimal;
    return l;
}

QStringList koepfe(const std::array<double, R>& y, double grenze) {
    QStringList k;
    for (int r = 0; r < R; ++r)
        if (std::abs(y[std::size_t(r)]) > grenze)
            k << QString::fromUtf8(kWertKopf[std::size_t(r)]).trimmed();
    return k;
}

} // namespace

MischungsLP LPAufstellen(const std::array<TMischungsPosten, kMischungPosten>& posten, int f, int n,
                         const std::array<double, kNaehrwerte>& ziele) {
    MischungsLP lp;
    n = std::clamp(n, 0, kMischungPosten);
    f = std::clamp(f, 0, n);
    lp.v = n - f;
    for (int r = 0; r < R; ++r) {
        double fest = 0;
        for (int j = 0; j < f; ++j)
            fest += posten[std::size_t(j)].Beitrag(r);
        lp.fest[std::size_t(r)] = fest;
        for (int i = 0; i < lp.v; ++i)
            lp.a[std::size_t(r)][std::size_t(i)] = posten[std::size_t(f + i)].Inhalt(r);
        double b = ziele[std::size_t(r)] - fest;
        if (!(b > 0)) b = 0;
        if (b == 0 && MischungsLP::art(r) == MischungsLP::Hoechstens) b = 880;
        lp.b[std::size_t(r)] = b;
    }
    for (int i = 0; i < lp.v; ++i)
        lp.c[std::size_t(i)] = posten[std::size_t(f + i)].Inhalt(fwPreis);
    return lp;
}

LPLoesung LPLoesen(const MischungsLP& lp) {
    LPLoesung l = loesen(lp, false);
    if (l.status == LPLoesung::Abbruch) {
        // The rule "lowest row on ties" is not proven free of cycling; the lowest basic
        // column is.
        const int vorher = l.schritte;
        l = loesen(lp, true);
        l.schritte += vorher;
    }
    return l;
}

bool ErfuelltAlleZeilen(const MischungsLP& lp, const std::array<double, kMischungPosten>& x) {
    for (int i = 0; i < lp.v; ++i)
        if (!(x[std::size_t(i)] >= -1e-9)) return false;
    for (int r = 0; r < R; ++r) {
        double s = 0, betrag = 0;
        for (int i = 0; i < lp.v; ++i) {
            const double t = lp.a[std::size_t(r)][std::size_t(i)] * x[std::size_t(i)];
            s += t;
            betrag += std::abs(t);
        }
        const double b = lp.b[std::size_t(r)];
        const double tol = 1e-6 * (1.0 + std::abs(b) + betrag);
        switch (MischungsLP::art(r)) {
        case MischungsLP::Gleich:
            if (!(std::abs(s - b) <= tol)) return false;
            break;
        case MischungsLP::Mindestens:
            if (!(s >= b - tol)) return false;
            break;
        case MischungsLP::Hoechstens:
            if (!(s <= b + tol)) return false;
            break;
        }
    }
    return true;
}

int FesteNachVorne(std::array<TMischungsPosten, kMischungPosten>& posten, int n) {
    n = std::clamp(n, 0, kMischungPosten);
    int f = 0;
    for (int p = 0; p < n; ++p) {
        if (!posten[std::size_t(p)].Fest()) continue;
        if (p != f) std::swap(posten[std::size_t(p)], posten[std::size_t(f)]);
        ++f;
    }
    return f;
}

OptimierAusgang Optimieren(std::array<TMischungsPosten, kMischungPosten>& posten, int n,
                           const std::array<double, kNaehrwerte>& ziele) {
    OptimierAusgang aus;
    n = std::clamp(n, 0, kMischungPosten);
    const int f = FesteNachVorne(posten, n);
    const MischungsLP lp = LPAufstellen(posten, f, n, ziele);
    if (lp.v == 0) {
        // Nothing to choose: only the dry matter of the fixed part is checked.
        aus.ok = ziele[fwTS] - lp.fest[fwTS] + 0.01 >= 0;
        return aus;
    }
    const LPLoesung l = LPLoesen(lp);
    if (l.status == LPLoesung::Unloesbar) aus.unvereinbar = koepfe(l.y, 1e-9);
    if (l.status != LPLoesung::Optimal) return aus;
    // The shares are stored as 6-byte reals; the check is made on what is stored.
    std::array<TMischungsPosten, kMischungPosten> neu = posten;
    std::array<double, kMischungPosten> x{};
    for (int i = 0; i < lp.v; ++i) {
        TMischungsPosten& p = neu[std::size_t(f + i)];
        p.setAnteil(l.x[std::size_t(i)]);
        p.beitraegeBerechnen();
        x[std::size_t(i)] = p.Anteil();
    }
    if (!ErfuelltAlleZeilen(lp, x)) return aus;
    posten = neu;
    aus.ok = true;
    aus.bindend = koepfe(l.y, 1e-9);
    return aus;
}
