#pragma once

// The plan types reader checked for one input, in the record size the file's size chooses.

#include "fuzzhilfe.h"
#include "stamm/planfiles.h"

inline void planTypenPruefen(const QByteArray& bytes) {
    const qint64 groesse = bytes.size();
    Lesegeraet dev(bytes);
    const PlanTypenGelesen r = PlanTypenLesen(dev, groesse);
    const qint64 satz = qint64(r.altesFormat ? kPlanTypAltSize : kPlanTypSize);
    FUZZ_PRUEFEN(r.altesFormat == (groesse % qint64(kPlanTypAltSize) == 0));
    FUZZ_PRUEFEN(qint64(r.typen.size()) == groesse / satz);
    FUZZ_PRUEFEN(r.fehler == (groesse % satz != 0));
    int summe = 0;
    for (const TPlanTyp& t : r.typen) {
        FUZZ_PRUEFEN(t.Name().size() <= 15);
        for (int i = 0; i < kPlanTypStaelle; ++i)
            FUZZ_PRUEFEN(t.Stall(i).size() <= (r.altesFormat ? 10 : 15));
        for (int i = 0; i < 7; ++i)
            summe += t.StatusFlag(i);
        for (int i = 0; i < 5; ++i)
            summe += t.SeitenFlag(i);
        summe += t.Gruppe() + t.AlleAuflisten();
    }
    behalten(summe);

    // Written back, always in the newer record; read back the same, unless the count of
    // records makes the size a multiple of 251 too (then it reads as the older record).
    QBuffer aus;
    aus.open(QIODevice::WriteOnly);
    FUZZ_PRUEFEN(PlanTypenSchreiben(aus, r.typen));
    FUZZ_PRUEFEN(aus.data().size() == qsizetype(r.typen.size() * kPlanTypSize));
    if (!r.typen.empty() && r.typen.size() % kPlanTypAltSize == 0) return;
    Lesegeraet ein(aus.data());
    const PlanTypenGelesen r2 = PlanTypenLesen(ein, aus.data().size());
    FUZZ_PRUEFEN(!r2.fehler);
    FUZZ_PRUEFEN(r2.typen == r.typen);
}
