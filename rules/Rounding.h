// The two ways the game turns fractions into whole numbers.
#pragma once

#include <cmath>
#include <cstdint>

namespace zelvaro {

// "Int": rounds down (towards minus infinity).
inline std::int64_t intFloor(double x) {
    return static_cast<std::int64_t>(std::floor(x));
}

// Nearest whole number, halves to the even neighbour (16.5 -> 16, 17.5 -> 18).
inline std::int64_t roundHalfEven(double x) {
    const double lower = std::floor(x);
    const double diff = x - lower;
    if (diff < 0.5) return static_cast<std::int64_t>(lower);
    if (diff > 0.5) return static_cast<std::int64_t>(lower) + 1;
    const auto even = static_cast<std::int64_t>(lower);
    return (even % 2 == 0) ? even : even + 1;
}

}  // namespace zelvaro
