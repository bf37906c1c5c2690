#pragma once
// Frequency sums of the front panel's tuning, done wide and held to what a 32-bit frequency can
// say: stepping below zero or past the top never wraps around to the far end of the dial.

#include <algorithm>
#include <cstdint>

namespace hb::radioview {

inline constexpr std::int64_t kHighestFrequency = 0xFFFFFFFF;

inline std::uint32_t ClampFrequency(std::int64_t hz) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(hz, 0, kHighestFrequency));
}

// The nearest multiple of `multiple` (not 0): a remainder of at least half of it, by integer
// halving, rounds up. Negative values round the same way as positive ones.
inline std::int64_t RoundToMultiple(std::int64_t value, std::uint32_t multiple) {
    const std::int64_t m = multiple;
    std::int64_t remainder = value % m;
    if (remainder < 0) {
        remainder += m;
    }
    const std::int64_t down = value - remainder;
    return remainder >= m / 2 ? down + m : down;
}

// `hz` on the grid of `step` that starts at `base`, held to a frequency.
inline std::uint32_t SnapToGrid(std::int64_t hz, std::uint32_t base, std::uint32_t step) {
    return ClampFrequency(base + RoundToMultiple(hz - base, step));
}

} // namespace hb::radioview
