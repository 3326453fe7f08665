#pragma once

#include "herd/sauherde.h"

#include <QStringList>
#include <cstdint>

// The herd as the program holds it: the sows, the boar list and whether they differ from the
// herd file. Every change is counted, so that a window keeping something derived from the
// herd can tell whether it is still current.
struct HerdZustand {
    Herde Sauenliste;
    QStringList Eberliste;
    bool Geaendert = false;
    // The herd file is there but could not be read: saving over it needs the farmer's word.
    bool DateiUnlesbar = false;

    // Grows with every change to the herd, a reload included.
    std::uint64_t Stand = 0;
    // Grows when sows come or go or the herd is read anew: positions in Sauenliste taken
    // before no longer name the same sows.
    std::uint64_t Bestand = 0;

    // A sow's records changed and are not yet in the file.
    void AenderungMerken() {
        Geaendert = true;
        ++Stand;
    }
    // A sow was added or removed.
    void BestandGeaendert() {
        AenderungMerken();
        ++Bestand;
    }
    // The herd was replaced by the file's contents.
    void NeuGelesen() {
        Geaendert = false;
        DateiUnlesbar = false;
        ++Stand;
        ++Bestand;
    }
};
