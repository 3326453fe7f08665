#pragma once

#include <array>
#include <cstdint>

// The classic 6-byte real: byte 0 exponent (bias 129, 0 means zero), bytes 1..5 a 39-bit
// fraction, least significant byte first, with the sign in bit 7 of byte 5.
namespace real48 {

using Bytes = std::array<std::uint8_t, 6>;

// Every Real48 value is exactly representable as a double.
double decode(const Bytes& b);
double decode(const std::uint8_t* b);

// Rounds to the nearest Real48 (ties to even). Values too small for the format become 0;
// values too large, infinities and NaN saturate to the largest magnitude (NaN to 0).
Bytes encode(double value);
void encode(double value, std::uint8_t* out);

constexpr double kMax = 0x1.FFFFFFFFFEp+126; // (2 - 2^-39) * 2^126

} // namespace real48
