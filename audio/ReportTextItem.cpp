#include "audio/ReportTextItem.h"

void CReportTextItem::SetValue(LPCSTR text) {
    m_text = text ? text : "";
    m_text.Trim(' ');
}

CString CReportTextItem::GetCaption(CXTPReportColumn*) {
    return m_text;
}

CString CReportTextItem::GetGroupCaption(CXTPReportColumn*) {
    return m_text;
}

int CReportTextItem::Compare(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) {
    return m_text.CompareNoCase(pItem->GetCaption(pColumn));
}

int CReportTextItem::CompareGroupCaption(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) {
    return m_text.CompareNoCase(pItem->GetGroupCaption(pColumn));
}

void CReportTextItem::OnEditChanged(CXTPReportRow*, LPCSTR szText) {
    SetValue(szText);
}
