#pragma once

#include "herd/kurzdatum.h"
#include "herd/sauherde.h"

#include <QString>

TSauStatus SauStatus(const Sau& sau);
QString StatusName(int status); // "leer" .. "leere JS"; empty outside 0..6

// The litter rules below read a litter record or the evaluation's copy of one alike: anything
// with the record's 1-based Belegen(k), TKDatum(k) and TKErgebnis(k).

// The latest mating present: 3, else 2, else 1 (the state and the card read it so).
template <class Wurf> int LetzteBelegung(const Wurf& w) {
    if (w.Belegen(3).vorhanden()) return 3;
    if (w.Belegen(2).vorhanden()) return 2;
    return 1;
}
// The latest mating of the unbroken run: 2 needs mating 2, 3 needs matings 2 and 3 (the
// expected farrowing date and the work plan count from it).
template <class Wurf> int LetzteBelegungInFolge(const Wurf& w) {
    if (!w.Belegen(2).vorhanden()) return 1;
    return w.Belegen(3).vorhanden() ? 3 : 2;
}
template <class Wurf> int LetzteTK(const Wurf& w) { // 1 or 2
    return w.TKDatum(2).vorhanden() ? 2 : 1;
}
// The pregnancy check that counts after the latest mating found her not pregnant.
template <class Wurf> bool TKNegativ(const Wurf& w) {
    const auto negativ = [&](int k) { return w.TKDatum(k).vorhanden() && w.TKErgebnis(k) == 0; };
    if (w.Belegen(1).vorhanden() && !w.Belegen(2).vorhanden()) return negativ(1) || negativ(2);
    TKurzDatum m;
    if (w.Belegen(2).vorhanden() && !w.Belegen(3).vorhanden())
        m = w.Belegen(2);
    else if (w.Belegen(3).vorhanden())
        m = w.Belegen(3);
    else
        return false;
    if (TageZwischen(m, w.TKDatum(1)) <= 0) return false;
    bool ergebnis = negativ(1);
    if (TageZwischen(w.TKDatum(1), w.TKDatum(2)) >= 1) ergebnis = negativ(2);
    return ergebnis;
}
// Expected farrowing date after `tragezeit` days of gestation.
template <class Wurf> TKurzDatum TheorAbferkeltermin(const Wurf& w, int tragezeit) {
    if (!w.Belegen(1).vorhanden() || TKNegativ(w)) return {};
    return TageAddierenDatum(tragezeit, w.Belegen(LetzteBelegungInFolge(w)));
}
// The recorded farrowing date, else the expected one.
template <class Wurf> TKurzDatum AbferkelnOderErwartet(const Wurf& w, int tragezeit) {
    return w.Abferkeln().vorhanden() ? w.Abferkeln() : TheorAbferkeltermin(w, tragezeit);
}

// Index of the sow's current litter: the last one, or the one before when the last has no
// first mating and there is one before; -1 without litters.
int AktuellerWurf(const std::vector<TWurfRec>& wuerfe);

// The loss slots in use: the leading slots with a day of life.
inline int Verluste(const TWurfRec& w) {
    int n = 0;
    while (n < feldgroesse::Eintraege && w.Verlusttag(n + 1) > 0)
        ++n;
    return n;
}
int Anomalien(const TWurfRec& w);
// Weaned piglets from a litter's counts: born, less stillborn and lost, plus the adjustment.
constexpr int AbgesetzteFerkel(int geborene, int todgeborene, int ausfaelle, int ausgleich) {
    return geborene - todgeborene - ausfaelle + ausgleich;
}
int Abgesetzte(const TWurfRec& w); // counting the leading loss slots
