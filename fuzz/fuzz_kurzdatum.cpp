// Reading a typed date (TextZuKurzDatum, which the date field reads its text with) on any day
// of the years the program is used in: no fault, the text becomes the display form of the
// date, day and month stay within their ranges; and adding days to any date bytes, by whole
// months at a time, gives what stepping day by day gives (without the Zusatz), read back as
// its text reads.

#include "fuzzhilfe.h"
#include "herd/kurzdatum.h"

#include <QDate>

namespace {

TKurzDatum tageweise(int n, TKurzDatum d) {
    int tag = d.Tag, monat = d.Monat, jahr = d.Jahr;
    for (int i = 0; i < n; ++i) {
        if (tag < Monatslaenge(monat, jahr)) {
            ++tag;
        } else {
            tag = 1;
            if (++monat > 12) {
                monat = 1;
                jahr = (jahr + 1) % 256;
            }
        }
    }
    return TKurzDatum{std::uint8_t(tag), std::uint8_t(monat), std::uint8_t(jahr), 0};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 7) return 0;
    // Today: a day from 1.1.1980 to the end of 2079.
    const int tag = (data[0] | (data[1] << 8)) % 36525;
    const QDate heute = QDate(1980, 1, 1).addDays(tag);
    const TKurzDatum roh{data[2], data[3], data[4], data[5]};
    const int n = data[6];
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 7), qsizetype(size - 7));

    QString s = text;
    const TKurzDatum d = TextZuKurzDatum(s, heute);
    FUZZ_PRUEFEN(s == KurzDatumText(d));
    FUZZ_PRUEFEN(d.Tag == 0 || (d.Tag <= 31 && d.Monat <= 12));
    // The display form of a date reads back as the same day, month and Zusatz.
    if (d.Tag != 0) {
        QString nochmal = s;
        const TKurzDatum d2 = TextZuKurzDatum(nochmal, heute);
        FUZZ_PRUEFEN(d2.Tag == d.Tag && d2.Monat == d.Monat && d2.Zusatz == d.Zusatz);
    }

    const TKurzDatum vor = tageweise(n, roh);
    FUZZ_PRUEFEN(TageAddieren(n, roh) == KurzDatumText(vor));
    // The date is the one its text reads back to; no text, no date.
    QString zurueckText = KurzDatumText(vor);
    const TKurzDatum zurueck =
        zurueckText.isEmpty() ? TKurzDatum{} : TextZuKurzDatum(zurueckText, heute);
    FUZZ_PRUEFEN(TageAddierenDatum(n, roh) == zurueck);
    behalten(TageZwischen(roh, d) + Tagesnummer(roh) + int(DatumVor(roh, d)));
    return 0;
}
