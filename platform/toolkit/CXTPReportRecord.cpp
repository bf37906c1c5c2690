#include "platform/toolkit/CXTPReportRecord.h"

CXTPReportRecord::~CXTPReportRecord() {
    for (CXTPReportRecordItem* item : m_items) {
        delete item;
    }
}

CXTPReportRecordItem* CXTPReportRecord::AddItem(CXTPReportRecordItem* pItem) {
    pItem->m_pRecord = this;
    m_items.push_back(pItem);
    return pItem;
}

CXTPReportRecordItem* CXTPReportRecord::GetItem(int index) const {
    return index >= 0 && index < GetItemCount() ? m_items[static_cast<std::size_t>(index)]
                                                : nullptr;
}

void CXTPReportRecord::GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS*,
                                      XTP_REPORTRECORDITEM_METRICS*) {}
