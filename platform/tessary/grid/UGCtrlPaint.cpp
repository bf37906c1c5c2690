// How the grid lays itself out, paints, finds what a point hits, and prints.
#include "platform/afx/CDC.h"
#include "platform/afx/CPaintDC.h"
#include "platform/afx/CPen.h"
#include "platform/afx/PrintJobs.h"
#include "platform/tessary/grid/UGCtrl.h"
#include "platform/win/gdi/TextMetrics.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr int kScrollWidth = 16;
constexpr int kTextMargin = 4;
constexpr int kCheckSize = 11;
constexpr int kTabPadding = 12;
constexpr int kButtonWidth = 16;
// How near a heading's right border the pointer must be to drag it.
constexpr int kBorderGrip = 3;
constexpr COLORREF kHeadingFace = RGB(224, 224, 224);
constexpr COLORREF kGridLine = RGB(192, 192, 192);
constexpr COLORREF kSelectedBack = RGB(200, 220, 245);
constexpr COLORREF kCurrentBorder = RGB(0, 0, 128);

SIZE Measure(HFONT font, const CString& text) {
    const HDC dc = ::GetDC(HWND{});
    ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32(dc, text.GetString(), text.GetLength(), &size);
    ::ReleaseDC(HWND{}, dc);
    return size;
}

} // namespace

int CUGCtrl::SideWidth() const {
    const std::string widest(std::to_string(std::max(GetNumberRows(), 99L)).size(), '9');
    return static_cast<int>(Measure(static_cast<HFONT>(m_font), widest.c_str()).cx) +
           2 * kTextMargin + 4;
}

CRect CUGCtrl::CellsArea() const {
    CRect client;
    if (m_hWnd) {
        GetClientRect(&client);
    }
    const int bar = m_rowHeight;
    return {std::min<LONG>(client.left + SideWidth(), client.right),
            std::min<LONG>(client.top + GetTH_Height(), client.bottom),
            std::max<LONG>(client.left, client.right - kScrollWidth),
            std::max<LONG>(client.top, client.bottom - bar)};
}

int CUGCtrl::HeadingRowHeight() const {
    return std::max(1, GetTH_Height() / GetTH_NumberRows());
}

LONG CUGCtrl::ColumnsWidth(int first, int last) const {
    LONG width = 0;
    for (int col = first; col <= last; ++col) {
        width += GetColWidth(col);
    }
    return width;
}

CRect CUGCtrl::ButtonRect(const CRect& cell) const {
    return {std::max(cell.left, cell.right - kButtonWidth), cell.top, cell.right, cell.bottom};
}

int CUGCtrl::SizingBorderAt(CPoint point) const {
    const CRect heading = CellRect(0, -1);
    if (GetNumberCols() == 0 || point.y < heading.top || point.y >= heading.bottom) {
        return -1;
    }
    for (int col = Current().leftCol; col < GetNumberCols(); ++col) {
        const LONG right = CellRect(col, -1).right;
        if (right > 0 && std::abs(point.x - right) <= kBorderGrip) {
            return col;
        }
    }
    return -1;
}

long CUGCtrl::RowsInView() const {
    return std::max(1L, static_cast<long>(CellsArea().Height() / m_rowHeight));
}

int CUGCtrl::ColsInView() const {
    const Sheet& sheet = Current();
    int room = CellsArea().Width();
    int count = 0;
    for (int col = sheet.leftCol; col < sheet.cols; ++col) {
        room -= sheet.widths[static_cast<std::size_t>(col)];
        if (room < 0) {
            break;
        }
        ++count;
    }
    return std::max(count, 1);
}

void CUGCtrl::Layout() {
    m_rowHeight = static_cast<int>(Measure(static_cast<HFONT>(m_font), "Wg").cy) + 6;
    if (!m_hWnd) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    const CRect cells = CellsArea();
    const Sheet& sheet = Current();
    m_vscroll.rect = {cells.right, client.top, client.right, cells.bottom};
    m_vscroll.range = static_cast<int>(sheet.rows);
    m_vscroll.page = static_cast<int>(RowsInView());
    m_vscroll.pos = std::clamp(static_cast<int>(sheet.topRow), 0, m_vscroll.MaxPos());
    Current().topRow = m_vscroll.pos;
    // The column bar takes the right half of the bottom strip; the tabs the left.
    const LONG middle = client.left + client.Width() / 2;
    m_hscroll.vertical = false;
    m_hscroll.rect = {middle, cells.bottom, cells.right, client.bottom};
    m_hscroll.range = sheet.cols;
    m_hscroll.page = ColsInView();
    m_hscroll.pos = std::clamp(sheet.leftCol, 0, std::max(sheet.cols - 1, 0));
}

