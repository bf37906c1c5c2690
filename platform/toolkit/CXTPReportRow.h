#pragma once
// A row the control shows: a record's row, or a group row heading the records that share its
// group caption. Rows are rebuilt by every Populate.
#include "platform/afx/CString.h"

class CXTPReportRecord;

class CXTPReportRow {
public:
    CXTPReportRow(CXTPReportRecord* record, int index) : m_pRecord(record), m_nIndex(index) {}
    CXTPReportRow(CString groupCaption, int index)
        : m_strGroupCaption(std::move(groupCaption)), m_nIndex(index) {}

    // Null for a group row.
    CXTPReportRecord* GetRecord() const { return m_pRecord; }
    BOOL IsGroupRow() const { return m_pRecord == nullptr; }
    const CString& GetGroupCaption() const { return m_strGroupCaption; }
    // The row's place among the rows.
    int GetIndex() const { return m_nIndex; }
    // A preview row shows a record's preview text; this control shows none.
    BOOL IsPreviewItem() const { return FALSE; }

private:
    CXTPReportRecord* m_pRecord = nullptr;
    CString m_strGroupCaption;
    int m_nIndex = 0;
};
