#pragma once
// A report cell holding a frequency in Hz: shown in MHz, grouped by the frequency, sorted by it.
// An edit that does not read as a frequency leaves the cell as it was.
#include "platform/toolkit/CXTPReportRecordItem.h"

#include <cstdint>

class CReportFrequencyItem : public CXTPReportRecordItem {
public:
    explicit CReportFrequencyItem(std::uint32_t frequency = 0) { SetValue(frequency); }

    virtual void SetValue(std::uint32_t frequency);
    std::uint32_t GetValue() const { return m_frequency; }

    CString GetCaption(CXTPReportColumn* pColumn) override;
    CString GetGroupCaption(CXTPReportColumn* pColumn) override;
    int Compare(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) override;
    int CompareGroupCaption(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) override;
    void OnEditChanged(CXTPReportRow* pRow, LPCSTR szText) override;

private:
    std::uint32_t m_frequency = 0;
    CString m_groupCaption;
};
