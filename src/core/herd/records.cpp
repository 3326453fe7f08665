#include "herd/records.h"

#include "platform/codepage.h"

#include <algorithm>

QString TSauRec::SauNotiz() const {
    const auto* p = b_.data() + sauofs::SauNotiz;
    const auto* end = std::find(p, p + sauofs::SauNotizLaenge, std::uint8_t(0));
    return cp1252::decode(p, std::size_t(end - p));
}

void TSauRec::setSauNotiz(const QString& s) {
    const QByteArray enc = cp1252::encode(s).left(qsizetype(sauofs::SauNotizLaenge));
    auto* p = b_.data() + sauofs::SauNotiz;
    std::fill(p, p + sauofs::SauNotizLaenge, std::uint8_t(0));
    std::copy(enc.begin(), enc.end(), p);
}
