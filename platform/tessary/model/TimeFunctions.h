#pragma once
// Broken-down times and the 64-bit time stamp, all read from the platform clock.

#include <cstdint>
#include <ctime>

// Local or UTC broken-down time of seconds since 1970; times before 1970 work too. False (and
// *result untouched) when the time cannot be converted.
bool SafeLocalTime(std::int64_t seconds, std::tm* result);
bool SafeGMTime(std::int64_t seconds, std::tm* result);

// 100-ns ticks since 1601-01-01 UTC.
std::uint64_t GetLongTimeNow();
