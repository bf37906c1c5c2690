#include "platform/toolkit/CXTPReportRecords.h"

CXTPReportRecord* CXTPReportRecords::Add(CXTPReportRecord* pRecord) {
    pRecord->m_nIndex = GetCount();
    m_records.push_back(pRecord);
    return pRecord;
}

CXTPReportRecord* CXTPReportRecords::GetAt(int index) const {
    return index >= 0 && index < GetCount() ? m_records[static_cast<std::size_t>(index)] : nullptr;
}

void CXTPReportRecords::RemoveAll() {
    for (CXTPReportRecord* record : m_records) {
        delete record;
    }
    m_records.clear();
}
