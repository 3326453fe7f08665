#pragma once

#include "sauherde.h"

#include <QString>

TSauStatus SauStatus(const Sau& sau);
QString StatusName(int status); // "leer" .. "leere JS"; empty outside 0..6

int LetzteBelegung(const TWurfRec& w); // 1, 2 or 3
int LetzteTK(const TWurfRec& w);       // 1 or 2
bool TKNegativ(const TWurfRec& w);
// Expected farrowing date after `tragezeit` days of gestation.
TKurzDatum TheorAbferkeltermin(const TWurfRec& w, int tragezeit);
int Verluste(const TWurfRec& w);
int Anomalien(const TWurfRec& w);
int Abgesetzte(const TWurfRec& w);
