// The older settings text "PV.ini": any text reads without a fault and leaves the settings in
// their ranges where the reader bounds them.

#include "fuzzhilfe.h"
#include "platform/codepage.h"
#include "programm/einstellungenspeicher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Einstellungen e;
    einstellungen::ausAlterDatei(cp1252::decode(data, size), e);
    FUZZ_PRUEFEN(e.waehrung.anzeige <= 4);
    FUZZ_PRUEFEN(e.waehrung.kuerzel[0].size() <= 1 && e.waehrung.kuerzel[4].size() <= 2);
    for (int item : e.item)
        FUZZ_PRUEFEN(item >= 0 && item <= 9);
    return 0;
}
