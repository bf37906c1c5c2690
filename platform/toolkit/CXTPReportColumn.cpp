#include "platform/toolkit/CXTPReportColumn.h"

#include <algorithm>

CXTPReportColumn::CXTPReportColumn(int itemIndex, LPCSTR caption, int width, BOOL autoSize,
                                   int iconId, BOOL sortable, BOOL visible)
    : m_nItemIndex(itemIndex), m_strCaption(caption), m_nWidth(std::max(width, 0)),
      m_bAutoSize(autoSize), m_nIconId(iconId), m_bSortable(sortable), m_bVisible(visible) {}

void CXTPReportColumn::SetWidth(int width) {
    m_nWidth = std::max(width, m_nMinWidth);
}

void CXTPReportColumn::SetMinWidth(int width) {
    m_nMinWidth = std::max(width, 0);
    m_nWidth = std::max(m_nWidth, m_nMinWidth);
}
