#include "platform/afx/CTime.h"

#include "platform/win/core/Clock.h"

#include <locale.h>
#include <time.h>

#include <stdexcept>
#include <vector>

namespace {

constexpr std::size_t kLongestText = 64 * 1024;

std::string ToStrftime(const char* format) {
    std::string out;
    for (const char* p = format; p && *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        ++p;
        const bool alternate = *p == '#';
        if (alternate) {
            ++p;
        }
        if (!*p) {
            out += "%%"; // a '%' at the very end stands for itself
            break;
        }
        switch (*p) {
        case 'c':
            out += alternate ? "%A, %B %d, %Y %H:%M:%S" : "%c";
            break;
        case 'z':
            out += "%Z";
            break;
        default:
            out += '%';
            out += *p;
            break;
        }
    }
    return out;
}

std::string FormatTm(const char* format, bool valid, const tm& parts) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    if (!valid) {
        return {};
    }
    const std::string pattern = ToStrftime(format);
    for (std::size_t size = 256; size <= kLongestText; size *= 4) {
        std::vector<char> buffer(size);
        const std::size_t length =
            strftime_l(buffer.data(), size, pattern.c_str(), &parts, cLocale);
        if (length > 0) {
            return {buffer.data(), length};
        }
    }
    return {};
}

tm LocalParts(std::int64_t time, bool* valid = nullptr) {
    const time_t t = static_cast<time_t>(time);
    tm parts{};
    const bool ok = localtime_r(&t, &parts) != nullptr;
    if (valid) {
        *valid = ok;
    }
    return parts;
}

void Require(bool ok, const char* what) {
    if (!ok) {
        throw std::invalid_argument(std::string("CTime: ") + what);
    }
}

} // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    Require(year >= 1900, "year before 1900");
    Require(month >= 1 && month <= 12, "month out of range");
    Require(day >= 1 && day <= 31, "day out of range");
    Require(hour >= 0 && hour <= 23, "hour out of range");
    Require(minute >= 0 && minute <= 59, "minute out of range");
    Require(second >= 0 && second <= 59, "second out of range");
    tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = dst;
    parts.tm_wday = -1; // mktime sets it on success: -1 is its only way to tell a failure apart
    const time_t t = mktime(&parts);
    Require(parts.tm_wday != -1, "no such local time");
    m_time = static_cast<std::int64_t>(t);
}

CTime CTime::GetCurrentTime() {
    return CTime(hb::win::WallTime());
}

int CTime::GetYear() const {
    return LocalParts(m_time).tm_year + 1900;
}

int CTime::GetMonth() const {
    return LocalParts(m_time).tm_mon + 1;
}

int CTime::GetDay() const {
    return LocalParts(m_time).tm_mday;
}

int CTime::GetHour() const {
    return LocalParts(m_time).tm_hour;
}

int CTime::GetMinute() const {
    return LocalParts(m_time).tm_min;
}

int CTime::GetSecond() const {
    return LocalParts(m_time).tm_sec;
}

int CTime::GetDayOfWeek() const {
    return LocalParts(m_time).tm_wday + 1;
}

std::string CTime::Format(const char* format) const {
    bool valid = false;
    const tm parts = LocalParts(m_time, &valid);
    return FormatTm(format, valid, parts);
}

std::string CTime::FormatGmt(const char* format) const {
    const time_t t = static_cast<time_t>(m_time);
    tm parts{};
    const bool valid = gmtime_r(&t, &parts) != nullptr;
    return FormatTm(format, valid, parts);
}
