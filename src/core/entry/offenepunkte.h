#pragma once

#include "entry/plausibel.h"
#include "herd/sauherde.h"
#include "stamm/planrecords.h"

#include <QDate>
#include <vector>

// What the open points are judged by: the limits, the gestation length and the last day of the
// plan times' weaning window.
struct OffenePunkteVorgaben {
    PruefGrenzen grenzen;
    int tragezeit = 113;
    int absetzenBis = 30;
    QDate heute;
};

// The limits of the settings, the plan times' gestation and weaning window, today.
OffenePunkteVorgaben PunkteVorgaben(const PruefGrenzen& g, const TPlanZeiten& zeiten, int tragezeit,
                                    QDate heute);

// Every implausible value and every overdue point of the herd, in herd order: per sow her own
// dates, her litters in order, then what is overdue. One pass over the sows and litters.
std::vector<plausibel::Befund> OffenePunkte(const Herde& herde, const OffenePunkteVorgaben& v);

// The points of one sow (index `sau`) appended to `out`.
void SauPruefen(const Sau& sau, int index, const OffenePunkteVorgaben& v,
                std::vector<plausibel::Befund>& out);
