#include "platform/win/sys/FileTime.h"

#include <chrono>

namespace {

// Ticks between 1601-01-01 and 1970-01-01.
constexpr std::int64_t kEpochTicks = 116'444'736'000'000'000;
constexpr std::int64_t kTicksPerSecond = 10'000'000;
// The first tick of year 30828, where Windows file times end.
constexpr std::uint64_t kTicksEnd = 0x7FFF'35F4'F06C'58F0ULL;

} // namespace

BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime) {
    if (!fileTime || !systemTime) {
        return FALSE;
    }
    const std::uint64_t ticks = hb::win::FileTimeTicks(*fileTime);
    if (ticks >= kTicksEnd) {
        return FALSE;
    }
    using namespace std::chrono;
    const std::int64_t sinceEpoch = static_cast<std::int64_t>(ticks) - kEpochTicks;
    const std::int64_t seconds = sinceEpoch >= 0
                                     ? sinceEpoch / kTicksPerSecond
                                     : -((-sinceEpoch + kTicksPerSecond - 1) / kTicksPerSecond);
    const std::int64_t rest = sinceEpoch - seconds * kTicksPerSecond;
    const sys_seconds at{std::chrono::seconds(seconds)};
    const sys_days day = floor<days>(at);
    const year_month_day date{day};
    const hh_mm_ss<std::chrono::seconds> clock{at - day};
    systemTime->wYear = static_cast<WORD>(static_cast<int>(date.year()));
    systemTime->wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
    systemTime->wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
    systemTime->wDayOfWeek = static_cast<WORD>(weekday{day}.c_encoding());
    systemTime->wHour = static_cast<WORD>(clock.hours().count());
    systemTime->wMinute = static_cast<WORD>(clock.minutes().count());
    systemTime->wSecond = static_cast<WORD>(clock.seconds().count());
    systemTime->wMilliseconds = static_cast<WORD>(rest / 10'000);
    return TRUE;
}

namespace hb::win {

std::uint64_t FileTimeTicks(const FILETIME& time) {
    return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

FILETIME MakeFileTime(std::uint64_t ticks) {
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(ticks);
    time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return time;
}

FILETIME ToFileTime(std::filesystem::file_time_type time) {
    using namespace std::chrono;
    const auto since = duration_cast<nanoseconds>(file_clock::to_sys(time).time_since_epoch());
    return MakeFileTime(static_cast<std::uint64_t>(since.count() / 100 + kEpochTicks));
}

} // namespace hb::win
