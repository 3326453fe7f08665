#include "feed/optimierer.h"

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
// columns. Columns: the free entries, then one slack per inequality row, then an artificial
// for TS and for each lower limit above 0; their order is the order of Bland's rule. A lower
// limit of 0 is kept negated, so that its slack starts in the basis. An artificial column
// that has left the basis is dropped, except the one of TS, whose column gives that row's dual.
struct Tableau {
    enum Art { Frei, Schlupf, Kuenstlich };
    struct Spalte {
        Art art;
        int nr; // free entry, or row of the programme
    };

    int m = 0, n = 0;
    int zeile[R]{};      // the programme's row of tableau row i
    int vorzeichen[R]{}; // tableau row i is this times the programme's row
    int basis[R]{};
    int dualSpalte[R]{}; // a column that is startWert[i] * e_i in the starting tableau
    int startWert[R]{};
    Spalte spalte[kMaxSpalten]{};
    bool fallen[kMaxSpalten]{};
    mpq_class t[R][kMaxSpalten];
    mpq_class b[R];
    mpq_class kosten[kMaxSpalten];
    mpq_class d[kMaxSpalten]; // reduced costs
    mpq_class mz;             // minus the objective, updated like the reduced costs

    Tableau(const MischungsLP& lp, Zeilen zeilen) {
        for (int r = 0; r < R; ++r)
            if (aktiv(zeilen, r)) zeile[m++] = r;
        for (int i = 0; i < lp.v; ++i)
            spalte[n++] = {Frei, i};
        for (int i = 0; i < m; ++i) {
            const int r = zeile[i];
            b[i] = lp.b[std::size_t(r)];
            const auto art = MischungsLP::art(r);
            vorzeichen[i] = art == MischungsLP::Mindestens && sgn(b[i]) == 0 ? -1 : 1;
            for (int j = 0; j < lp.v; ++j) {
                t[i][j] = lp.a[std::size_t(r)][std::size_t(j)];
                if (vorzeichen[i] < 0) t[i][j] = -t[i][j];
            }
        }
        for (int i = 0; i < m; ++i) {
            if (zeile[i] == 0) continue;
            const int hoch = MischungsLP::art(zeile[i]) == MischungsLP::Hoechstens ? 1 : -1;
            t[i][n] = hoch * vorzeichen[i];
            dualSpalte[i] = n;
            startWert[i] = hoch * vorzeichen[i];
            if (sgn(t[i][n]) > 0) basis[i] = n;
            spalte[n++] = {Schlupf, zeile[i]};
        }
        for (int i = 0; i < m; ++i) {
            if (zeile[i] != 0 && sgn(t[i][dualSpalte[i]]) > 0) continue;
            t[i][n] = 1;
            basis[i] = n;
            if (zeile[i] == 0) {
                dualSpalte[i] = n;
                startWert[i] = 1;
            }
            spalte[n++] = {Kuenstlich, zeile[i]};
        }
    }

    // Sets the column costs, the reduced costs and the objective.
    template <class Kosten> void kostenSetzen(Kosten k) {
        for (int j = 0; j < n; ++j)
            kosten[j] = k(spalte[j]);
        mpq_class h;
        for (int j = 0; j < n; ++j) {
            if (fallen[j]) continue;
            d[j] = kosten[j];
            for (int i = 0; i < m; ++i)
                if (sgn(kosten[basis[i]]) != 0 && sgn(t[i][j]) != 0) {
                    h = kosten[basis[i]] * t[i][j];
                    d[j] -= h;
                }
        }
        mz = 0;
        for (int i = 0; i < m; ++i) {
            h = kosten[basis[i]] * b[i];
            mz -= h;
        }
    }

    void pivot(int p, int k) {
        const int geht = basis[p];
        if (spalte[geht].art == Kuenstlich && spalte[geht].nr != 0) fallen[geht] = true;
        const mpq_class q = t[p][k];
        int nz[kMaxSpalten];
        int anzahl = 0;
        for (int j = 0; j < n; ++j)
            if (!fallen[j] && sgn(t[p][j]) != 0) {
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

    // y = c_B . B^-1 for the programme's rows: column i of B^-1 is the current column that
    // started as +-e_i, and c_B times it is its cost less its reduced cost.
    void duale(std::array<mpq_class, R>& y) const {
        for (int i = 0; i < m; ++i) {
            const int j = dualSpalte[i];
            mpq_class& yr = y[std::size_t(zeile[i])];
            yr = kosten[j] - d[j];
            yr *= startWert[i] * vorzeichen[i];
        }
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
        tb.duale(l.y);
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
    tb.duale(l.y);
    l.status = LPLoesung::Optimal;
    return l;
}

// From rows that cannot be met together: each row is dropped in turn while the rest still
// cannot, the rows without a target first and TS last; the rows a certificate touches always
// form such a set, so the set shrinks to the support of each new one.
Zeilen konfliktEingrenzen(const MischungsLP& lp, Zeilen z) {
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

} // namespace

LPLoesung LPLoesen(const MischungsLP& lp, Zeilen zeilen) {
    return loesen(lp, zeilen, false);
}

Zeilen UnvereinbareZeilen(const MischungsLP& lp) {
    const LPLoesung l = loesen(lp, kAlleZeilen, true);
    return l.status == LPLoesung::Unloesbar ? konfliktEingrenzen(lp, traeger(l.y)) : 0;
}

double AufReal48(const mpq_class& q) {
    if (sgn(q) == 0) return 0.0;
    const mpq_class a = abs(q);
    // 2^e <= a < 2^(e+1)
    long e =
        long(mpz_sizeinbase(a.get_num_mpz_t(), 2)) - long(mpz_sizeinbase(a.get_den_mpz_t(), 2));
    if (e > 200) return sgn(q) * real48::kMax;
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
    if (l.status == LPLoesung::Unloesbar)
        aus.unvereinbar = koepfe(konfliktEingrenzen(lp, traeger(l.y)));
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
