// The herd file reader: any bytes load without a fault; a herd as loaded is written and read
// back unchanged; exactly a trailing part record is a read error.

#include "fuzzhilfe.h"
#include "herd/herdfile.h"

#include <QDate>

namespace {

QByteArray schreiben(const Herde& h) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    FUZZ_PRUEFEN(HerdeSchreiben(b, h));
    return b.data();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = eingabe(data, size);
    const QDate heute(2024, 3, 10);
    StilleMeldungen msg;
    Lesegeraet dev(bytes);
    const HerdeGelesen r = HerdeLesen(dev, heute, msg);
    FUZZ_PRUEFEN(r.lesefehler == (size % 512 != 0 ? 1 : 0));
    FUZZ_PRUEFEN(msg.anzahl == r.lesefehler);

    std::size_t saetze = 0;
    for (const Sau& s : r.herde) {
        FUZZ_PRUEFEN(s.rec.bytes()[1] == 0);
        FUZZ_PRUEFEN(s.rec.Status() <= 6);
        saetze += 1 + s.wuerfe.size();
        for (const TWurfRec& w : s.wuerfe)
            FUZZ_PRUEFEN(w.WurfNr() != 0);
    }
    // Only the blank litter of a sow followed by a sow is added.
    FUZZ_PRUEFEN(saetze <= 2 * (size / 512));

    const QByteArray einmal = schreiben(r.herde);
    FUZZ_PRUEFEN(qsizetype(saetze) * 512 == einmal.size());
    Lesegeraet zurueck(einmal);
    StilleMeldungen msg2;
    const HerdeGelesen r2 = HerdeLesen(zurueck, heute, msg2);
    FUZZ_PRUEFEN(msg2.anzahl == 0);
    FUZZ_PRUEFEN(schreiben(r2.herde) == einmal);
    FUZZ_PRUEFEN(r2.eberliste == r.eberliste);
    return 0;
}
