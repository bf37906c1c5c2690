#pragma once
#include "platform/afx/CString.h"
#include "platform/afx/CTimeSpan.h"

#include <compare>
#include <cstdint>
#include <string>

// A moment as seconds since 1970-01-01 UTC; moments before 1970 are negative. The calendar parts
// are those of the local time, in the zone TZ names.
class CTime {
public:
    constexpr CTime() = default;
    constexpr CTime(std::int64_t time) : m_time(time) {}
    // A local time; `dst` is 1 for summer time, 0 for standard time, -1 to let the zone decide.
    // Throws std::invalid_argument for a year before 1900 or a part out of its range.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);

    // The wall clock of the platform (the test clock in tests).
    static CTime GetCurrentTime();

    constexpr std::int64_t GetTime() const { return m_time; }
    int GetYear() const;
    int GetMonth() const;     // 1 to 12
    int GetDay() const;       // 1 to 31
    int GetHour() const;      // 0 to 23
    int GetMinute() const;    // 0 to 59
    int GetSecond() const;    // 0 to 59
    int GetDayOfWeek() const; // 1 (Sunday) to 7 (Saturday)

    // strftime on the local time in the C locale (English names whatever the user's locale), with
    // these Windows forms mapped: "%#c" is the long date and time, "%A, %B %d, %Y %H:%M:%S";
    // "%z" (also "%#z") is the zone's name, as "%Z"; "%#" before any other letter is that letter
    // alone. Empty when the time has no local calendar date.
    std::string Format(const char* format) const;
    CString Format(const CString& format) const { return Format(format.GetString()); }
    // The same on the UTC calendar.
    std::string FormatGmt(const char* format) const;

    constexpr CTime operator+(CTimeSpan span) const { return m_time + span.GetTotalSeconds(); }
    constexpr CTime operator-(CTimeSpan span) const { return m_time - span.GetTotalSeconds(); }
    constexpr CTimeSpan operator-(CTime other) const { return m_time - other.m_time; }
    constexpr CTime& operator+=(CTimeSpan span) {
        m_time += span.GetTotalSeconds();
        return *this;
    }
    constexpr CTime& operator-=(CTimeSpan span) {
        m_time -= span.GetTotalSeconds();
        return *this;
    }
    friend constexpr bool operator==(CTime, CTime) = default;
    friend constexpr auto operator<=>(CTime, CTime) = default;

private:
    std::int64_t m_time = 0;
};
