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

// A range moved or widened by the user, brought inside [lowest, highest]: a range past one end is
// shifted back whole, keeping its span where the limits allow, and never wraps.
struct FrequencyRange {
    std::uint32_t start;
    std::uint32_t end;
};
inline FrequencyRange ClampFrequencyRange(std::int64_t start, std::int64_t end,
                                          std::uint32_t lowest, std::uint32_t highest) {
    if (start < lowest) {
        end += lowest - start;
        start = lowest;
    }
    if (end > highest) {
        start -= end - highest;
        end = highest;
    }
    start = start < lowest ? lowest : start;
    return {static_cast<std::uint32_t>(start),
            static_cast<std::uint32_t>(end < start ? start : end)};
}

} // namespace hb::tessary
