#pragma once
// A report cell holding a time stamp (seconds since 1970), shown in local time and grouped by the
// local day.
#include "platform/toolkit/CXTPReportRecordItem.h"
#include "platform/win/WinTypes.h"

#include <cstdint>

class CReportTimeStampItem : public CXTPReportRecordItem {
public:
    explicit CReportTimeStampItem(std::int64_t time = 0) { SetValue(time); }

    // -1 is taken as 0.
    virtual void SetValue(std::int64_t time);
    // A file time (100-ns ticks since 1601, UTC).
    void SetValue(const FILETIME& fileTime);
    std::int64_t GetValue() const { return m_time; }
    int GetYear() const { return m_year; }
    int GetDayOfYear() const { return m_dayOfYear; }

    CString GetCaption(CXTPReportColumn* pColumn) override;
    CString GetGroupCaption(CXTPReportColumn* pColumn) override;
    int Compare(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) override;
    int CompareGroupCaption(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) override;

private:
    std::int64_t m_time = 0;
    int m_year = 0;
    int m_dayOfYear = 0;
    CString m_groupCaption;
};
