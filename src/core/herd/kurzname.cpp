#include "herd/kurzname.h"

#include "herd/textfunktionen.h"
#include "platform/codepage.h"

Kurzname Kurzname::aus(const QString& text) {
    const QByteArray b = cp1252::encode(text.left(15));
    Kurzname k;
    k.laenge = std::uint8_t(std::min<qsizetype>(b.size(), 15));
    std::memcpy(k.z.data(), b.constData(), k.laenge);
    return k;
}

QString Kurzname::text() const {
    return cp1252::decode(reinterpret_cast<const std::uint8_t*>(z.data()), laenge);
}

Kurzname Kurzname::gross() const {
    Kurzname g = *this;
    for (std::size_t i = 0; i < laenge; ++i)
        g.z[i] = char(GrossZeichen(std::uint8_t(z[i])));
    return g;
}
