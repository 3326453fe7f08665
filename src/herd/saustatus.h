#pragma once

#include "sauherde.h"

#include <QString>

TSauStatus SauStatus(const Sau& sau);
QString StatusName(int status); // "leer" .. "leere JS"; empty outside 0..6

// The latest mating present: 3, else 2, else 1 (the state and the card read it so).
int LetzteBelegung(const TWurfRec& w);
// The latest mating of the unbroken run: 2 needs mating 2, 3 needs matings 2 and 3 (the
// expected farrowing date and the work plan count from it).
int LetzteBelegungInFolge(const TWurfRec& w);
int LetzteTK(const TWurfRec& w); // 1 or 2
bool TKNegativ(const TWurfRec& w);
// Expected farrowing date after `tragezeit` days of gestation.
TKurzDatum TheorAbferkeltermin(const TWurfRec& w, int tragezeit);
// The recorded farrowing date, else the expected one.
TKurzDatum AbferkelnOderErwartet(const TWurfRec& w, int tragezeit);

// Index of the sow's current litter: the last one, or the one before when the last has no
// first mating and there is one before; -1 without litters.
int AktuellerWurf(const std::vector<TWurfRec>& wuerfe);

int Verluste(const TWurfRec& w);
int Anomalien(const TWurfRec& w);
// Weaned piglets from a litter's counts: born, less stillborn and lost, plus the adjustment.
constexpr int AbgesetzteFerkel(int geborene, int todgeborene, int ausfaelle, int ausgleich) {
    return geborene - todgeborene - ausfaelle + ausgleich;
}
int Abgesetzte(const TWurfRec& w); // counting the leading loss slots
