#include "optimierer.h"

#include "platform/real48.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int R = kNaehrwerte;
constexpr int kMaxSpalten = kMischungPosten + (R - 1) + R;

mpq_class exakt(double d) {
    return std::isfinite(d) ? mpq_class(d) : mpq_class(0);
}

bool aktiv(Zeilen z, int r) {
    return (z >> r) & 1u;
}

// The dense tableau over the chosen rows in canonical form: the basic columns are unit
// columns. Columns: the free entries, then one slack per inequality row, then one artificial
// per row that does not start on its slack; their order is the order of Bland's rule.
struct Tableau {
    enum Art { Frei, Schlupf, Kuenstlich };
    struct Spalte {
        Art art;
        int nr; // free entry, or row of the programme
    };

    int m = 0, n = 0;
    int zeile[R]{}; // the programme's row of tableau row i
    int start[R]{}; // the column basic in row i at the start: now column i of the inverse basis
    int basis[R]{};
    Spalte spalte[kMaxSpalten]{};
    mpq_class t[R][kMaxSpalten];
    mpq_class b[R];
    mpq_class d[kMaxSpalten]; // reduced costs
    mpq_class mz;             // minus the objective, updated like the reduced costs

    Tableau(const MischungsLP& lp, Zeilen zeilen) {
        for (int r = 0; r < R; ++r)
            if (aktiv(zeilen, r)) zeile[m++] = r;
        for (int i = 0; i < lp.v; ++i)
            spalte[n++] = {Frei, i};
        for (int i = 0; i < m; ++i)
            if (zeile[i] > 0) spalte[n++] = {Schlupf, zeile[i]};
        for (int i = 0; i < m; ++i)
            if (MischungsLP::art(zeile[i]) != MischungsLP::Hoechstens)
                spalte[n++] = {Kuenstlich, zeile[i]};
        for (int i = 0; i < m; ++i) {
            const int r = zeile[i];
            b[i] = lp.b[std::size_t(r)];
            for (int j = 0; j < n; ++j) {
                const Spalte s = spalte[j];
                if (s.art == Frei) {
                    t[i][j] = lp.a[std::size_t(r)][std::size_t(s.nr)];
                } else if (s.nr == r) {
                    const bool plus =
                        s.art == Kuenstlich || MischungsLP::art(r) == MischungsLP::Hoechstens;
                    t[i][j] = plus ? 1 : -1;
                    if (plus) start[i] = basis[i] = j;
                }
            }
        }
    }

    // Sets the reduced costs and the objective for column costs `kosten`.
    template <class Kosten> void kostenSetzen(Kosten kosten) {
        mpq_class h;
        for (int j = 0; j < n; ++j) {
            d[j] = kosten(spalte[j]);
            for (int i = 0; i < m; ++i)
                if (const mpq_class cb = kosten(spalte[basis[i]]);
                    sgn(cb) != 0 && sgn(t[i][j]) != 0) {
                    h = cb * t[i][j];
                    d[j] -= h;
                }
        }
        mz = 0;
        for (int i = 0; i < m; ++i)
            mz -= kosten(spalte[basis[i]]) * b[i];
    }

    void pivot(int p, int k) {
        const mpq_class q = t[p][k];
        int nz[kMaxSpalten];
        int anzahl = 0;
        for (int j = 0; j < n; ++j)
            if (sgn(t[p][j]) != 0) {
                t[p][j] /= q;
                nz[anzahl++] = j;
            }
        b[p] /= q;
        mpq_class g, h;
        const auto abziehen = [&](mpq_class* zeile, mpq_class& rechts) {
            g = zeile[k];
            for (int e = 0; e < anzahl; ++e) {
                h = g * t[p][nz[e]];
                zeile[nz[e]] -= h;
            }
            h = g * b[p];
            rechts -= h;
        };
        for (int i = 0; i < m; ++i)
            if (i != p && sgn(t[i][k]) != 0) abziehen(t[i], b[i]);
        if (sgn(d[k]) != 0) abziehen(d, mz);
        basis[p] = k;
    }

