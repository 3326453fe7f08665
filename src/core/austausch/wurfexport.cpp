#include "austausch/wurfexport.h"

#include "austausch/wurfspalten.h"
#include "evaluation/auswertung.h"
#include "evaluation/auswertungskopie.h"
#include "platform/csvwriter.h"

#include <optional>

QByteArray WurfdatenCsv(const Herde& herde, const Terminnamen& namen,
                        const TAuswertungsFilter* filter) {
    const std::vector<wurfdaten::Spalte> spalten = wurfdaten::Spalten(namen);
    CsvWriter csv;
    for (const wurfdaten::Spalte& s : spalten)
        csv.text(s.name);
    csv.zeileEnde();
    const auto zeile = [&](const TSauRec& sau, const TWurfRec* wurf) {
        static const TWurfRec ohneWurf;
        for (const wurfdaten::Spalte& s : spalten)
            csv.text(s.sau || wurf ? s.text(sau, wurf ? *wurf : ohneWurf) : QString());
        csv.zeileEnde();
    };
    std::optional<Auswertungskopie> kopie;
    std::optional<Filtervergleich> vergleich;
    if (filter) {
        kopie.emplace(herde, true);
        vergleich.emplace(*filter);
    }
    for (std::size_t i = 0; i < herde.size(); ++i) {
        const Sau& sau = herde[i];
        if (!filter && sau.wuerfe.empty()) zeile(sau.rec, nullptr);
        for (std::size_t w = 0; w < sau.wuerfe.size(); ++w)
            if (!filter || WurfImFilter(*vergleich, kopie->sicht(int(i)), int(w)))
                zeile(sau.rec, &sau.wuerfe[w]);
    }
    return csv.bytes();
}
