#pragma once
#include "platform/afx/CString.h"

#include <compare>
#include <cstdint>
#include <cstdio>
#include <string>

// A length of time in whole seconds; negative spans run backwards. The parts (GetHours, ...) of a
// negative span are negative too.
class CTimeSpan {
public:
    constexpr CTimeSpan() = default;
    constexpr CTimeSpan(std::int64_t seconds) : m_seconds(seconds) {}
    constexpr CTimeSpan(std::int64_t days, int hours, int minutes, int seconds)
        : m_seconds(((days * 24 + hours) * 60 + minutes) * 60 + seconds) {}

    constexpr std::int64_t GetDays() const { return m_seconds / 86400; }
    constexpr std::int64_t GetTotalHours() const { return m_seconds / 3600; }
    constexpr std::int64_t GetTotalMinutes() const { return m_seconds / 60; }
    constexpr std::int64_t GetTotalSeconds() const { return m_seconds; }
    constexpr int GetHours() const { return static_cast<int>(GetTotalHours() % 24); }
    constexpr int GetMinutes() const { return static_cast<int>(GetTotalMinutes() % 60); }
    constexpr int GetSeconds() const { return static_cast<int>(m_seconds % 60); }

    // "%D" days, "%H" hours, "%M" minutes and "%S" seconds (two digits each), "%%" a percent sign;
    // anything else is copied. A negative span is written once with a leading '-' and positive
    // parts ("-1 02:03:04"), never with a sign on every part.
    std::string Format(const char* format) const {
        const CTimeSpan size(m_seconds < 0 ? -m_seconds : m_seconds);
        std::string out = m_seconds < 0 ? "-" : "";
        for (const char* p = format; p && *p; ++p) {
            if (*p != '%' || !p[1]) {
                out += *p;
                continue;
            }
            char part[24];
            switch (*++p) {
            case 'D':
                std::snprintf(part, sizeof part, "%lld", static_cast<long long>(size.GetDays()));
                break;
            case 'H':
                std::snprintf(part, sizeof part, "%02d", size.GetHours());
                break;
            case 'M':
                std::snprintf(part, sizeof part, "%02d", size.GetMinutes());
                break;
            case 'S':
                std::snprintf(part, sizeof part, "%02d", size.GetSeconds());
                break;
            case '%':
                std::snprintf(part, sizeof part, "%%");
                break;
            default:
                std::snprintf(part, sizeof part, "%%%c", *p);
                break;
            }
            out += part;
        }
        return out;
    }
    CString Format(const CString& format) const { return Format(format.GetString()); }

    constexpr CTimeSpan operator+(CTimeSpan other) const { return m_seconds + other.m_seconds; }
    constexpr CTimeSpan operator-(CTimeSpan other) const { return m_seconds - other.m_seconds; }
    constexpr CTimeSpan operator-() const { return -m_seconds; }
    constexpr CTimeSpan& operator+=(CTimeSpan other) {
        m_seconds += other.m_seconds;
        return *this;
    }
    constexpr CTimeSpan& operator-=(CTimeSpan other) {
        m_seconds -= other.m_seconds;
        return *this;
    }
    friend constexpr bool operator==(CTimeSpan, CTimeSpan) = default;
    friend constexpr auto operator<=>(CTimeSpan, CTimeSpan) = default;

private:
    std::int64_t m_seconds = 0;
};