    // Bland's rule to the optimum. False when the objective has no lower bound.
    bool simplex(int& schritte) {
        mpq_class best, q;
        for (;;) {
            int k = -1;
            for (int j = 0; j < n && k < 0; ++j)
                if (spalte[j].art != Kuenstlich && sgn(d[j]) < 0) k = j;
            if (k < 0) return true;
            int p = -1;
            for (int i = 0; i < m; ++i) {
                if (sgn(t[i][k]) <= 0) continue;
                q = b[i] / t[i][k];
                const int v = p < 0 ? -1 : cmp(q, best);
                if (v < 0 || (v == 0 && basis[i] < basis[p])) {
                    p = i;
                    swap(best, q);
                }
            }
            if (p < 0) return false;
            pivot(p, k);
            ++schritte;
        }
    }

    // After phase 1 at 0: an artificial column still basic leaves for the first other column
    // with a nonzero entry in its row; a row without one is redundant and keeps it at 0.
    void kuenstlicheEntfernen() {
        for (int i = 0; i < m; ++i) {
            if (spalte[basis[i]].art != Kuenstlich) continue;
            for (int j = 0; j < n; ++j)
                if (spalte[j].art != Kuenstlich && sgn(t[i][j]) != 0) {
                    pivot(i, j);
                    break;
                }
        }
    }

    // y[r] = c_B . B^-1 e_r, read from the reduced cost of the column that started in row r.
    template <class Kosten> void duale(Kosten kosten, std::array<mpq_class, R>& y) const {
        for (int i = 0; i < m; ++i)
            y[std::size_t(zeile[i])] = kosten(spalte[start[i]]) - d[start[i]];
    }
};

QStringList koepfe(Zeilen z) {
    QStringList k;
    for (int r = 0; r < R; ++r)
        if (aktiv(z, r)) k << QString::fromUtf8(kWertKopf[std::size_t(r)]).trimmed();
    return k;
}

Zeilen traeger(const std::array<mpq_class, R>& y) {
    Zeilen z = 0;
    for (int r = 0; r < R; ++r)
        if (sgn(y[std::size_t(r)]) != 0) z |= 1u << r;
    return z;
}

const mpq_class kToleranz(1, 1000000);

// Whether s meets b for the kind of row r, within the tolerance relative to `betrag`.
bool zeileErfuellt(int r, const mpq_class& s, const mpq_class& b, const mpq_class& betrag) {
    const mpq_class tol = kToleranz * (1 + abs(b) + betrag);
    switch (MischungsLP::art(r)) {
    case MischungsLP::Gleich:
        return abs(s - b) <= tol;
    case MischungsLP::Mindestens:
        return s >= b - tol;
    case MischungsLP::Hoechstens:
        return s <= b + tol;
    }
    return false;
}

bool endlich(const std::array<TMischungsPosten, kMischungPosten>& posten, int n,
             const std::array<double, kNaehrwerte>& ziele) {
    for (double z : ziele)
        if (!std::isfinite(z)) return false;
    for (int j = 0; j < n; ++j) {
        if (!std::isfinite(posten[std::size_t(j)].Anteil())) return false;
        for (int m = 0; m < kFutterWerte; ++m)
            if (!std::isfinite(posten[std::size_t(j)].Inhalt(m))) return false;
    }
    return true;
}

} // namespace

MischungsLP LPAufstellen(const std::array<TMischungsPosten, kMischungPosten>& posten, int f, int n,
                         const std::array<double, kNaehrwerte>& ziele) {
    MischungsLP lp;
    n = std::clamp(n, 0, kMischungPosten);
    f = std::clamp(f, 0, n);
    lp.v = n - f;
    for (int r = 0; r < R; ++r) {
        mpq_class& fest = lp.fest[std::size_t(r)];
        for (int j = 0; j < f; ++j)
            fest +=
                exakt(posten[std::size_t(j)].Inhalt(r)) * exakt(posten[std::size_t(j)].Anteil());
        for (int i = 0; i < lp.v; ++i)
            lp.a[std::size_t(r)][std::size_t(i)] = exakt(posten[std::size_t(f + i)].Inhalt(r));
        mpq_class b = exakt(ziele[std::size_t(r)]) - fest;
        if (sgn(b) > 0) lp.gesetzt |= 1u << r;
        if (sgn(b) < 0) b = 0;
        if (sgn(b) == 0 && MischungsLP::art(r) == MischungsLP::Hoechstens) b = 880;
        lp.b[std::size_t(r)] = b;
    }
    for (int i = 0; i < lp.v; ++i)
        lp.c[std::size_t(i)] = exakt(posten[std::size_t(f + i)].Inhalt(fwPreis));
    return lp;
}

