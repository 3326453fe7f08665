#pragma once

#include "herd/sauherde.h"

#include <QObject>
#include <QStringList>

// Tells whoever keeps something drawn from the herd (the selection, the work plan, the
// overview) that the herd changed or was saved.
class HerdMeldung : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // A sow's records changed. `sauenGeaendert`: sows came or went or the herd was read anew,
    // so positions in Sauenliste taken before no longer name the same sows.
    void geaendert(bool sauenGeaendert);
    // Only the records of the sow at `index` changed; sent for each such sow just before
    // `geaendert(false)`. A `geaendert` without it leaves open which sows changed.
    void sauGeaendert(int index);
    // The herd was written to its file.
    void gespeichert();
};

// The herd as the program holds it: the sows, the boar list and whether they differ from the
// herd file. Every change is announced through `meldung`.
struct HerdZustand {
    Herde Sauenliste;
    QStringList Eberliste;
    bool Geaendert = false;
    // The herd file is there but could not be read: saving over it needs the farmer's word.
    bool DateiUnlesbar = false;
    HerdMeldung meldung;

    // A sow's records changed and are not yet in the file.
    void AenderungMerken() {
        Geaendert = true;
        emit meldung.geaendert(false);
    }
    // The records of the sows at `sauen` changed, and nothing else.
    void AenderungMerken(const std::vector<int>& sauen) {
        Geaendert = true;
        for (int i : sauen)
            emit meldung.sauGeaendert(i);
        emit meldung.geaendert(false);
    }
    // A sow was added or removed.
    void SauenGeaendert() {
        Geaendert = true;
        emit meldung.geaendert(true);
    }
    // The herd was replaced by the file's contents.
    void NeuGelesen() {
        Geaendert = false;
        DateiUnlesbar = false;
        emit meldung.geaendert(true);
    }
    // The herd is in its file as it is held.
    void Gespeichert() {
        Geaendert = false;
        emit meldung.gespeichert();
    }
};
