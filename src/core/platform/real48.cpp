#include "platform/real48.h"

#include <cmath>
#include <cstring>

namespace real48 {

double decode(const std::uint8_t* b) {
    const int e = b[0];
    if (e == 0) return 0.0;
    std::uint64_t f = 0;
    for (int i = 4; i >= 0; --i)
        f = (f << 8) | b[1 + i];
    const bool negative = (f >> 39) & 1;
    f &= (std::uint64_t(1) << 39) - 1;
    const double mantissa = 1.0 + std::ldexp(double(f), -39);
    const double v = std::ldexp(mantissa, e - 129);
    return negative ? -v : v;
}

double decode(const Bytes& b) {
    return decode(b.data());
}

void encode(double value, std::uint8_t* out) {
    std::memset(out, 0, 6);
    if (std::isnan(value) || value == 0.0) return;
    const bool negative = std::signbit(value);
    double a = std::fabs(value);
    std::uint64_t f = 0;
    int e = 0;
    if (std::isinf(a) || a >= kMax) {
        e = 255;
        f = (std::uint64_t(1) << 39) - 1;
    } else if (a < std::ldexp(1.0, -128)) {
        // Below the smallest value the format holds: to that value or to zero, ties to zero.
        if (a <= std::ldexp(1.0, -129)) return;
        e = 1;
    } else {
        int exp2 = 0;
        const double m = std::frexp(a, &exp2); // a = m * 2^exp2, m in [0.5, 1)
        // a = (1 + f/2^39) * 2^(exp2-1)
        e = exp2 - 1 + 129;
        const double scaled = std::ldexp(m * 2.0 - 1.0, 39); // exact, < 2^39
        double whole = std::floor(scaled);
        const double rest = scaled - whole;
        if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
        f = std::uint64_t(whole);
        if (f == (std::uint64_t(1) << 39)) { // rounded up to the next power of two
            f = 0;
            ++e;
        }
        if (e > 255) {
            e = 255;
            f = (std::uint64_t(1) << 39) - 1;
        }
    }
    out[0] = std::uint8_t(e);
    if (negative) f |= std::uint64_t(1) << 39;
    for (int i = 0; i < 5; ++i)
        out[1 + i] = std::uint8_t(f >> (8 * i));
}

Bytes encode(double value) {
    Bytes b{};
    encode(value, b.data());
    return b;
}

} // namespace real48
