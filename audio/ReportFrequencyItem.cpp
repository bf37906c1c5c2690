#include "audio/ReportFrequencyItem.h"

#include "platform/tessary/model/Format.h"

namespace {

int CompareValues(std::uint32_t a, CXTPReportRecordItem* other) {
    const auto* item = dynamic_cast<CReportFrequencyItem*>(other);
    const std::uint32_t b = item ? item->GetValue() : 0;
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

void CReportFrequencyItem::SetValue(std::uint32_t frequency) {
    m_frequency = frequency;
    m_strCaption = format_freq_vhf(frequency).c_str();
    m_strCaption.Trim(' ');
    m_groupCaption = format_frequency_vhf(frequency).c_str();
    m_groupCaption.Trim(' ');
    m_groupCaption += ":";
}

CString CReportFrequencyItem::GetCaption(CXTPReportColumn*) {
    return m_strCaption;
}

CString CReportFrequencyItem::GetGroupCaption(CXTPReportColumn*) {
    return m_groupCaption;
}

int CReportFrequencyItem::Compare(CXTPReportColumn*, CXTPReportRecordItem* pItem) {
    return CompareValues(m_frequency, pItem);
}

int CReportFrequencyItem::CompareGroupCaption(CXTPReportColumn*, CXTPReportRecordItem* pItem) {
    return CompareValues(m_frequency, pItem);
}

void CReportFrequencyItem::OnEditChanged(CXTPReportRow*, LPCSTR szText) {
    std::uint32_t frequency = 0;
    if (convert_frequency(szText, &frequency, 'M') == kFrequencyConverted) {
        SetValue(frequency);
    }
}
