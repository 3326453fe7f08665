#pragma once

#include "entry/offenepunktezahl.h"
#include "plan/uebersicht.h"

class AppContext;

// What the overview and the open points are built by.
struct Uebersichtsrahmen {
    UebersichtVorgaben uebersicht;
    OffenePunkteVorgaben punkte;
};

// What the overview window shows of the herd: the overview and the number of open points,
// built in one walk over the herd and after a booking redone for the sows it changed only.
class Uebersichtsstand {
public:
    // The same built step by step in a walk over the herd that does more (the herd's loading):
    // starts anew for `sauen` sows (0 when not known yet), then takes each sow in herd order,
    // then orders the lists.
    void beginnen(const Uebersichtsrahmen& rahmen, std::size_t sauen = 0);
    void eintragen(const Sau& sau, int index);
    void abschliessen();

    // The sows at `sauen` changed; `alle` when it is not known which or sows came or went.
    // Everything is built anew also when the herd's size or the settings differ from the last
    // time.
    void erneuern(const Herde& herde, const std::vector<int>& sauen, bool alle,
                  const UebersichtVorgaben& uv, const OffenePunkteVorgaben& pv);

    const HerdUebersicht& uebersicht() const { return aufbau_.uebersicht(); }
    long long offenePunkte() const { return punkte_.summe(); }

private:
    UebersichtAufbau aufbau_;
    OffenePunkteZahl punkte_;
};

// What the overview is built by: the context's plan times, limits and gestation, and today.
Uebersichtsrahmen UebersichtsrahmenAus(const AppContext& ctx);

// Reads the herd of `ctx` (HerdeLaden) and builds the overview of it at the same time: a second
// thread walks each sow as soon as she is read, while the reading goes on.
Uebersichtsstand HerdeMitUebersichtLaden(AppContext& ctx);
