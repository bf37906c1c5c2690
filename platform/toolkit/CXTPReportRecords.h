#pragma once
// The records of a report control, owned by it, in the order they were added.
#include "platform/toolkit/CXTPReportRecord.h"

#include <vector>

class CXTPReportRecords {
public:
    CXTPReportRecords() = default;
    CXTPReportRecords(const CXTPReportRecords&) = delete;
    CXTPReportRecords& operator=(const CXTPReportRecords&) = delete;
    ~CXTPReportRecords() { RemoveAll(); }

    // Takes the record; returns it.
    CXTPReportRecord* Add(CXTPReportRecord* pRecord);
    int GetCount() const { return static_cast<int>(m_records.size()); }
    CXTPReportRecord* GetAt(int index) const;
    void RemoveAll();

private:
    std::vector<CXTPReportRecord*> m_records;
};
