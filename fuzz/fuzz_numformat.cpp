// The number field's text conversion: any typed text reads as a number without a fault, and
// the number shows in every display form (any format picture, fixed, general, editing form)
// without a fault.
//
// Input: byte 0 picks the decimal separator and the places, then the picture up to the first
// zero byte, then the typed text.

#include "fuzzhilfe.h"
#include "herd/numformat.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const QChar dp = (data[0] & 1) ? u',' : u'.';
    const QChar ts = dp == u',' ? u'.' : u',';
    const int stellen = (data[0] >> 1) % 25;
    const QByteArray rest = eingabe(data + 1, size - 1);
    const qsizetype null = rest.indexOf('\0');
    const QString bild = QString::fromUtf8(null < 0 ? rest : rest.left(null));
    const QString text = null < 0 ? QString() : QString::fromUtf8(rest.mid(null + 1));

    const double v = numformat::parse(text, dp);
    FUZZ_PRUEFEN(!std::isnan(v));
    behalten(numformat::formatFloat(bild, v, dp, ts).size());
    behalten(numformat::general(v, dp).size());
    behalten(numformat::fixed(v, stellen, dp, 1 + stellen % 15).size());
    const QString bearbeitet = numformat::plain(v, dp, stellen);
    // The editing form reads back as the same number, to its 15 digits.
    if (std::isfinite(v)) {
        const double zurueck = numformat::parse(bearbeitet, dp);
        FUZZ_PRUEFEN(std::fabs(zurueck - v) <= std::fabs(v) * 1e-14);
    }
    behalten(numformat::asInteger(v, data[0] & 2) + numformat::asInteger16(v, data[0] & 4));
    return 0;
}
