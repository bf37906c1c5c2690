#include "audio/NumberItem.h"

#include <cstdio>

void CNumberItem::SetValue(std::uint32_t value) {
    m_value = value;
    char text[16];
    std::snprintf(text, sizeof text, "%u", value);
    m_strCaption = text;
}

int CNumberItem::Compare(CXTPReportColumn*, CXTPReportRecordItem* pItem) {
    const auto* other = dynamic_cast<CNumberItem*>(pItem);
    const std::uint32_t b = other ? other->m_value : 0;
    return m_value < b ? -1 : (m_value > b ? 1 : 0);
}

int CNumberItem::CompareGroupCaption(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) {
    return Compare(pColumn, pItem);
}
