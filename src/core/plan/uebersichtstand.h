#pragma once

#include "entry/offenepunktezahl.h"
#include "plan/uebersicht.h"

// What the overview window shows of the herd: the overview and the number of open points,
// built in one walk over the herd and after a booking redone for the sows it changed only.
class Uebersichtsstand {
public:
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
