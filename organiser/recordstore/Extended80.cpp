#include "Extended80.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace extended80 {

void fromDouble(double value, unsigned char out[10])
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const unsigned sign = unsigned(bits >> 63);
    const int exp = int((bits >> 52) & 0x7FF);
    const std::uint64_t frac = bits & ((std::uint64_t(1) << 52) - 1);

    std::uint64_t mantissa = 0;
    unsigned exponent = 0;
    if (exp == 0x7FF) {
        exponent = 0x7FFF;
        mantissa = (std::uint64_t(1) << 63) | (frac << 11);
    } else if (exp != 0) {
        exponent = unsigned(exp - 1023 + 16383);
        mantissa = (std::uint64_t(1) << 63) | (frac << 11);
    } else if (frac != 0) {
        // Subnormal double: normal in the wider exponent range.
        const int msb = 63 - std::countl_zero(frac);
        mantissa = frac << (63 - msb);
        exponent = unsigned(msb - 1074 + 16383);
    }
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<unsigned char>(mantissa >> (8 * i));
    const unsigned top = (sign << 15) | exponent;
    out[8] = static_cast<unsigned char>(top & 0xFF);
    out[9] = static_cast<unsigned char>(top >> 8);
}

double toDouble(const unsigned char in[10])
{
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | in[i];
    const unsigned top = unsigned(in[8]) | (unsigned(in[9]) << 8);
    const std::uint64_t sign = std::uint64_t(top >> 15) << 63;
    const int exponent = int(top & 0x7FFF);

    if (exponent == 0x7FFF) {
        if ((mantissa << 1) == 0)
            return std::bit_cast<double>(sign | (std::uint64_t(0x7FF) << 52));
        return std::bit_cast<double>(sign | (std::uint64_t(0x7FF) << 52) |
                                     (std::uint64_t(1) << 51) | ((mantissa << 1) >> 12));
    }
    if (mantissa == 0)
        return std::bit_cast<double>(sign);

    // Exponent of the leading one bit after normalising (denormals and unnormals alike).
    const int lz = std::countl_zero(mantissa);
    mantissa <<= lz;
    int e = (exponent == 0 ? 1 : exponent) - 16383 - lz;

    int drop = 11; // 64 significant bits down to 53
    if (e < -1022)
        drop += -1022 - e;
    if (drop > 64)
        return std::bit_cast<double>(sign);

    using u128 = unsigned __int128;
    const u128 wide = u128(mantissa);
    std::uint64_t kept = std::uint64_t(wide >> drop);
    const u128 rest = wide & ((u128(1) << drop) - 1);
    const u128 half = u128(1) << (drop - 1);
    if (rest > half || (rest == half && (kept & 1)))
        ++kept;

    if (e < -1022) {
        // Subnormal (a carry into bit 52 gives the smallest normal, which the bits express).
        return std::bit_cast<double>(sign | kept);
    }
    if (kept == (std::uint64_t(1) << 53)) {
        kept >>= 1;
        ++e;
    }
    if (e > 1023)
        return std::bit_cast<double>(sign | (std::uint64_t(0x7FF) << 52));
    return std::bit_cast<double>(sign | (std::uint64_t(e + 1023) << 52) |
                                 (kept & ((std::uint64_t(1) << 52) - 1)));
}

} // namespace extended80
