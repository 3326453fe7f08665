#pragma once

#include "feed/futterrecords.h"

#include <QStringList>
#include <array>
#include <gmpxx.h>

// A set of rows of the programme, bit r for row r.
using Zeilen = unsigned;
constexpr Zeilen kAlleZeilen = (1u << kNaehrwerte) - 1;

// The linear programme of a mix in exact rationals: the free entries' contents and prices and
// the right-hand side of the 12 nutrient rows, each taken exactly from its double. Row 0 (TS)
// is an equality, rows 6..8 (RFas, RFett, RAsche) are upper limits, all others lower limits.
struct MischungsLP {
    enum Art { Gleich, Mindestens, Hoechstens };
    static Art art(int r) { return r == 0 ? Gleich : (r >= 6 && r <= 8 ? Hoechstens : Mindestens); }

    int v = 0;                                                           // free entries
    std::array<std::array<mpq_class, kMischungPosten>, kNaehrwerte> a{}; // a[r][i]
    std::array<mpq_class, kMischungPosten> c{};                          // price of free entry i
    std::array<mpq_class, kNaehrwerte> b{};
    std::array<mpq_class, kNaehrwerte> fest{}; // the fixed entries' part of each nutrient
    Zeilen gesetzt = 0; // rows whose right-hand side is what a target leaves to the free entries
};

// The rows for entries 0..n-1 of which the first f are fixed: the remaining target or 0 when
// it is not positive; an upper limit of 0 means no limit and becomes 880. A value that is not
// finite counts as 0.
MischungsLP LPAufstellen(const std::array<TMischungsPosten, kMischungPosten>& posten, int f, int n,
                         const std::array<double, kNaehrwerte>& ziele);

struct LPLoesung {
    enum Status { Optimal, Unloesbar, Unbeschraenkt };
    Status status = Unloesbar;
    std::array<mpq_class, kMischungPosten> x{}; // shares of the free entries
    mpq_class kosten;
    // Optimal: the duals of the rows, y.A <= c for every column and y.b = kosten.
    // Unloesbar: a Farkas certificate, y.A <= 0 for every column (free entries and slacks)
    // and y.b > 0, so no mix meets the rows it touches. Rows left out have y = 0.
    std::array<mpq_class, kNaehrwerte> y{};
    int schritte = 0;
};

// Two-phase simplex in exact arithmetic with Bland's rule (the lowest column with a negative
// reduced cost enters, ties in the quotient go to the lowest basic column), on the given rows
// of the programme only.
LPLoesung LPLoesen(const MischungsLP& lp, Zeilen zeilen = kAlleZeilen);

// For a programme without solution: a set of rows that cannot be met together while every
// smaller part of it can. Rows the user set are kept in preference, TS most of all. Empty
// when the programme is solvable.
Zeilen UnvereinbareZeilen(const MischungsLP& lp);

// The Real48 value nearest to q (ties to even), as a double.
double AufReal48(const mpq_class& q);

// Whether shares x meet every row within a small tolerance and none is negative.
bool ErfuelltAlleZeilen(const MischungsLP& lp, const std::array<double, kMischungPosten>& x);

// Heads of the targets that entries 0..n-1 with their shares miss: TS off its target, a lower
// limit not reached, an upper limit above 0 passed.
QStringList VerfehlteZiele(const std::array<TMischungsPosten, kMischungPosten>& posten, int n,
                           const std::array<double, kNaehrwerte>& ziele);

// Fixed entries to the front, in the order met: each one behind the fixed block is exchanged
// with the first entry that is not fixed. Returns the number of fixed entries.
int FesteNachVorne(std::array<TMischungsPosten, kMischungPosten>& posten, int n);

struct OptimierAusgang {
    bool ok = false;
    QStringList unvereinbar; // heads of the targets that cannot be met together
    QStringList verfehlt;    // heads of the targets the fixed entries alone already miss
    QStringList bindend;     // heads of the targets that set the price
};

// Reorders entries 0..n-1, and on success sets the shares and contributions of the free
// ones; on failure the shares stay as they were.
OptimierAusgang Optimieren(std::array<TMischungsPosten, kMischungPosten>& posten, int n,
                           const std::array<double, kNaehrwerte>& ziele);
