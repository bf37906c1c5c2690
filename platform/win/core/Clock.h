#pragma once
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <string>

// Milliseconds as a 32-bit count that wraps about every 49.7 days: compare two readings only by
// their unsigned difference.
DWORD GetTickCount();

namespace hb::win {

// The one clock every time source reads: a 64-bit monotonic millisecond count. The tick count,
// the wall time and the long time are views of it. The program runs on the real clock; tests use
// a manual clock that moves only when something advances it.
std::int64_t NowMs();

void UseRealClock();
void UseManualClock();
bool IsManualClock();

// Makes GetTickCount read `tick` now without moving the clock, so tests can start near the wrap.
void SetTickCount(DWORD tick);

// Seconds since 1970-01-01 UTC.
std::int64_t WallTime();
void SetWallTime(std::int64_t epochSeconds);

// 100-ns ticks since 1601-01-01 UTC, the unit of file times.
std::uint64_t LongTimeNow();

// Sets the zone that local-time conversions use ("UTC", "Europe/Berlin", ...).
void SetTimeZone(const std::string& zone);

} // namespace hb::win
