#pragma once
// How a report control looks and draws: its fonts, colours, grid lines and row heights, and the
// drawing of the header, group rows and cells. A derived manager changes the metrics in
// RefreshMetrics; the control owns the manager it is given.
#include "platform/afx/CFont.h"
#include "platform/afx/CString.h"
#include "platform/toolkit/XTPReportDefines.h"

class CXTPReportColumn;
class CXTPReportRow;

class CXTPReportPaintManager {
public:
    CXTPReportPaintManager();
    CXTPReportPaintManager(const CXTPReportPaintManager&) = delete;
    CXTPReportPaintManager& operator=(const CXTPReportPaintManager&) = delete;
    virtual ~CXTPReportPaintManager() = default;

    // Colours from the system, fonts from the default GUI font, row heights from the fonts.
    virtual void RefreshMetrics();
    // The normal and bold text fonts; the width of a space in the normal one.
    virtual void SetTextFont(LOGFONT& lf);
    void SetCaptionFont(const LOGFONT& lf);
    void SetGridStyle(BOOL vertical, XTPReportGridStyle style);
    XTPReportGridStyle GetGridStyle(BOOL vertical) const;
    int GetRowHeight() const { return m_nRowHeight; }
    int GetHeaderHeight() const { return m_nHeaderHeight; }

    void DrawHeaderItem(CDC& dc, const CRect& rect, CXTPReportColumn& column, BOOL sorted);
    void DrawGroupRow(CDC& dc, const CRect& rect, const CXTPReportRow& row);
    // Background, icon, text in the column's alignment, then the grid lines.
    void DrawItem(CDC& dc, const CRect& rect, const CString& text, int icon, HIMAGELIST images,
                  int alignment, const XTP_REPORTRECORDITEM_METRICS& metrics);

    CFont m_fontText;
    CFont m_fontBoldText;
    CFont m_fontCaption;
    COLORREF m_clrWindowText = 0;
    COLORREF m_clrControlBack = 0xFFFFFF;
    COLORREF m_clrHeaderControl = 0xC0C0C0;
    COLORREF m_clrGridLine = 0xC0C0C0;
    // The shade of group rows and its border line.
    COLORREF m_clrGroupShadeBack = 0xE0E0E0;
    COLORREF m_clrGroupShadeBorder = 0x808080;
    // Shades the background of the sorted column's cells when set.
    COLORREF m_clrSortShade = 0;
    BOOL m_bShadeSortColumn = FALSE;
    // Rows show under their parents' rows when set.
    BOOL m_bChildRecords = FALSE;
    BOOL m_bFixedRowHeight = TRUE;
    int m_nSpaceWidth = 0;

private:
    void MeasureRows();

    XTPReportGridStyle m_verticalGrid = xtpReportGridNoLines;
    XTPReportGridStyle m_horizontalGrid = xtpReportGridSolid;
    int m_nRowHeight = 18;
    int m_nHeaderHeight = 20;
};
