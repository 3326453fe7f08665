#pragma once

#include "herd/kurzdatum.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <type_traits>

// Typed access to fields inside a fixed-size record. Every access is bounds-checked at
// compile time by the callers' offset constants and at run time by the asserts below.
namespace recordbytes {

std::uint16_t u16(const std::uint8_t* base, std::size_t size, std::size_t offset);
void setU16(std::uint8_t* base, std::size_t size, std::size_t offset, std::uint16_t v);

// string[N] at offset: length byte (clamped to N on reading), then N bytes of Windows-1252.
QString str(const std::uint8_t* base, std::size_t size, std::size_t offset, std::size_t n);
// Writes at most N characters; the bytes after the text are left as they were.
void setStr(std::uint8_t* base, std::size_t size, std::size_t offset, std::size_t n,
            const QString& text);

// Throws std::out_of_range when `count` bytes at `offset` do not lie in a record of `size`.
inline void bereichPruefen(std::size_t size, std::size_t offset, std::size_t count) {
    if (offset > size || count > size - offset) throw std::out_of_range("record field");
}

// Inline: the evaluations and the open points read a dozen dates per litter.
inline TKurzDatum datum(const std::uint8_t* base, std::size_t size, std::size_t offset) {
    bereichPruefen(size, offset, sizeof(TKurzDatum));
    // The date's four bytes in their stored order, which is the order of its members.
    static_assert(sizeof(TKurzDatum) == 4 && std::is_trivially_copyable_v<TKurzDatum>);
    TKurzDatum d;
    std::memcpy(&d, base + offset, sizeof d);
    return d;
}
void setDatum(std::uint8_t* base, std::size_t size, std::size_t offset, TKurzDatum d);

double real48(const std::uint8_t* base, std::size_t size, std::size_t offset);
void setReal48(std::uint8_t* base, std::size_t size, std::size_t offset, double v);

} // namespace recordbytes

// A record of N bytes with typed helpers for the field accessors of its subclasses.
template <std::size_t N> class ByteRecord {
public:
    static constexpr std::size_t Size = N;
    using Bytes = std::array<std::uint8_t, N>;

    ByteRecord() : b_{} {}
    explicit ByteRecord(const Bytes& b) : b_(b) {}
    // The record straight from N bytes read, without zeroing it first.
    explicit ByteRecord(std::span<const std::uint8_t, N> b) {
        std::copy(b.begin(), b.end(), b_.begin());
    }

    const Bytes& bytes() const { return b_; }
    Bytes& bytes() { return b_; }
    bool operator==(const ByteRecord&) const = default;

protected:
    std::uint8_t u8(std::size_t o) const { return b_.at(o); }
    void setU8(std::size_t o, std::uint8_t v) { b_.at(o) = v; }
    std::int8_t i8(std::size_t o) const { return std::int8_t(b_.at(o)); }
    void setI8(std::size_t o, std::int8_t v) { b_.at(o) = std::uint8_t(v); }
    std::uint16_t u16(std::size_t o) const { return recordbytes::u16(b_.data(), N, o); }
    void setU16(std::size_t o, std::uint16_t v) { recordbytes::setU16(b_.data(), N, o, v); }
    std::int16_t i16(std::size_t o) const { return std::int16_t(u16(o)); }
    void setI16(std::size_t o, std::int16_t v) { setU16(o, std::uint16_t(v)); }
    QString str(std::size_t o, std::size_t n) const { return recordbytes::str(b_.data(), N, o, n); }
    // The stored Windows-1252 characters of string[N] at o, as many as its length byte says
    // (at most N): for comparing names without decoding them.
    std::span<const std::uint8_t> strZeichen(std::size_t o, std::size_t n) const {
        b_.at(o + n); // the whole field lies in the record
        return {b_.data() + o + 1, std::min<std::size_t>(b_[o], n)};
    }
    void setStr(std::size_t o, std::size_t n, const QString& s) {
        recordbytes::setStr(b_.data(), N, o, n, s);
    }
    TKurzDatum datum(std::size_t o) const { return recordbytes::datum(b_.data(), N, o); }
    void setDatum(std::size_t o, TKurzDatum d) { recordbytes::setDatum(b_.data(), N, o, d); }
    double real(std::size_t o) const { return recordbytes::real48(b_.data(), N, o); }
    void setReal(std::size_t o, double v) { recordbytes::setReal48(b_.data(), N, o, v); }

    Bytes b_;
};
