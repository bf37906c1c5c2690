#pragma once
// One record of a report: its items by index and whether it may show. The record owns its items;
// the control's record list owns the records.
#include "platform/toolkit/CXTPReportRecordItem.h"

#include <vector>

class CXTPReportRecord {
public:
    CXTPReportRecord() = default;
    CXTPReportRecord(const CXTPReportRecord&) = delete;
    CXTPReportRecord& operator=(const CXTPReportRecord&) = delete;
    virtual ~CXTPReportRecord();

    static void* operator new(std::size_t bytes) { return hb::toolkit::AllocateRecordData(bytes); }
    static void operator delete(void* data) { hb::toolkit::FreeRecordData(data); }

    // Takes the item; returns it.
    CXTPReportRecordItem* AddItem(CXTPReportRecordItem* pItem);
    // Null for an index out of range.
    CXTPReportRecordItem* GetItem(int index) const;
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    void SetVisible(BOOL visible) { m_bVisible = visible; }
    BOOL IsVisible() const { return m_bVisible; }
    // The record's place in the control's record list.
    int GetIndex() const { return m_nIndex; }

    // The look of one cell; the control fills the defaults first.
    virtual void GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs,
                                XTP_REPORTRECORDITEM_METRICS* pItemMetrics);

private:
    friend class CXTPReportRecords;

    std::vector<CXTPReportRecordItem*> m_items;
    BOOL m_bVisible = TRUE;
    int m_nIndex = -1;
};
