#include "platform/toolkit/CXTPReportControl.h"

#include "platform/afx/CPaintDC.h"

#include <algorithm>
#include <cctype>

IMPLEMENT_DYNAMIC(CXTPReportControl, CWnd)

BEGIN_MESSAGE_MAP(CXTPReportControl, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEWHEEL()
ON_WM_KEYDOWN()
ON_MESSAGE(WM_VSCROLL, &CXTPReportControl::OnVScroll)
END_MESSAGE_MAP()

namespace {

constexpr UINT kEditId = 1;
constexpr int kScrollWidth = 16;
constexpr int kWheelRows = 3;

bool ContainsNoCase(const CString& text, const std::string& lowered) {
    std::string haystack = text.str();
    std::transform(haystack.begin(), haystack.end(), haystack.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return haystack.find(lowered) != std::string::npos;
}

} // namespace

CXTPReportControl::CXTPReportControl()
    : m_paintManager(std::make_unique<CXTPReportPaintManager>()) {}

CXTPReportControl::~CXTPReportControl() {
    if (m_hWnd) {
        DestroyWindow();
    }
}

BOOL CXTPReportControl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CreateEx(0, nullptr, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

void CXTPReportControl::SetPaintManager(CXTPReportPaintManager* pPaintManager) {
    m_paintManager.reset(pPaintManager);
    RedrawControl();
}

void CXTPReportControl::SetGridStyle(BOOL vertical, XTPReportGridStyle style) {
    m_paintManager->SetGridStyle(vertical, style);
}

void CXTPReportControl::SetImageList(CImageList* pImageList) {
    m_images = pImageList ? pImageList->GetSafeHandle() : HIMAGELIST{};
}

CXTPReportRow* CXTPReportControl::GetRow(int index) const {
    return index >= 0 && index < GetRowCount() ? m_rows[static_cast<std::size_t>(index)].get()
                                               : nullptr;
}

bool CXTPReportControl::Matches(CXTPReportRecord& record) const {
    if (m_strFilterText.IsEmpty()) {
        return true;
    }
    std::string lowered = m_strFilterText.str();
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (int index = 0; index < m_columns.GetCount(); ++index) {
        CXTPReportColumn* column = m_columns.GetAt(index);
        CXTPReportRecordItem* item = record.GetItem(column->GetItemIndex());
        if (column->IsVisible() && item && ContainsNoCase(item->GetCaption(column), lowered)) {
            return true;
        }
    }
    return false;
}

void CXTPReportControl::SortRecords(std::vector<CXTPReportRecord*>& records) {
    const bool grouped = m_header.IsShowItemsInGroups();
    CXTPReportColumnOrder& groups = *m_columns.GetGroupsOrder();
    CXTPReportColumnOrder& sorts = *m_columns.GetSortOrder();
    const auto compare = [&](CXTPReportRecord* a, CXTPReportRecord* b) {
        const auto order = [&](CXTPReportColumn* column, bool byGroup) {
            CXTPReportRecordItem* left = a->GetItem(column->GetItemIndex());
            CXTPReportRecordItem* right = b->GetItem(column->GetItemIndex());
            if (!left || !right) {
                return 0;
            }
            const int result =
                byGroup ? left->CompareGroupCaption(column, right) : left->Compare(column, right);
            return column->IsSortedIncreasing() ? result : -result;
        };
        for (int index = 0; grouped && index < groups.GetCount(); ++index) {
            if (const int result = order(groups.GetAt(index), true)) {
                return result < 0;
            }
        }
        for (int index = 0; index < sorts.GetCount(); ++index) {
            if (const int result = order(sorts.GetAt(index), false)) {
                return result < 0;
            }
        }
        return false;
    };
    std::stable_sort(records.begin(), records.end(), compare);
}

void CXTPReportControl::Populate() {
    EndEdit(false);
    std::vector<CXTPReportRecord*> shown;
    for (int index = 0; index < m_records.GetCount(); ++index) {
        CXTPReportRecord* record = m_records.GetAt(index);
        if (record->IsVisible() && Matches(*record)) {
            shown.push_back(record);
        }
    }
    SortRecords(shown);
    m_rows.clear();
    CXTPReportColumn* groupBy =
        m_header.IsShowItemsInGroups() ? m_columns.GetGroupsOrder()->GetAt(0) : nullptr;
    CXTPReportRecordItem* groupItem = nullptr;
    for (CXTPReportRecord* record : shown) {
        if (groupBy) {
            CXTPReportRecordItem* item = record->GetItem(groupBy->GetItemIndex());
            if (item && (!groupItem || groupItem->CompareGroupCaption(groupBy, item) != 0)) {
                m_rows.push_back(
                    std::make_unique<CXTPReportRow>(item->GetGroupCaption(groupBy), GetRowCount()));
                groupItem = item;
            }
        }
        m_rows.push_back(std::make_unique<CXTPReportRow>(record, GetRowCount()));
    }
    UpdateScroll();
    RedrawControl();
}

void CXTPReportControl::RedrawControl() {
    if (m_hWnd) {
        Invalidate();
    }
}

std::vector<int> CXTPReportControl::ColumnWidths() const {
    std::vector<int> widths;
    int total = 0;
    for (int index = 0; index < m_columns.GetCount(); ++index) {
        const CXTPReportColumn* column = m_columns.GetAt(index);
        widths.push_back(column->IsVisible() ? column->GetWidth() : 0);
        total += widths.back();
    }
    const int room = RowsArea().Width();
    if (m_header.IsAutoColumnSizing() && total > 0 && room > 0) {
        for (std::size_t index = 0; index < widths.size(); ++index) {
            const int minimum = m_columns.GetAt(static_cast<int>(index))->GetMinWidth();
            widths[index] = std::max(widths[index] * room / total, widths[index] ? minimum : 0);
        }
    }
    return widths;
}

CRect CXTPReportControl::RowsArea() const {
    CRect client;
    if (m_hWnd) {
        GetClientRect(&client);
    }
    client.top = std::min<LONG>(client.top + m_paintManager->GetHeaderHeight(), client.bottom);
    client.right = std::max<LONG>(client.left, client.right - kScrollWidth);
    return client;
}

int CXTPReportControl::RowsPerPage() const {
    return std::max(1, RowsArea().Height() / m_paintManager->GetRowHeight());
}

void CXTPReportControl::UpdateScroll() {
    const CRect area = RowsArea();
    m_scroll.rect = {area.right, area.top, area.right + kScrollWidth, area.bottom};
    m_scroll.range = GetRowCount();
    m_scroll.page = RowsPerPage();
    m_scroll.pos = std::clamp(m_scroll.pos, 0, m_scroll.MaxPos());
}

void CXTPReportControl::ScrollTo(int top) {
    const int pos = std::clamp(top, 0, m_scroll.MaxPos());
    if (pos != m_scroll.pos) {
        EndEdit(false);
        m_scroll.pos = pos;
        RedrawControl();
    }
}

CRect CXTPReportControl::CellRect(int row, int column) const {
    const CRect area = RowsArea();
    const std::vector<int> widths = ColumnWidths();
    int left = area.left;
    for (int index = 0; index < column; ++index) {
        left += widths[static_cast<std::size_t>(index)];
    }
    const int top = area.top + (row - m_scroll.pos) * m_paintManager->GetRowHeight();
    return {left, top, left + widths[static_cast<std::size_t>(column)],
            top + m_paintManager->GetRowHeight()};
}

CXTPReportControl::CellHit CXTPReportControl::HitTest(CPoint point) const {
    CellHit hit;
    const CRect area = RowsArea();
    if (!area.PtInRect(point)) {
        return hit;
    }
    const int row = m_scroll.pos + (point.y - area.top) / m_paintManager->GetRowHeight();
    if (row >= GetRowCount()) {
        return hit;
    }
    hit.row = row;
    for (int index = 0; index < m_columns.GetCount(); ++index) {
        const CRect cell = CellRect(row, index);
        if (cell.Width() > 0 && point.x >= cell.left && point.x < cell.right) {
            hit.column = m_columns.GetAt(index);
            hit.rect = cell;
        }
    }
    return hit;
}

void CXTPReportControl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_paintManager->m_clrControlBack);
    DrawRows(dc, CRect(client.left, client.top, client.right - kScrollWidth, client.bottom),
             m_scroll.pos);
    m_scroll.Paint(dc.m_hDC, hb::win::detail::ScrollPart::None);
}

int CXTPReportControl::DrawRows(CDC& dc, const CRect& rect, int firstRow) {
    const std::vector<int> widths = ColumnWidths();
    CXTPReportPaintManager& paint = *m_paintManager;
    int left = rect.left;
    CXTPReportColumnOrder& sorts = *m_columns.GetSortOrder();
    for (int index = 0; index < m_columns.GetCount(); ++index) {
        CXTPReportColumn& column = *m_columns.GetAt(index);
        const int width = widths[static_cast<std::size_t>(index)];
        if (width > 0) {
            const BOOL sorted = sorts.GetCount() > 0 && sorts.GetAt(0) == &column;
            paint.DrawHeaderItem(
                dc, CRect(left, rect.top, left + width, rect.top + paint.GetHeaderHeight()), column,
                sorted);
        }
        left += width;
    }
    int top = rect.top + paint.GetHeaderHeight();
    int row = std::max(firstRow, 0);
    for (; row < GetRowCount() && top + paint.GetRowHeight() <= rect.bottom; ++row) {
        DrawRow(dc, *GetRow(row), CRect(rect.left, top, rect.right, top + paint.GetRowHeight()),
                widths);
        top += paint.GetRowHeight();
    }
    return row;
}

void CXTPReportControl::DrawRow(CDC& dc, CXTPReportRow& row, const CRect& rect,
                                const std::vector<int>& widths) {
    CXTPReportPaintManager& paint = *m_paintManager;
    if (row.IsGroupRow()) {
        paint.DrawGroupRow(dc, rect, row);
        return;
    }
    CXTPReportRecord& record = *row.GetRecord();
    int left = rect.left;
    for (int index = 0; index < m_columns.GetCount(); ++index) {
        CXTPReportColumn* column = m_columns.GetAt(index);
        const int width = widths[static_cast<std::size_t>(index)];
        CXTPReportRecordItem* item = record.GetItem(column->GetItemIndex());
        const CRect cell(left, rect.top, left + width, rect.bottom);
        left += width;
        if (width <= 0 || !item) {
            continue;
        }
        XTP_REPORTRECORDITEM_DRAWARGS args{&dc, this, &row, column, item, cell};
        XTP_REPORTRECORDITEM_METRICS metrics{&paint.m_fontText, paint.m_clrWindowText,
                                             paint.m_clrControlBack};
        if (paint.m_bShadeSortColumn && m_columns.GetSortOrder()->GetAt(0) == column) {
            metrics.clrBackground = paint.m_clrSortShade;
        }
        record.GetItemMetrics(&args, &metrics);
        paint.DrawItem(dc, cell, item->GetCaption(column), item->GetIconIndex(), m_images,
                       column->GetAlignment(), metrics);
    }
}

void CXTPReportControl::OnSize(UINT, int, int) {
    EndEdit(false);
    UpdateScroll();
    RedrawControl();
}

void CXTPReportControl::OnLButtonDown(UINT, CPoint point) {
    SetFocus();
    switch (m_scroll.PartAt(point)) {
    case hb::win::detail::ScrollPart::LineBack:
        ScrollTo(m_scroll.pos - 1);
        return;
    case hb::win::detail::ScrollPart::LineForward:
        ScrollTo(m_scroll.pos + 1);
        return;
    case hb::win::detail::ScrollPart::PageBack:
        ScrollTo(m_scroll.pos - m_scroll.page);
        return;
    case hb::win::detail::ScrollPart::PageForward:
        ScrollTo(m_scroll.pos + m_scroll.page);
        return;
    default:
        break;
    }
    const CellHit hit = HitTest(point);
    CXTPReportRow* row = GetRow(hit.row);
    if (!row || !hit.column) {
        return;
    }
    CXTPReportRecordItem* item =
        row->GetRecord() ? row->GetRecord()->GetItem(hit.column->GetItemIndex()) : nullptr;
    Notify(XTP_NM_REPORT_ITEMCLICK, row, item, hit.column, point);
    // The parent may have repopulated: the row must still be the one clicked.
    if (m_hWnd && GetRow(hit.row) == row && item && item->IsEditable() && item->IsFocusable()) {
        BeginEdit(hit);
    }
}

BOOL CXTPReportControl::OnMouseWheel(UINT, short zDelta, CPoint) {
    ScrollTo(m_scroll.pos - zDelta / 120 * kWheelRows);
    return TRUE;
}

void CXTPReportControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    switch (nChar) {
    case VK_UP:
        ScrollTo(m_scroll.pos - 1);
        break;
    case VK_DOWN:
        ScrollTo(m_scroll.pos + 1);
        break;
    case VK_PRIOR:
        ScrollTo(m_scroll.pos - m_scroll.page);
        break;
    case VK_NEXT:
        ScrollTo(m_scroll.pos + m_scroll.page);
        break;
    case VK_HOME:
        ScrollTo(0);
        break;
    case VK_END:
        ScrollTo(m_scroll.MaxPos());
        break;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

LRESULT CXTPReportControl::OnVScroll(WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        ScrollTo(m_scroll.pos - 1);
        break;
    case SB_LINEDOWN:
        ScrollTo(m_scroll.pos + 1);
        break;
    case SB_PAGEUP:
        ScrollTo(m_scroll.pos - m_scroll.page);
        break;
    case SB_PAGEDOWN:
        ScrollTo(m_scroll.pos + m_scroll.page);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        ScrollTo(static_cast<int>(HIWORD(wParam)));
        break;
    default:
        break;
    }
    return 0;
}

LRESULT CXTPReportControl::Notify(UINT code, CXTPReportRow* row, CXTPReportRecordItem* item,
                                  CXTPReportColumn* column, CPoint point) {
    const HWND parent = ::GetParent(m_hWnd);
    XTP_NM_REPORTRECORDITEM note;
    note.hdr = {m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), code};
    note.pRow = row;
    note.pItem = item;
    note.pColumn = column;
    note.pt = point;
    return parent ? ::SendMessage(parent, WM_NOTIFY, static_cast<WPARAM>(note.hdr.idFrom),
                                  reinterpret_cast<LPARAM>(&note))
                  : 0;
}

