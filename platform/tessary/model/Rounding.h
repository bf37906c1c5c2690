#pragma once
// Numbers the user types, made into frequencies and steps: never wrapped, never undefined.
#include <cmath>
#include <cstdint>
#include <limits>

namespace hb::tessary {

// A whole number held to 0 ... 0xFFFFFFFF; NaN gives 0.
inline std::uint32_t ClampToU32(double whole) {
    constexpr double kMax = std::numeric_limits<std::uint32_t>::max();
    if (std::isnan(whole) || whole <= 0) {
        return 0;
    }
    return whole >= kMax ? std::numeric_limits<std::uint32_t>::max()
                         : static_cast<std::uint32_t>(whole);
}

// To the nearest whole number, halves up, then held.
inline std::uint32_t RoundToU32(double value) {
    return ClampToU32(std::floor(value + 0.5));
}

// The whole part, toward zero, then held.
inline std::uint32_t TruncateToU32(double value) {
    return ClampToU32(std::trunc(value));
}

} // namespace hb::tessary
