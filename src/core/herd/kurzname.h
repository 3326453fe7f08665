#pragma once

#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <span>

// A short record string (at most 15 characters) kept as its Windows-1252 bytes, so that the
// figures engine compares names without decoding them. Equal bytes mean equal text.
struct Kurzname {
    std::uint8_t laenge = 0;
    std::array<char, 15> z{};

    static Kurzname aus(const QString& text);
    // From a record field's stored characters (at most 15 are kept).
    static Kurzname aus(std::span<const std::uint8_t> zeichen) {
        Kurzname k;
        k.setzen(zeichen);
        return k;
    }
    // The same, written into this name where it stands (the working copy fills its names in
    // place).
    void setzen(std::span<const std::uint8_t> zeichen) {
        *this = Kurzname{};
        laenge = std::uint8_t(std::min<std::size_t>(zeichen.size(), z.size()));
        if (laenge > 0) std::memcpy(z.data(), zeichen.data(), laenge);
    }
    QString text() const;
    bool leer() const { return laenge == 0; }
    // The name upper-cased as GrossText does it.
    Kurzname gross() const;
    // Bytes past the length are kept zero, so equal names have equal bytes.
    bool operator==(const Kurzname& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};

static_assert(sizeof(Kurzname) == 16);
