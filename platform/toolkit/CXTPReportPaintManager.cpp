#include "platform/toolkit/CXTPReportPaintManager.h"

#include "platform/afx/CDC.h"
#include "platform/afx/CPen.h"
#include "platform/toolkit/CXTPReportColumn.h"
#include "platform/toolkit/CXTPReportRow.h"
#include "platform/toolkit/Drawing.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/gdi/ImageList.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"

namespace {

constexpr int kTextMargin = 3;
constexpr int kIconSize = 16;

LOGFONT DefaultFont() {
    LOGFONT lf{};
    ::GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    return lf;
}

} // namespace

CXTPReportPaintManager::CXTPReportPaintManager() {
    LOGFONT lf = DefaultFont();
    SetTextFont(lf);
    SetCaptionFont(lf);
    RefreshMetrics();
}

void CXTPReportPaintManager::RefreshMetrics() {
    m_clrWindowText = GetSysColor(COLOR_WINDOWTEXT);
    m_clrControlBack = GetSysColor(COLOR_WINDOW);
    m_clrHeaderControl = GetSysColor(COLOR_BTNFACE);
    m_clrGridLine = GetSysColor(COLOR_BTNFACE);
    m_clrGroupShadeBorder = GetSysColor(COLOR_BTNSHADOW);
    MeasureRows();
}

void CXTPReportPaintManager::SetTextFont(LOGFONT& lf) {
    m_fontText.DeleteObject();
    m_fontBoldText.DeleteObject();
    m_fontText.CreateFontIndirect(&lf);
    LOGFONT bold = lf;
    bold.lfWeight = FW_BOLD;
    m_fontBoldText.CreateFontIndirect(&bold);
    m_nSpaceWidth = hb::toolkit::detail::TextWidth(static_cast<HFONT>(m_fontText), " ");
    MeasureRows();
}

void CXTPReportPaintManager::SetCaptionFont(const LOGFONT& lf) {
    m_fontCaption.DeleteObject();
    m_fontCaption.CreateFontIndirect(&lf);
    MeasureRows();
}

void CXTPReportPaintManager::SetGridStyle(BOOL vertical, XTPReportGridStyle style) {
    (vertical ? m_verticalGrid : m_horizontalGrid) = style;
}

XTPReportGridStyle CXTPReportPaintManager::GetGridStyle(BOOL vertical) const {
    return vertical ? m_verticalGrid : m_horizontalGrid;
}

void CXTPReportPaintManager::MeasureRows() {
    using hb::toolkit::detail::LineHeight;
    const auto font = [](const CFont& f) { return static_cast<HFONT>(f); };
    if (m_fontText.m_hObject) {
        m_nRowHeight = std::max(LineHeight(font(m_fontText)), kIconSize) + 2;
    }
    if (m_fontCaption.m_hObject) {
        m_nHeaderHeight = LineHeight(font(m_fontCaption)) + 6;
    }
}

void CXTPReportPaintManager::DrawHeaderItem(CDC& dc, const CRect& rect, CXTPReportColumn& column,
                                            BOOL sorted) {
    hb::toolkit::detail::DrawFace(dc, rect, {});
    CFont* old = dc.SelectObject(&m_fontCaption);
    CRect text = rect;
    text.DeflateRect(kTextMargin, 0);
    dc.DrawText(column.GetCaption(), &text,
                DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS |
                    static_cast<UINT>(column.GetAlignment()));
    if (sorted) {
        // A small triangle at the right: point up when increasing.
        const int x = rect.right - 10;
        const int y = rect.CenterPoint().y;
        const int d = column.IsSortedIncreasing() ? -1 : 1;
        const POINT arrow[] = {{x - 3, y - 2 * d}, {x + 3, y - 2 * d}, {x, y + 2 * d}};
        dc.Polygon(arrow, 3);
    }
    dc.SelectObject(old);
}

void CXTPReportPaintManager::DrawGroupRow(CDC& dc, const CRect& rect, const CXTPReportRow& row) {
    dc.FillSolidRect(&rect, m_clrGroupShadeBack);
    CPen border(PS_SOLID, 1, m_clrGroupShadeBorder);
    CPen* oldPen = dc.SelectObject(&border);
    dc.MoveTo(rect.left, rect.bottom - 1);
    dc.LineTo(rect.right, rect.bottom - 1);
    dc.SelectObject(oldPen);
    CFont* old = dc.SelectObject(&m_fontBoldText);
    dc.SetTextColor(m_clrWindowText);
    dc.SetBkMode(TRANSPARENT);
    CRect text = rect;
    text.DeflateRect(kTextMargin * 2, 0);
    dc.DrawText(row.GetGroupCaption(), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    dc.SelectObject(old);
}

void CXTPReportPaintManager::DrawItem(CDC& dc, const CRect& rect, const CString& text, int icon,
                                      HIMAGELIST images, int alignment,
                                      const XTP_REPORTRECORDITEM_METRICS& metrics) {
    dc.FillSolidRect(&rect, metrics.clrBackground);
    CRect area = rect;
    area.DeflateRect(kTextMargin, 0);
    if (icon >= 0 && images) {
        ImageList_Draw(images, icon, dc.m_hDC, area.left,
                       area.top + (area.Height() - kIconSize) / 2, ILD_TRANSPARENT);
        area.left += kIconSize + kTextMargin;
    }
    CFont* old = dc.SelectObject(metrics.pFont ? metrics.pFont : &m_fontText);
    dc.SetTextColor(metrics.clrForeground);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &area,
                DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX |
                    static_cast<UINT>(alignment));
    dc.SelectObject(old);
    CPen grid(m_verticalGrid == xtpReportGridSolid ? PS_SOLID : PS_DOT, 1, m_clrGridLine);
    CPen* oldPen = dc.SelectObject(&grid);
    if (m_verticalGrid != xtpReportGridNoLines) {
        dc.MoveTo(rect.right - 1, rect.top);
        dc.LineTo(rect.right - 1, rect.bottom);
    }
    if (m_horizontalGrid != xtpReportGridNoLines) {
        dc.MoveTo(rect.left, rect.bottom - 1);
        dc.LineTo(rect.right, rect.bottom - 1);
    }
    dc.SelectObject(oldPen);
}
