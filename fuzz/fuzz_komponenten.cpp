// The components file: whole 100-byte records up to the end, a cut record dropped; every
// field reads without a fault and writing gives the same bytes back.

#include "feed/futterdateien.h"
#include "fuzzhilfe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = eingabe(data, size);
    Lesegeraet dev(bytes);
    const std::vector<TKomponentenRec> liste = KomponentenLesen(dev);
    FUZZ_PRUEFEN(liste.size() == size / kKomponenteSize);
    long long summe = 0;
    for (const TKomponentenRec& k : liste) {
        FUZZ_PRUEFEN(k.Name().size() <= 20);
        for (int m = 0; m < kFutterWerte; ++m)
            summe += k.Wert(m) != 0.0 ? 1 : 0;
        summe += int(k.Waehrung());
    }
    QBuffer aus;
    aus.open(QIODevice::WriteOnly);
    FUZZ_PRUEFEN(KomponentenSchreiben(aus, liste));
    FUZZ_PRUEFEN(aus.data() == bytes.left(qsizetype(liste.size() * kKomponenteSize)));
    behalten(summe);
    return 0;
}
