#pragma once
// The header of a report: whether rows show under group rows, and whether columns size themselves
// to fill the control's width.
#include "platform/win/WinTypes.h"

class CXTPReportHeader {
public:
    void ShowItemsInGroups(BOOL show) { m_bShowItemsInGroups = show; }
    BOOL IsShowItemsInGroups() const { return m_bShowItemsInGroups; }
    void SetAutoColumnSizing(BOOL autoSize) { m_bAutoColumnSizing = autoSize; }
    BOOL IsAutoColumnSizing() const { return m_bAutoColumnSizing; }

private:
    BOOL m_bShowItemsInGroups = FALSE;
    BOOL m_bAutoColumnSizing = TRUE;
};
