#include "platform/win/core/Clock.h"

#include "platform/win/core/Internal.h"

#include <atomic>
#include <cstdlib>
#include <ctime>

namespace {

using namespace std::chrono;

constexpr std::int64_t kUnixEpochIn100ns = 116444736000000000; // 1601-01-01 to 1970-01-01
constexpr DWORD kTestStartTick = 0x10000;
constexpr std::int64_t kTestStartWallMs = 1767225600000; // 2026-01-01T00:00:00Z

std::int64_t SteadyMs() {
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t SystemMs() {
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

// Atomics because GetTickCount stamps messages posted from other threads.
struct ClockState {
    std::atomic<bool> manual{false};
    std::atomic<std::int64_t> manualNow{0};
    std::atomic<std::int64_t> realOffset{0}; // real now = steady + realOffset
    std::atomic<std::uint32_t> tickOffset{0};
    std::atomic<std::int64_t> wallOffset{SystemMs() - SteadyMs()}; // wall ms = now + wallOffset
};

ClockState& State() {
    static ClockState state;
    return state;
}

std::int64_t WallMs() {
    return hb::win::NowMs() + State().wallOffset.load();
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

DWORD GetTickCount() {
    return static_cast<DWORD>(static_cast<std::uint64_t>(hb::win::NowMs()) +
                              State().tickOffset.load());
}

namespace hb::win {

std::int64_t NowMs() {
    auto& s = State();
    return s.manual.load() ? s.manualNow.load() : SteadyMs() + s.realOffset.load();
}

void UseRealClock() {
    auto& s = State();
    if (s.manual.load()) {
        s.realOffset = s.manualNow.load() - SteadyMs();
        s.manual = false;
    }
}

void UseManualClock() {
    auto& s = State();
    if (!s.manual.load()) {
        s.manualNow = NowMs();
        s.manual = true;
    }
}

bool IsManualClock() {
    return State().manual.load();
}

void SetTickCount(DWORD tick) {
    State().tickOffset = tick - static_cast<DWORD>(static_cast<std::uint64_t>(NowMs()));
}

std::int64_t WallTime() {
    return FloorDiv(WallMs(), 1000);
}

void SetWallTime(std::int64_t epochSeconds) {
    State().wallOffset = epochSeconds * 1000 - NowMs();
}

std::uint64_t LongTimeNow() {
    return static_cast<std::uint64_t>(WallMs() * 10000 + kUnixEpochIn100ns);
}

void SetTimeZone(const std::string& zone) {
    ::setenv("TZ", zone.c_str(), 1);
    ::tzset();
}

namespace detail {

void MoveManualClockTo(std::int64_t ms) {
    auto& s = State();
    if (ms > s.manualNow.load()) {
        s.manualNow = ms;
    }
}

std::chrono::steady_clock::time_point SteadyDeadline(std::int64_t ms) {
    return steady_clock::time_point(milliseconds(ms - State().realOffset.load()));
}

void ResetClock() {
    auto& s = State();
    s.manual = true;
    s.manualNow = 0;
    s.tickOffset = kTestStartTick;
    s.wallOffset = kTestStartWallMs;
}

} // namespace detail
} // namespace hb::win
