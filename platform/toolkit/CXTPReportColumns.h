#pragma once
// The columns of a report, in display order, with the two orders Populate follows: the columns
// rows group by, then the columns they sort by.
#include "platform/toolkit/CXTPReportColumn.h"

#include <memory>
#include <vector>

// An ordered list of columns the list does not own.
class CXTPReportColumnOrder {
public:
    void Add(CXTPReportColumn* pColumn) { m_columns.push_back(pColumn); }
    void Clear() { m_columns.clear(); }
    int GetCount() const { return static_cast<int>(m_columns.size()); }
    CXTPReportColumn* GetAt(int index) const;

private:
    std::vector<CXTPReportColumn*> m_columns;
};

class CXTPReportColumns {
public:
    // Takes the column; returns it.
    CXTPReportColumn* Add(CXTPReportColumn* pColumn);
    int GetCount() const { return static_cast<int>(m_columns.size()); }
    CXTPReportColumn* GetAt(int index) const;
    // The column showing the item index, or null.
    CXTPReportColumn* Find(int itemIndex) const;
    CXTPReportColumnOrder* GetSortOrder() { return &m_sortOrder; }
    CXTPReportColumnOrder* GetGroupsOrder() { return &m_groupsOrder; }

private:
    std::vector<std::unique_ptr<CXTPReportColumn>> m_columns;
    CXTPReportColumnOrder m_sortOrder;
    CXTPReportColumnOrder m_groupsOrder;
};
