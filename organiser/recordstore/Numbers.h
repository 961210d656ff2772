#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Doubles turned into integers without undefined behaviour: out-of-range values saturate and
// a NaN gives 0 (values can come from any file).
namespace numbers {

template <typename Int> Int saturate(double v)
{
    if (std::isnan(v))
        return 0;
    constexpr double lo = double(std::numeric_limits<Int>::min());
    constexpr double hi = double(std::numeric_limits<Int>::max());
    if (v <= lo)
        return std::numeric_limits<Int>::min();
    if (v >= hi)
        return std::numeric_limits<Int>::max();
    return Int(v);
}

inline std::int64_t round64(double v)
{
    return saturate<std::int64_t>(std::round(v));
}

inline std::int32_t round32(double v)
{
    return saturate<std::int32_t>(std::round(v));
}

inline std::int32_t trunc32(double v)
{
    return saturate<std::int32_t>(std::trunc(v));
}

inline std::int64_t trunc64(double v)
{
    return saturate<std::int64_t>(std::trunc(v));
}

} // namespace numbers
