#pragma once

#include "herd/kurzdatum.h"
#include "herd/pruefgrenzen.h"
#include "herd/sauherde.h"
#include "stamm/planrecords.h"

#include <QDate>
#include <array>
#include <vector>

// The Monday of the week (Monday to Sunday) that holds `tag`.
QDate Wochenanfang(QDate tag);

// What the overview counts for the week and before it.
enum Faelligkeit {
    faAbferkeln,    // expected farrowing date of the current litter
    faAbsetzen,     // suckling for the plan times' weaning window
    faTK,           // pregnancy check by the plan times' check window after the last mating
    faUmrauschen,   // watch for return to heat 18 to 24 days after the last mating, no check yet
    faErstbelegung, // gilts stalled in at least the set number of days ago
    kFaelligkeiten
};
QString FaelligkeitText(int f); // "Abferkeln erwartet", ...

// One sow of a due list: her index in the herd, her current litter (position, -1 none) and the
// date the task counts from (the expected farrowing, the farrowing, the mating, the stalling-in).
struct FaelligeSau {
    int sau = -1;
    int wurf = -1;
    TKurzDatum datum;
};

struct HerdUebersicht {
    std::array<int, 7> status{}; // sows in the herd by state (index 5 stays 0)
    int bestand = 0;             // sows in the herd
    int abgaengeJahr = 0;        // sows sold or culled this year
    QDate wochenanfang;
    // Per task: due this week, and overdue (the window ended before this week); by date.
    std::array<std::vector<FaelligeSau>, kFaelligkeiten> woche, ueberfaellig;
};

// One pass over the sows and their current litters.
HerdUebersicht UebersichtBilden(const Herde& herde, const TPlanZeiten& zeiten,
                                const PruefGrenzen& g, int tragezeit, QDate heute);
