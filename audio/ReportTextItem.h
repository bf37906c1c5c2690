#pragma once
// A report cell holding text, trimmed of spaces at both ends; it sorts and groups without case.
#include "platform/toolkit/CXTPReportRecordItem.h"

class CReportTextItem : public CXTPReportRecordItem {
public:
    explicit CReportTextItem(LPCSTR text = "") { SetValue(text); }

    virtual void SetValue(LPCSTR text);
    const CString& GetValue() const { return m_text; }

    CString GetCaption(CXTPReportColumn* pColumn) override;
    CString GetGroupCaption(CXTPReportColumn* pColumn) override;
    int Compare(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) override;
    int CompareGroupCaption(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) override;
    void OnEditChanged(CXTPReportRow* pRow, LPCSTR szText) override;

private:
    CString m_text;
};
