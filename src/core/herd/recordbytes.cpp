#include "herd/recordbytes.h"

#include "platform/codepage.h"
#include "platform/real48.h"

#include <QtGlobal>
#include <algorithm>
#include <stdexcept>

namespace {

void pruefen(std::size_t size, std::size_t offset, std::size_t count) {
    recordbytes::bereichPruefen(size, offset, count);
}

} // namespace

namespace recordbytes {

std::uint16_t u16(const std::uint8_t* base, std::size_t size, std::size_t offset) {
    pruefen(size, offset, 2);
    return std::uint16_t(base[offset] | (base[offset + 1] << 8));
}

void setU16(std::uint8_t* base, std::size_t size, std::size_t offset, std::uint16_t v) {
    pruefen(size, offset, 2);
    base[offset] = std::uint8_t(v & 0xFF);
    base[offset + 1] = std::uint8_t(v >> 8);
}

QString str(const std::uint8_t* base, std::size_t size, std::size_t offset, std::size_t n) {
    pruefen(size, offset, n + 1);
    const std::size_t len = std::min<std::size_t>(base[offset], n);
    return cp1252::decode(base + offset + 1, len);
}

void setStr(std::uint8_t* base, std::size_t size, std::size_t offset, std::size_t n,
            const QString& text) {
    pruefen(size, offset, n + 1);
    const QByteArray enc = cp1252::encode(text).left(qsizetype(n));
    base[offset] = std::uint8_t(enc.size());
    std::copy(enc.begin(), enc.end(), base + offset + 1);
}

void setDatum(std::uint8_t* base, std::size_t size, std::size_t offset, TKurzDatum d) {
    pruefen(size, offset, 4);
    base[offset] = d.Tag;
    base[offset + 1] = d.Monat;
    base[offset + 2] = d.Jahr;
    base[offset + 3] = d.Zusatz;
}

double real48(const std::uint8_t* base, std::size_t size, std::size_t offset) {
    pruefen(size, offset, 6);
    return real48::decode(base + offset);
}

void setReal48(std::uint8_t* base, std::size_t size, std::size_t offset, double v) {
    pruefen(size, offset, 6);
    real48::encode(v, base + offset);
}

} // namespace recordbytes
