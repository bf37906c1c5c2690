#include "audio/ReportTimeStampItem.h"

#include "audio/ReportTime.h"
#include "platform/tessary/model/TimeFunctions.h"
#include "platform/win/sys/FileTime.h"

#include <array>
#include <cstdio>

namespace {

// Month names as the C locale gives them, whatever the user's locale.
constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

} // namespace

void CReportTimeStampItem::SetValue(std::int64_t time) {
    m_time = time == -1 ? 0 : time;
    std::tm local{};
    if (!SafeLocalTime(m_time, &local)) {
        m_strCaption = "00/00/0000 00:00:00";
        m_groupCaption = "Invalid Time Stamp";
        m_year = 0;
        m_dayOfYear = 0;
        return;
    }
    char text[65];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    m_strCaption = text;
    std::snprintf(text, sizeof text,
                  "%s %02d, %04d:", kMonths[static_cast<std::size_t>(local.tm_mon)], local.tm_mday,
                  local.tm_year + 1900);
    m_groupCaption = text;
    m_year = local.tm_year;
    m_dayOfYear = local.tm_yday;
}

void CReportTimeStampItem::SetValue(const FILETIME& fileTime) {
    SYSTEMTIME system;
    std::tm time{};
    if (FileTimeToSystemTime(&fileTime, &system)) {
        time.tm_year = system.wYear - 1900;
        time.tm_mon = system.wMonth - 1;
        time.tm_mday = system.wDay;
        time.tm_hour = system.wHour;
        time.tm_min = system.wMinute;
        time.tm_sec = system.wSecond;
    }
    SetValue(hb::audio::TmToSeconds(&time));
}

CString CReportTimeStampItem::GetCaption(CXTPReportColumn*) {
    return m_strCaption;
}

CString CReportTimeStampItem::GetGroupCaption(CXTPReportColumn*) {
    return m_groupCaption;
}

int CReportTimeStampItem::Compare(CXTPReportColumn*, CXTPReportRecordItem* pItem) {
    const auto* other = dynamic_cast<CReportTimeStampItem*>(pItem);
    const std::int64_t b = other ? other->m_time : 0;
    return m_time < b ? -1 : (m_time > b ? 1 : 0);
}

int CReportTimeStampItem::CompareGroupCaption(CXTPReportColumn*, CXTPReportRecordItem* pItem) {
    const auto* other = dynamic_cast<CReportTimeStampItem*>(pItem);
    const int year = other ? other->m_year : 0;
    const int day = other ? other->m_dayOfYear : 0;
    if (m_year != year) {
        return m_year < year ? -1 : 1;
    }
    return m_dayOfYear < day ? -1 : (m_dayOfYear > day ? 1 : 0);
}
