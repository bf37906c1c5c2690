#pragma once
// One cell of a report record. The base shows its caption; derived items keep a value of their
// own and override how it reads, groups and sorts. Items belong to their record.
#include "platform/afx/CString.h"
#include "platform/toolkit/XTPReportDefines.h"

class CXTPReportRecord;

class CXTPReportRecordItem {
public:
    CXTPReportRecordItem() = default;
    explicit CXTPReportRecordItem(LPCSTR caption) : m_strCaption(caption) {}
    CXTPReportRecordItem(const CXTPReportRecordItem&) = delete;
    CXTPReportRecordItem& operator=(const CXTPReportRecordItem&) = delete;
    virtual ~CXTPReportRecordItem() = default;

    static void* operator new(std::size_t bytes) { return hb::toolkit::AllocateRecordData(bytes); }
    static void operator delete(void* data) { hb::toolkit::FreeRecordData(data); }

    virtual CString GetCaption(CXTPReportColumn* pColumn);
    // The caption of the group row a grouped report puts the item under.
    virtual CString GetGroupCaption(CXTPReportColumn* pColumn);
    // Negative, 0 or positive; the base compares captions as they are.
    virtual int Compare(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem);
    virtual int CompareGroupCaption(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem);
    // The in-place edit ended with this text; the base takes it as the caption.
    virtual void OnEditChanged(CXTPReportRow* pRow, LPCSTR szText);

    void SetCaption(LPCSTR caption) { m_strCaption = caption; }
    void SetIconIndex(int index) { m_nIconIndex = index; }
    int GetIconIndex() const { return m_nIconIndex; }
    void SetFocusable(BOOL focusable) { m_bFocusable = focusable; }
    BOOL IsFocusable() const { return m_bFocusable; }
    void SetEditable(BOOL editable) { m_bEditable = editable; }
    BOOL IsEditable() const { return m_bEditable; }
    CXTPReportRecord* GetRecord() const { return m_pRecord; }

protected:
    CString m_strCaption;

private:
    friend class CXTPReportRecord;

    int m_nIconIndex = -1;
    BOOL m_bFocusable = TRUE;
    BOOL m_bEditable = TRUE;
    CXTPReportRecord* m_pRecord = nullptr;
};
