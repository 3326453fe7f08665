// The helper lists file: any bytes load without a fault, entries stay within 15 characters,
// and the lists as loaded are written and read back unchanged.

#include "fuzzhilfe.h"
#include "herd/hilfslisten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = eingabe(data, size);
    StilleMeldungen msg;
    THilfslisten listen;
    Lesegeraet dev(bytes);
    HilfslistenLesen(dev, listen, msg);
    FUZZ_PRUEFEN(msg.anzahl == (size % kHilfslistenSatz != 0 ? 1 : 0));
    qsizetype eintraege = 0;
    for (const QStringList& l : listen) {
        eintraege += l.size();
        for (const QString& e : l)
            FUZZ_PRUEFEN(e.size() <= 15);
    }
    FUZZ_PRUEFEN(std::size_t(eintraege) <= size / kHilfslistenSatz);

    QBuffer aus;
    aus.open(QIODevice::WriteOnly);
    FUZZ_PRUEFEN(HilfslistenSchreiben(aus, listen));
    FUZZ_PRUEFEN(aus.data().size() == eintraege * kHilfslistenSatz);
    THilfslisten zurueck;
    Lesegeraet ein(aus.data());
    StilleMeldungen msg2;
    HilfslistenLesen(ein, zurueck, msg2);
    FUZZ_PRUEFEN(msg2.anzahl == 0);
    FUZZ_PRUEFEN(zurueck == listen);
    return 0;
}