namespace {

// With `nurZulaessig` it stops after phase 1: Optimal then only says that the rows can be met.
LPLoesung loesen(const MischungsLP& lp, Zeilen zeilen, bool nurZulaessig) {
    LPLoesung l;
    Tableau tb(lp, zeilen & kAlleZeilen);
    // Phase 1: the sum of the artificial columns to 0.
    const auto kosten1 = [](Tableau::Spalte s) { return mpq_class(s.art == Tableau::Kuenstlich); };
    tb.kostenSetzen(kosten1);
    tb.simplex(l.schritte); // bounded below by 0
    if (sgn(tb.mz) < 0) {
        tb.duale(kosten1, l.y);
        l.status = LPLoesung::Unloesbar;
        return l;
    }
    if (nurZulaessig) {
        l.status = LPLoesung::Optimal;
        return l;
    }
    tb.kuenstlicheEntfernen();
    // Phase 2: the price.
    const auto kosten2 = [&lp](Tableau::Spalte s) {
        return s.art == Tableau::Frei ? lp.c[std::size_t(s.nr)] : mpq_class(0);
    };
    tb.kostenSetzen(kosten2);
    if (!tb.simplex(l.schritte)) {
        l.status = LPLoesung::Unbeschraenkt;
        return l;
    }
    for (int i = 0; i < tb.m; ++i)
        if (const Tableau::Spalte s = tb.spalte[tb.basis[i]]; s.art == Tableau::Frei)
            l.x[std::size_t(s.nr)] = tb.b[i];
    l.kosten = -tb.mz;
    tb.duale(kosten2, l.y);
    l.status = LPLoesung::Optimal;
    return l;
}

} // namespace

LPLoesung LPLoesen(const MischungsLP& lp, Zeilen zeilen) {
    return loesen(lp, zeilen, false);
}

Zeilen UnvereinbareZeilen(const MischungsLP& lp) {
    const LPLoesung l = loesen(lp, kAlleZeilen, true);
    if (l.status != LPLoesung::Unloesbar) return 0;
    // The rows a certificate touches cannot be met together; each row is dropped in turn
    // while the rest still cannot, the rows without a target first and TS last.
    Zeilen z = traeger(l.y);
    int reihe[R];
    int k = 0;
    for (const bool mitZiel : {false, true})
        for (int r = R - 1; r >= 0; --r)
            if (aktiv(lp.gesetzt, r) == mitZiel) reihe[k++] = r;
    for (int r : reihe) {
        if (!aktiv(z, r)) continue;
        const LPLoesung ohne = loesen(lp, z & ~(1u << r), true);
        if (ohne.status == LPLoesung::Unloesbar) z = traeger(ohne.y);
    }
    return z;
}

double AufReal48(const mpq_class& q) {
    if (sgn(q) == 0) return 0.0;
    const mpq_class a = abs(q);
    // 2^e <= a < 2^(e+1)
    long e =
        long(mpz_sizeinbase(a.get_num_mpz_t(), 2)) - long(mpz_sizeinbase(a.get_den_mpz_t(), 2));
    if (e > 200) return sgn(q) * HUGE_VAL;
    if (e < -200) return 0.0;
    mpq_class stufe = 1;
    if (e >= 0)
        mpq_mul_2exp(stufe.get_mpq_t(), stufe.get_mpq_t(), mp_bitcnt_t(e));
    else
        mpq_div_2exp(stufe.get_mpq_t(), stufe.get_mpq_t(), mp_bitcnt_t(-e));
    if (a < stufe) --e;
    // 40 significant bits: a = n * 2^(e-39) rounded to the nearest n.
    mpq_class s = a;
    if (e <= 39)
        mpq_mul_2exp(s.get_mpq_t(), s.get_mpq_t(), mp_bitcnt_t(39 - e));
    else
        mpq_div_2exp(s.get_mpq_t(), s.get_mpq_t(), mp_bitcnt_t(e - 39));
    mpz_class ganz, rest;
    mpz_fdiv_qr(ganz.get_mpz_t(), rest.get_mpz_t(), s.get_num_mpz_t(), s.get_den_mpz_t());
    const int vgl = cmp(mpz_class(rest * 2), s.get_den());
    if (vgl > 0 || (vgl == 0 && mpz_odd_p(ganz.get_mpz_t()))) ++ganz;
    // Beyond the format's range it goes as storing would take it.
    return real48::decode(real48::encode(sgn(q) * std::ldexp(ganz.get_d(), int(e - 39))));
}

