// The mixes file: whole 2890-byte records up to the end, a cut record dropped; names and all
// 15 entries read without a fault, the optimiser runs on every mix without a fault, and
// writing gives the bytes back with the reserved slot zeroed.

#include "feed/futterdateien.h"
#include "feed/optimierer.h"
#include "fuzzhilfe.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = eingabe(data, size);
    Lesegeraet dev(bytes);
    const std::vector<TMischungRec> liste = MischungenLesen(dev);
    FUZZ_PRUEFEN(liste.size() == size / kMischungSize);
    long long summe = 0;
    for (const TMischungRec& m : liste) {
        FUZZ_PRUEFEN(m.Name().size() <= 25);
        std::array<TMischungsPosten, kMischungPosten> posten{};
        int n = 0;
        for (int i = 0; i < kMischungPosten; ++i) {
            const TMischungsPosten p = m.Posten(i);
            FUZZ_PRUEFEN(p.Name().size() <= 15);
            if (p.belegt()) posten[std::size_t(n++)] = p;
        }
        std::array<double, kNaehrwerte> ziele{};
        for (int r = 0; r < kNaehrwerte; ++r)
            ziele[std::size_t(r)] = r == 0 ? 880 : posten[0].Inhalt(r);
        const OptimierAusgang a = Optimieren(posten, n, ziele);
        summe += a.ok ? 1 : 0;
        for (int i = 0; i < n; ++i)
            summe += posten[std::size_t(i)].Fest() ? 1 : 0;
    }
    QBuffer aus;
    aus.open(QIODevice::WriteOnly);
    FUZZ_PRUEFEN(MischungenSchreiben(aus, liste));
    const QByteArray geschrieben = aus.data();
    FUZZ_PRUEFEN(std::size_t(geschrieben.size()) == liste.size() * kMischungSize);
    for (std::size_t s = 0; s < liste.size(); ++s) {
        const qsizetype o = qsizetype(s * kMischungSize);
        FUZZ_PRUEFEN(geschrieben.mid(o, 2711) == bytes.mid(o, 2711));
        FUZZ_PRUEFEN(geschrieben.mid(o + 2711, 179) == QByteArray(179, '\0'));
    }
    behalten(summe);
    return 0;
}