void CXTPReportControl::BeginEdit(const CellHit& hit) {
    EndEdit(false);
    CXTPReportRecord* record = GetRow(hit.row)->GetRecord();
    m_editRecord = record;
    m_editColumn = hit.column;
    m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, hit.rect, this, kEditId);
    m_edit.SendMessage(WM_SETFONT, static_cast<WPARAM>(hb::win::ParamFromHandle(
                                       static_cast<HFONT>(m_paintManager->m_fontText))));
    CString caption = record->GetItem(hit.column->GetItemIndex())->GetCaption(hit.column);
    caption.Trim();
    m_edit.SetWindowText(caption);
    m_edit.SetSel(0, -1);
    m_edit.SetFocus();
}

void CXTPReportControl::EndEdit(bool apply) {
    if (!m_edit.m_hWnd || m_ending) {
        return;
    }
    m_ending = true;
    CString text;
    m_edit.GetWindowText(text);
    m_edit.DestroyWindow();
    m_ending = false;
    CXTPReportRecord* record = std::exchange(m_editRecord, nullptr);
    CXTPReportColumn* column = std::exchange(m_editColumn, nullptr);
    CXTPReportRow* row = nullptr;
    for (const auto& candidate : m_rows) {
        if (candidate->GetRecord() == record) {
            row = candidate.get();
        }
    }
    CXTPReportRecordItem* item = record ? record->GetItem(column->GetItemIndex()) : nullptr;
    if (!apply || !item) {
        RedrawControl();
        return;
    }
    item->OnEditChanged(row, text);
    RedrawControl();
    Notify(XTP_NM_REPORT_VALUECHANGED, row, item, column, CPoint());
}

