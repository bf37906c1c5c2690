#pragma once
// Time stamps of 64 bits count 100-ns ticks since 1601-01-01 UTC; record times of 32 bits count
// seconds since 1970-01-01 UTC and are read as unsigned, so they widen to a 64-bit time_t.

#include <cstdint>

namespace hb::records {

inline constexpr std::uint64_t kTicksPerSecond = 10'000'000;
inline constexpr std::uint64_t kTicksPerMillisecond = 10'000;
inline constexpr std::int64_t kUnixEpochSeconds = 11'644'473'600; // from 1601 to 1970

// Whole seconds, rounded down.
constexpr std::int64_t UnixSecondsFromTicks(std::uint64_t ticks) {
    return static_cast<std::int64_t>(ticks / kTicksPerSecond) - kUnixEpochSeconds;
}

// Times before 1601 give 0; times past the last tick give the last tick.
constexpr std::uint64_t TicksFromUnixSeconds(std::int64_t seconds) {
    constexpr std::int64_t kLastSecond =
        static_cast<std::int64_t>(UINT64_MAX / kTicksPerSecond) - kUnixEpochSeconds;
    if (seconds < -kUnixEpochSeconds) {
        return 0;
    }
    if (seconds > kLastSecond) {
        return UINT64_MAX;
    }
    return static_cast<std::uint64_t>(seconds + kUnixEpochSeconds) * kTicksPerSecond;
}

} // namespace hb::records
