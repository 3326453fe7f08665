#pragma once

#include "herd/kurzdatum.h"
#include "herd/pruefgrenzen.h"
#include "herd/sauherde.h"
#include "stamm/planrecords.h"

#include <QDate>
#include <array>
#include <cstdint>
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

// What the overview is built by: the plan times' windows, the limits, the gestation, today.
struct UebersichtVorgaben {
    PlanFenster absetzen, tk;
    int jsTage = 0;
    int tragezeit = 0;
    QDate heute;

    bool operator==(const UebersichtVorgaben& o) const;
};
UebersichtVorgaben UebersichtVorgabenAus(const TPlanZeiten& zeiten, const PruefGrenzen& g,
                                         int tragezeit, QDate heute);

// The overview kept per sow: after a booking only the sows it changed are taken out and sorted
// in again; it comes out as built from the whole herd. A due list holds a sow at most once and
// is ordered by date, then by herd order.
class UebersichtAufbau {
public:
    // Starts anew for a herd of `sauen` sows (0 when not known yet); then `eintragen` sorts in
    // every sow in herd order and `abschliessen` orders the lists.
    void beginnen(std::size_t sauen, const UebersichtVorgaben& v);
    void eintragen(const Sau& sau, int index);
    void abschliessen();
    // The sows at `sauen` changed, nothing else: their old entries go, the new ones are sorted
    // in. Returns false (and changes nothing) when the herd's size or the settings differ from
    // the last build; then it must be built anew.
    bool nachtragen(const Herde& herde, const std::vector<int>& sauen, const UebersichtVorgaben& v);

    const HerdUebersicht& uebersicht() const { return u_; }

private:
    void einordnen(int f, int sau, int wurf, TKurzDatum basis, TKurzDatum datum,
                   PlanFenster fenster);
    void wurfAufgaben(const TWurfRec& w, int sau, int wurf);
    void zaehlen(std::uint8_t zustand, int vorzeichen);

    HerdUebersicht u_;
    UebersichtVorgaben v_;
    TKurzDatum montag_;
    int jahr_ = 0; // this year's year byte
    // Per sow: her state (0..6) while in the herd, else whether she went this year.
    std::vector<std::uint8_t> zustand_;
    bool gebaut_ = false;
};

// One pass over the sows and their current litters.
HerdUebersicht UebersichtBilden(const Herde& herde, const TPlanZeiten& zeiten,
                                const PruefGrenzen& g, int tragezeit, QDate heute);