std::vector<std::string> CXTPReportControl::RowTexts() {
    std::vector<std::string> texts;
    for (const auto& row : m_rows) {
        if (row->IsGroupRow()) {
            texts.push_back("[" + row->GetGroupCaption().str() + "]");
            continue;
        }
        std::string text;
        for (int index = 0; index < m_columns.GetCount(); ++index) {
            CXTPReportColumn* column = m_columns.GetAt(index);
            CXTPReportRecordItem* item = row->GetRecord()->GetItem(column->GetItemIndex());
            if (!column->IsVisible()) {
                continue;
            }
            text += (text.empty() ? "" : " | ") + (item ? item->GetCaption(column).str() : "");
        }
        texts.push_back(text);
    }
    return texts;
}

void CXTPReportControl::ClickCell(int row, int column) {
    if (row < m_scroll.pos || row >= m_scroll.pos + m_scroll.page) {
        ScrollTo(row);
    }
    const CPoint at = CellRect(row, column).CenterPoint();
    SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

void CXTPReportControl::EditCell(int row, int column, LPCSTR text) {
    ClickCell(row, column);
    if (m_edit.m_hWnd) {
        m_edit.SetWindowText(text);
        m_edit.SendMessage(WM_KEYDOWN, VK_RETURN);
    }
}
