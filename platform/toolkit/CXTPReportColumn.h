#pragma once
// One column of a report: which item of each record it shows, its caption, width, alignment and
// sort direction.
#include "platform/afx/CString.h"

class CXTPReportColumn {
public:
    CXTPReportColumn(int itemIndex, LPCSTR caption, int width, BOOL autoSize = TRUE,
                     int iconId = -1, BOOL sortable = TRUE, BOOL visible = TRUE);

    int GetItemIndex() const { return m_nItemIndex; }
    // The column's place in the column list.
    int GetIndex() const { return m_nIndex; }
    const CString& GetCaption() const { return m_strCaption; }
    int GetIconID() const { return m_nIconId; }
    int GetWidth() const { return m_nWidth; }
    // Never below the minimum width.
    void SetWidth(int width);
    int GetMinWidth() const { return m_nMinWidth; }
    // Widens the column when it is narrower.
    void SetMinWidth(int width);
    BOOL IsAutoSize() const { return m_bAutoSize; }
    BOOL IsSortable() const { return m_bSortable; }
    BOOL IsVisible() const { return m_bVisible; }
    void SetVisible(BOOL visible) { m_bVisible = visible; }
    // DT_LEFT, DT_CENTER or DT_RIGHT.
    void SetAlignment(int alignment) { m_nAlignment = alignment; }
    int GetAlignment() const { return m_nAlignment; }
    void SetSortIncreasing(BOOL increasing) { m_bSortIncreasing = increasing; }
    BOOL IsSortedIncreasing() const { return m_bSortIncreasing; }

private:
    friend class CXTPReportColumns;

    int m_nItemIndex = 0;
    int m_nIndex = -1;
    CString m_strCaption;
    int m_nWidth = 0;
    int m_nMinWidth = 0;
    BOOL m_bAutoSize = TRUE;
    int m_nIconId = -1;
    BOOL m_bSortable = TRUE;
    BOOL m_bVisible = TRUE;
    int m_nAlignment = 0;
    BOOL m_bSortIncreasing = TRUE;
};