CRect CUGCtrl::TabRect(int sheet) const {
    if (!m_hWnd || sheet < 0 || sheet >= GetNumberSheets()) {
        return {};
    }
    CRect client;
    GetClientRect(&client);
    LONG left = client.left + 2;
    for (int index = 0; index <= sheet; ++index) {
        const LONG width =
            Measure(static_cast<HFONT>(m_font), GetTabName(index)).cx + 2 * kTabPadding;
        if (index == sheet) {
            return {left, client.bottom - m_rowHeight, left + width, client.bottom};
        }
        left += width;
    }
    return {};
}

CRect CUGCtrl::CellRect(int col, long row) const {
    const Sheet& sheet = Current();
    const CRect area = CellsArea();
    if (row >= 0 && (row < sheet.topRow || row >= sheet.topRow + RowsInView())) {
        return {};
    }
    const int height = row < 0 ? HeadingRowHeight() : m_rowHeight;
    const LONG top = row < 0 ? area.top + static_cast<LONG>(row) * height
                             : area.top + static_cast<LONG>(row - sheet.topRow) * height;
    if (col < 0) {
        return {0, top, area.left, top + height};
    }
    if (col < sheet.leftCol || col >= sheet.cols) {
        return {};
    }
    const LONG left = area.left + ColumnsWidth(sheet.leftCol, col - 1);
    return {left, top, left + sheet.widths[static_cast<std::size_t>(col)], top + height};
}

CUGCtrl::Hit CUGCtrl::HitTest(CPoint point) const {
    const Sheet& sheet = Current();
    const CRect area = CellsArea();
    Hit hit;
    const LONG headingTop = area.top - HeadingRowHeight() * GetTH_NumberRows();
    if (point.y < headingTop || point.y >= area.bottom || point.x >= area.right) {
        return hit;
    }
    hit.row = point.y < area.top ? -1 - (area.top - 1 - point.y) / HeadingRowHeight()
                                 : sheet.topRow + (point.y - area.top) / m_rowHeight;
    if (hit.row >= sheet.rows) {
        return {};
    }
    if (point.x < area.left) {
        hit.col = -1;
        return hit;
    }
    LONG left = area.left;
    for (int col = sheet.leftCol; col < sheet.cols; ++col) {
        const LONG right = left + sheet.widths[static_cast<std::size_t>(col)];
        if (point.x >= left && point.x < right) {
            hit.col = col;
            return hit;
        }
        left = right;
    }
    return {};
}

