#pragma once
// File times: 100-ns ticks since 1601-01-01 UTC, the unit of every 64-bit time stamp here.

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <filesystem>

struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;     // 1..12
    WORD wDayOfWeek = 0; // 0 Sunday
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};

// The UTC calendar date and time of a file time; FALSE for times beyond year 30827.
BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime);

namespace hb::win {

std::uint64_t FileTimeTicks(const FILETIME& time);
FILETIME MakeFileTime(std::uint64_t ticks);
FILETIME ToFileTime(std::filesystem::file_time_type time);

} // namespace hb::win
