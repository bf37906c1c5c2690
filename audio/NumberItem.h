#pragma once
// A report cell holding an unsigned number, shown as it is and sorted by its value.
#include "platform/toolkit/CXTPReportRecordItem.h"

#include <cstdint>

class CNumberItem : public CXTPReportRecordItem {
public:
    explicit CNumberItem(std::uint32_t value = 0) { SetValue(value); }

    virtual void SetValue(std::uint32_t value);
    std::uint32_t GetValue() const { return m_value; }

    int Compare(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) override;
    int CompareGroupCaption(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) override;

protected:
    std::uint32_t m_value = 0;
};