void CUGCtrl::DrawCell(CDC& dc, const CRect& rect, const CUGCell& cell, bool selected,
                       bool heading) {
    dc.FillSolidRect(&rect, heading    ? kHeadingFace
                            : selected ? kSelectedBack
                                       : cell.GetBackColor());
    CPen line(PS_SOLID, 1, kGridLine);
    CPen* oldPen = dc.SelectObject(&line);
    dc.MoveTo(rect.right - 1, rect.top);
    dc.LineTo(rect.right - 1, rect.bottom);
    dc.MoveTo(rect.left, rect.bottom - 1);
    dc.LineTo(rect.right, rect.bottom - 1);
    dc.SelectObject(oldPen);
    CRect text = rect;
    text.DeflateRect(kTextMargin, 0);
    if (cell.GetCellType() == UGCT_CHECKBOX) {
        const int top = rect.top + (rect.Height() - kCheckSize) / 2;
        const int left = cell.GetCellTypeEx() & UGCT_CHECKBOXLABEL
                             ? text.left
                             : rect.left + (rect.Width() - kCheckSize) / 2;
        const CRect box(left, top, left + kCheckSize, top + kCheckSize);
        dc.FillSolidRect(&box, RGB(255, 255, 255));
        dc.Draw3dRect(&box, RGB(64, 64, 64), RGB(64, 64, 64));
        if (cell.IsChecked()) {
            CPen mark(PS_SOLID, 2, RGB(0, 0, 0));
            CPen* old = dc.SelectObject(&mark);
            dc.MoveTo(box.left + 2, box.top + 5);
            dc.LineTo(box.left + 4, box.bottom - 3);
            dc.LineTo(box.right - 2, box.top + 2);
            dc.SelectObject(old);
        }
        if (!(cell.GetCellTypeEx() & UGCT_CHECKBOXLABEL)) {
            return;
        }
        text.left = box.right + kTextMargin;
    }
    const CString& shown =
        cell.GetCellType() == UGCT_CHECKBOX ? cell.GetLabelText() : cell.GetText();
    if (cell.GetCellType() == UGCT_FILEBUTTON && !heading) {
        // The button with its ellipsis, and the text beside it.
        const CRect button = ButtonRect(rect);
        dc.FillSolidRect(&button, kHeadingFace);
        dc.Draw3dRect(&button, RGB(255, 255, 255), RGB(96, 96, 96));
        dc.SetTextColor(RGB(0, 0, 0));
        dc.SetBkMode(TRANSPARENT);
        CFont* old = dc.SelectObject(&m_font);
        CRect dots = button;
        dc.DrawText("...", &dots, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
        dc.SelectObject(old);
        text.right = button.left;
    }
    CFont* own = cell.GetFont();
    CFont* oldFont = dc.SelectObject(own ? own : heading || cell.GetBold() ? &m_boldFont : &m_font);
    dc.SetTextColor(cell.GetTextColor());
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(shown, &text,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | cell.GetAlignment());
    if (cell.GetCellType() == UGCT_DROPLIST && !heading) {
        // A small arrow says the cell offers a list.
        const int x = rect.right - 9;
        const int y = rect.CenterPoint().y;
        const POINT arrow[] = {{x - 3, y - 1}, {x + 3, y - 1}, {x, y + 2}};
        dc.Polygon(arrow, 3);
    }
    dc.SelectObject(oldFont);
}

void CUGCtrl::DrawHeadings(CDC& dc, const CRect& area, int left, int leftCol, int lastCol) {
    const Sheet& sheet = Current();
    const int height = HeadingRowHeight();
    const LONG bottom = area.top + GetTH_Height();
    CUGCell corner;
    if (left > area.left) {
        DrawCell(dc, CRect(area.left, area.top, left, bottom), corner, false, true);
    }
    dc.FillSolidRect(CRect(left, area.top, area.right, bottom), kHeadingFace);
    for (long row = -1; row >= -GetTH_NumberRows(); --row) {
        const LONG top = bottom + static_cast<LONG>(row) * height;
        const auto& cells = sheet.headings[static_cast<std::size_t>(-row - 1)];
        LONG x = left;
        for (int col = leftCol; col <= lastCol && x < area.right;) {
            // A join shows its first cell across all of its columns in view.
            const Block* join = JoinOf(col, row);
            const int last = join ? std::min(join->c1, lastCol) : col;
            const CUGCell& cell = cells[static_cast<std::size_t>(join ? join->c0 : col)];
            const LONG right = x + ColumnsWidth(col, last);
            DrawCell(dc, CRect(x, top, right, top + height), cell, false, true);
            x = right;
            col = last + 1;
        }
    }
}

void CUGCtrl::Draw(CDC& dc, const CRect& area, int leftCol, int lastCol, long topRow, long lastRow,
                   bool screen) {
    const Sheet& sheet = Current();
    const int side = screen ? SideWidth() : 0;
    DrawHeadings(dc, area, area.left + side, leftCol, lastCol);
    LONG top = area.top + GetTH_Height();
    for (long row = topRow; row <= lastRow && top + m_rowHeight <= area.bottom; ++row) {
        LONG left = area.left;
        if (screen) {
            CUGCell number;
            number.SetText(std::to_string(row + 1).c_str());
            number.SetAlignment(DT_RIGHT);
            DrawCell(dc, CRect(left, top, left + side, top + m_rowHeight), number, false, true);
            left += side;
        }
        const auto& cells = sheet.cells[static_cast<std::size_t>(row)];
        for (int col = leftCol; col <= lastCol && left < area.right; ++col) {
            const LONG right = left + sheet.widths[static_cast<std::size_t>(col)];
            const CRect rect(left, top, right, top + m_rowHeight);
            DrawCell(dc, rect, cells[static_cast<std::size_t>(col)], screen && IsSelected(col, row),
                     false);
            if (screen && row == sheet.curRow && col == sheet.curCol) {
                dc.Draw3dRect(&rect, kCurrentBorder, kCurrentBorder);
            }
            left = right;
        }
        top += m_rowHeight;
    }
}

void CUGCtrl::DrawTabs(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(CRect(client.left, client.bottom - m_rowHeight, client.right, client.bottom),
                     kHeadingFace);
    CFont* oldFont = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    for (int sheet = 0; sheet < GetNumberSheets(); ++sheet) {
        CRect tab = TabRect(sheet);
        if (tab.left >= m_hscroll.rect.left) {
            break;
        }
        // A sheet of no name has no tab to show.
        if (GetTabName(sheet).IsEmpty()) {
            continue;
        }
        const bool current = sheet == m_sheet;
        dc.FillSolidRect(&tab, current ? RGB(255, 255, 255) : kHeadingFace);
        dc.Draw3dRect(&tab, RGB(128, 128, 128), RGB(64, 64, 64));
        dc.SelectObject(current ? &m_boldFont : &m_font);
        dc.SetTextColor(RGB(0, 0, 0));
        dc.DrawText(GetTabName(sheet), &tab, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    }
    dc.SelectObject(oldFont);
}

void CUGCtrl::OnPaint() {
    CPaintDC dc(this);
    Layout();
    CRect client;
    GetClientRect(&client);
    const CRect cells = CellsArea();
    dc.FillSolidRect(&client, RGB(255, 255, 255));
    const Sheet& sheet = Current();
    const long last = std::min(sheet.rows - 1, sheet.topRow + RowsInView());
    if (sheet.cols > 0) {
        CRect area(client.left, client.top, cells.right, cells.bottom);
        const int saved = dc.SaveDC();
        dc.IntersectClipRect(&area);
        Draw(dc, area, sheet.leftCol, sheet.cols - 1, sheet.topRow, last, true);
        dc.RestoreDC(saved);
    }
    m_vscroll.Paint(dc.m_hDC, hb::win::detail::ScrollPart::None);
    DrawTabs(dc);
    m_hscroll.Paint(dc.m_hDC, hb::win::detail::ScrollPart::None);
}

int CUGCtrl::PrintInit(CDC*, CPrintDialog*, int c0, long r0, int c1, long r1) {
    m_printBlock = {std::max(c0, 0), std::min(c1, GetNumberCols() - 1), std::max(r0, 0L),
                    std::min(r1, GetNumberRows() - 1)};
    m_printColumnSpans.clear();
    const CRect page(0, 0, hb::afx::kPrintPageWidth, hb::afx::kPrintPageHeight);
    m_printRowsPerPage =
        std::max(1L, static_cast<long>((page.Height() - GetTH_Height()) / m_rowHeight));
    // Columns that do not fit across one page go on pages of their own.
    int first = m_printBlock.c0;
    int width = 0;
    for (int col = m_printBlock.c0; col <= m_printBlock.c1; ++col) {
        const int w = GetColWidth(col);
        if (col > first && width + w > page.Width()) {
            m_printColumnSpans.emplace_back(first, col - 1);
            first = col;
            width = 0;
        }
        width += w;
    }
    if (m_printBlock.c1 >= m_printBlock.c0) {
        m_printColumnSpans.emplace_back(first, m_printBlock.c1);
    }
    const long rows = m_printBlock.r1 - m_printBlock.r0 + 1;
    const long rowPages = std::max(1L, (rows + m_printRowsPerPage - 1) / m_printRowsPerPage);
    return static_cast<int>(rowPages *
                            std::max<long>(1, static_cast<long>(m_printColumnSpans.size())));
}

int CUGCtrl::PrintPage(CDC* pDC, int page) {
    if (!pDC || page < 1) {
        return 1;
    }
    if (m_printColumnSpans.empty()) {
        return 0; // an empty block prints an empty page
    }
    const int spans = static_cast<int>(m_printColumnSpans.size());
    const long rowPage = (page - 1) / spans;
    const auto [c0, c1] = m_printColumnSpans[static_cast<std::size_t>((page - 1) % spans)];
    const long r0 = m_printBlock.r0 + rowPage * m_printRowsPerPage;
    if (r0 > m_printBlock.r1 && rowPage > 0) {
        return 1;
    }
    const long r1 = std::min(m_printBlock.r1, r0 + m_printRowsPerPage - 1);
    const CRect area(0, 0, hb::afx::kPrintPageWidth, hb::afx::kPrintPageHeight);
    Draw(*pDC, area, c0, c1, r0, r1, false);
    return 0;
}