bool ErfuelltAlleZeilen(const MischungsLP& lp, const std::array<double, kMischungPosten>& x) {
    for (int i = 0; i < lp.v; ++i)
        if (!(x[std::size_t(i)] >= 0)) return false;
    mpq_class s, betrag, t;
    for (int r = 0; r < R; ++r) {
        s = 0;
        betrag = 0;
        for (int i = 0; i < lp.v; ++i) {
            t = lp.a[std::size_t(r)][std::size_t(i)] * exakt(x[std::size_t(i)]);
            s += t;
            betrag += abs(t);
        }
        if (!zeileErfuellt(r, s, lp.b[std::size_t(r)], betrag)) return false;
    }
    return true;
}

QStringList VerfehlteZiele(const std::array<TMischungsPosten, kMischungPosten>& posten, int n,
                           const std::array<double, kNaehrwerte>& ziele) {
    n = std::clamp(n, 0, kMischungPosten);
    Zeilen verfehlt = 0;
    mpq_class s, betrag, t;
    for (int r = 0; r < R; ++r) {
        const mpq_class ziel = exakt(ziele[std::size_t(r)]);
        // An upper limit of 0 is no limit.
        if (MischungsLP::art(r) == MischungsLP::Hoechstens && sgn(ziel) <= 0) continue;
        s = 0;
        betrag = 0;
        for (int j = 0; j < n; ++j) {
            t = exakt(posten[std::size_t(j)].Inhalt(r)) * exakt(posten[std::size_t(j)].Anteil());
            s += t;
            betrag += abs(t);
        }
        if (!zeileErfuellt(r, s, ziel, betrag)) verfehlt |= 1u << r;
    }
    return koepfe(verfehlt);
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
    if (!endlich(posten, n, ziele)) return aus;
    const MischungsLP lp = LPAufstellen(posten, f, n, ziele);
    if (lp.v == 0) {
        // Nothing to choose: the fixed mix itself must meet every target.
        aus.verfehlt = VerfehlteZiele(posten, n, ziele);
        aus.ok = aus.verfehlt.isEmpty();
        return aus;
    }
    const LPLoesung l = LPLoesen(lp);
    if (l.status == LPLoesung::Unloesbar) aus.unvereinbar = koepfe(UnvereinbareZeilen(lp));
    if (l.status != LPLoesung::Optimal) return aus;
    // The shares are stored as 6-byte reals; the check is made on what is stored.
    std::array<TMischungsPosten, kMischungPosten> neu = posten;
    std::array<double, kMischungPosten> x{};
    for (int i = 0; i < lp.v; ++i) {
        TMischungsPosten& p = neu[std::size_t(f + i)];
        p.setAnteil(AufReal48(l.x[std::size_t(i)]));
        p.beitraegeBerechnen();
        x[std::size_t(i)] = p.Anteil();
    }
    if (!ErfuelltAlleZeilen(lp, x)) return aus;
    // A fixed part above the TS target or above an upper limit leaves nothing for the free
    // entries to mend.
    aus.verfehlt = VerfehlteZiele(neu, n, ziele);
    if (!aus.verfehlt.isEmpty()) return aus;
    posten = neu;
    aus.ok = true;
    aus.bindend = koepfe(traeger(l.y) & lp.gesetzt);
    return aus;
}
