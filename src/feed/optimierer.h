#pragma once

#include "futterrecords.h"

#include <QStringList>
#include <array>

// The linear programme of a mix: the free entries' contents and prices and the right-hand
// side of the 12 nutrient rows. Row 0 (TS) is an equality, rows 6..8 (RFas, RFett, RAsche)
// are upper limits, all others lower limits.
struct MischungsLP {
    enum Art { Gleich, Mindestens, Hoechstens };
    static Art art(int r) { return r == 0 ? Gleich : (r >= 6 && r <= 8 ? Hoechstens : Mindestens); }

    int v = 0;                                                        // free entries
    std::array<std::array<double, kMischungPosten>, kNaehrwerte> a{}; // a[r][i]
    std::array<double, kMischungPosten> c{};                          // price of free entry i
    std::array<double, kNaehrwerte> b{};
    std::array<double, kNaehrwerte> fest{}; // the fixed entries' part of each nutrient
};

// The rows for entries 0..n-1 of which the first f are fixed: the remaining target or 0 when
// it is not positive; an upper limit of 0 means no limit and becomes 880.
MischungsLP LPAufstellen(const std::array<TMischungsPosten, kMischungPosten>& posten, int f, int n,
                         const std::array<double, kNaehrwerte>& ziele);

struct LPLoesung {
    enum Status { Optimal, Unloesbar, Abbruch };
    Status status = Abbruch;
    std::array<double, kMischungPosten> x{}; // shares of the free entries
    double kosten = 0;
    // Optimal: the duals of the rows. Unloesbar: a Farkas certificate, y.A <= 0 for every
    // column (free entries and slacks) and y.b > 0, so no mix meets the rows it touches.
    std::array<double, kNaehrwerte> y{};
    // Basic column per row: free entry i, slack 100 + r of row r, artificial 200 + r.
    std::array<int, kNaehrwerte> basis{};
    int schritte = 0;
};

// Two-phase simplex on the programme's tableau with Bland's rule (lowest column with a
// positive reduced cost enters, the smallest quotient leaves, the lowest row on ties), at a
// bounded number of steps.
LPLoesung LPLoesen(const MischungsLP& lp);

// Whether shares x meet every row within a small tolerance and none is negative.
bool ErfuelltAlleZeilen(const MischungsLP& lp, const std::array<double, kMischungPosten>& x);

// Fixed entries to the front, in the order met: each one behind the fixed block is exchanged
// with the first entry that is not fixed. Returns the number of fixed entries.
int FesteNachVorne(std::array<TMischungsPosten, kMischungPosten>& posten, int n);

struct OptimierAusgang {
    bool ok = false;
    QStringList unvereinbar; // heads of the targets that cannot be met together
    QStringList bindend;     // heads of the targets that set the price
};

// Reorders entries 0..n-1, and on success sets the shares and contributions of the free
// ones; on failure the shares stay as they were.
OptimierAusgang Optimieren(std::array<TMischungsPosten, kMischungPosten>& posten, int n,
                           const std::array<double, kNaehrwerte>& ziele);
