// The plan times file: the first 1950 bytes are the record, anything shorter is a read error
// that leaves the defaults; every task of a record reads without a fault.

#include "fuzzhilfe.h"
#include "stamm/planfiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = eingabe(data, size);
    Lesegeraet dev(bytes);
    const PlanZeitenGelesen r = PlanZeitenLesen(dev);
    FUZZ_PRUEFEN(r.fehler == (size < kPlanZeitenSize));
    if (r.fehler) {
        FUZZ_PRUEFEN(r.zeiten == PlanZeitenStandard());
        return 0;
    }
    FUZZ_PRUEFEN(std::equal(r.zeiten.bytes().begin(), r.zeiten.bytes().end(), data));
    int summe = 0;
    for (int seite = 0; seite < kPlanSeiten; ++seite)
        for (int zeile = 0; zeile < kPlanZeilen; ++zeile) {
            const TPlanTermin t = r.zeiten.entry(seite, zeile);
            FUZZ_PRUEFEN(t.Name().size() <= 15 && t.Kuerzel().size() <= 4);
            summe += t.ErsterTag() - t.LetzterTag();
        }
    QBuffer aus;
    aus.open(QIODevice::WriteOnly);
    FUZZ_PRUEFEN(PlanZeitenSchreiben(aus, r.zeiten));
    FUZZ_PRUEFEN(aus.data() == bytes.left(qsizetype(kPlanZeitenSize)));
    behalten(summe);
    return 0;
}
