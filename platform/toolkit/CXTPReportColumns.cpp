#include "platform/toolkit/CXTPReportColumns.h"

CXTPReportColumn* CXTPReportColumnOrder::GetAt(int index) const {
    return index >= 0 && index < GetCount() ? m_columns[static_cast<std::size_t>(index)] : nullptr;
}

CXTPReportColumn* CXTPReportColumns::Add(CXTPReportColumn* pColumn) {
    pColumn->m_nIndex = GetCount();
    m_columns.emplace_back(pColumn);
    return pColumn;
}

CXTPReportColumn* CXTPReportColumns::GetAt(int index) const {
    return index >= 0 && index < GetCount() ? m_columns[static_cast<std::size_t>(index)].get()
                                            : nullptr;
}

CXTPReportColumn* CXTPReportColumns::Find(int itemIndex) const {
    for (const auto& column : m_columns) {
        if (column->GetItemIndex() == itemIndex) {
            return column.get();
        }
    }
    return nullptr;
}
