// The spreadsheet import: any bytes are read as a table without a fault, every line is either
// taken or named with a reason, and what the dry run would add holds only valid litter numbers.

#include "austausch/csvleser.h"
#include "austausch/wurfimport.h"
#include "fuzzhilfe.h"
#include "stamm/terminnamen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CsvTabelle t = CsvLesen(eingabe(data, size));
    int vorher = 0;
    for (const CsvTabelle::Zeile& z : t.zeilen) {
        FUZZ_PRUEFEN(z.nummer > vorher);
        vorher = z.nummer;
    }
    static const auto spalten = wurfdaten::Spalten(Terminnamen{});
    const QList<int> zuordnung = wurfimport::Vorschlagen(t.kopf(), spalten);
    const wurfimport::Plan plan =
        wurfimport::Pruefen(t, zuordnung, spalten, {}, QDate(2026, 12, 1));
    FUZZ_PRUEFEN(plan.uebernommen <= plan.zeilen);
    for (const wurfimport::Aenderung& a : plan.aenderungen) {
        FUZZ_PRUEFEN(a.herdenIndex == -1);
        int nr = 0;
        for (const TWurfRec& w : a.sau.wuerfe) {
            FUZZ_PRUEFEN(w.WurfNr() > nr);
            nr = w.WurfNr();
        }
    }
    return 0;
}
