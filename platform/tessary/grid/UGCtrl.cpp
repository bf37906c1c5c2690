#include "platform/tessary/grid/UGCtrl.h"

#include "platform/win/core/Hooks.h"
#include "platform/win/core/Keyboard.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/gdi/Objects.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CUGCtrl, CWnd)

BEGIN_MESSAGE_MAP(CUGCtrl, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_MOUSEWHEEL()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &CUGCtrl::OnHintText)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CUGCtrl::InplaceEdit, CEdit)
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {

constexpr UINT kEditId = 1;
constexpr int kWheelRows = 3;
constexpr int kSmallestWidth = 8;

bool Held(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

} // namespace

CUGCtrl::CUGCtrl() {
    LOGFONT lf{};
    ::GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    m_font.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_boldFont.CreateFontIndirect(&lf);
    SetNumberSheets(1);
}

CUGCtrl::~CUGCtrl() {
    if (m_hWnd) {
        DestroyWindow();
    }
}

BOOL CUGCtrl::CreateGrid(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!CreateEx(0, nullptr, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID)) {
        return FALSE;
    }
    EnableToolTips();
    Layout();
    return TRUE;
}

void CUGCtrl::SetNumberSheets(int count) {
    EndEdit(false);
    m_sheets.resize(static_cast<std::size_t>(std::max(count, 1)));
    for (auto& sheet : m_sheets) {
        if (!sheet) {
            sheet = std::make_unique<Sheet>();
        }
    }
    m_sheet = std::min(m_sheet, GetNumberSheets() - 1);
    Layout();
}

void CUGCtrl::SetSheetNumber(int sheet) {
    if (sheet < 0 || sheet >= GetNumberSheets() || sheet == m_sheet) {
        return;
    }
    EndEdit(false);
    m_sheet = sheet;
    Layout();
    RedrawAll();
    OnSheetChanged(sheet);
}

void CUGCtrl::SetTabName(int sheet, LPCSTR name) {
    if (sheet >= 0 && sheet < GetNumberSheets()) {
        m_sheets[static_cast<std::size_t>(sheet)]->name = name ? name : "";
    }
}

CString CUGCtrl::GetTabName(int sheet) const {
    return sheet >= 0 && sheet < GetNumberSheets() ? m_sheets[static_cast<std::size_t>(sheet)]->name
                                                   : CString();
}

void CUGCtrl::SetNumberCols(int count) {
    Sheet& sheet = Current();
    sheet.cols = std::max(count, 0);
    sheet.widths.resize(static_cast<std::size_t>(sheet.cols), 80);
    for (auto& row : sheet.headings) {
        row.resize(static_cast<std::size_t>(sheet.cols));
    }
    sheet.hints.resize(static_cast<std::size_t>(sheet.cols) + 1);
    for (Block& join : sheet.joins) {
        join.c1 = std::min(join.c1, sheet.cols - 1);
    }
    std::erase_if(sheet.joins, [](const Block& join) { return join.c1 <= join.c0; });
    for (auto& row : sheet.cells) {
        row.resize(static_cast<std::size_t>(sheet.cols));
    }
    sheet.curCol = std::clamp(sheet.curCol, 0, std::max(sheet.cols - 1, 0));
    Layout();
}

int CUGCtrl::GetNumberCols() const {
    return Current().cols;
}

void CUGCtrl::SetNumberRows(long count) {
    EndEdit(false);
    Sheet& sheet = Current();
    sheet.rows = std::max(count, 0L);
    sheet.cells.resize(static_cast<std::size_t>(sheet.rows),
                       std::vector<CUGCell>(static_cast<std::size_t>(sheet.cols)));
    sheet.curRow = std::clamp(sheet.curRow, 0L, std::max(sheet.rows - 1, 0L));
    std::erase_if(sheet.selection, [&](const Block& b) { return b.r0 >= sheet.rows; });
    for (Block& block : sheet.selection) {
        block.r1 = std::min(block.r1, sheet.rows - 1);
    }
    Layout();
}

long CUGCtrl::GetNumberRows() const {
    return Current().rows;
}

void CUGCtrl::SetColWidth(int col, int width) {
    if (col >= 0 && col < GetNumberCols()) {
        Current().widths[static_cast<std::size_t>(col)] = std::max(width, 0);
        Layout();
    }
}

int CUGCtrl::GetColWidth(int col) const {
    return col >= 0 && col < GetNumberCols() ? Current().widths[static_cast<std::size_t>(col)] : 0;
}

CUGCell* CUGCtrl::Cell(int col, long row) {
    return const_cast<CUGCell*>(std::as_const(*this).Cell(col, row));
}

const CUGCell* CUGCtrl::Cell(int col, long row) const {
    const Sheet& sheet = Current();
    const long headingRows = static_cast<long>(sheet.headings.size());
    if (col < 0 || col >= sheet.cols || row >= sheet.rows || row < -headingRows) {
        return nullptr;
    }
    return row < 0
               ? &sheet.headings[static_cast<std::size_t>(-row - 1)][static_cast<std::size_t>(col)]
               : &sheet.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

BOOL CUGCtrl::GetCell(int col, long row, CUGCell* cell) const {
    const CUGCell* found = Cell(col, row);
    if (!found || !cell) {
        return FALSE;
    }
    *cell = *found;
    return TRUE;
}

BOOL CUGCtrl::SetCell(int col, long row, const CUGCell* cell) {
    CUGCell* found = Cell(col, row);
    if (!found || !cell) {
        return FALSE;
    }
    *found = *cell;
    return TRUE;
}

void CUGCtrl::QuickSetText(int col, long row, LPCSTR text) {
    if (CUGCell* cell = Cell(col, row)) {
        cell->SetText(text);
    }
}

CString CUGCtrl::QuickGetText(int col, long row) const {
    const CUGCell* cell = Cell(col, row);
    return cell ? cell->GetText() : CString();
}

void CUGCtrl::SetTH_NumberRows(int count) {
    Sheet& sheet = Current();
    sheet.headings.resize(static_cast<std::size_t>(std::max(count, 1)),
                          std::vector<CUGCell>(static_cast<std::size_t>(sheet.cols)));
    std::erase_if(sheet.joins, [&](const Block& join) { return -join.r0 > count; });
    Layout();
}

int CUGCtrl::GetTH_NumberRows() const {
    return static_cast<int>(Current().headings.size());
}

void CUGCtrl::SetTH_Height(int height) {
    Current().headingHeight = std::max(height, 0);
    Layout();
}

int CUGCtrl::GetTH_Height() const {
    return Current().headingHeight > 0 ? Current().headingHeight : m_rowHeight;
}

BOOL CUGCtrl::JoinCells(int c0, long r0, int c1, long r1) {
    Sheet& sheet = Current();
    if (r0 != r1 || r0 >= 0 || -r0 > GetTH_NumberRows() || c0 < 0 || c1 >= sheet.cols || c1 <= c0) {
        return FALSE;
    }
    std::erase_if(sheet.joins, [&](const Block& join) {
        return join.r0 == r0 && join.c1 >= c0 && join.c0 <= c1;
    });
    sheet.joins.push_back({c0, c1, r0, r0});
    return TRUE;
}

const CUGCtrl::Block* CUGCtrl::JoinOf(int col, long row) const {
    for (const Block& join : Current().joins) {
        if (join.r0 == row && col >= join.c0 && col <= join.c1) {
            return &join;
        }
    }
    return nullptr;
}

void CUGCtrl::SetColumnHint(int col, UINT stringId) {
    Sheet& sheet = Current();
    if (col >= -1 && col < sheet.cols) {
        sheet.hints[static_cast<std::size_t>(col + 1)] = stringId;
    }
}

int CUGCtrl::GetCurrentCol() const {
    return Current().curCol;
}

long CUGCtrl::GetCurrentRow() const {
    return Current().curRow;
}

long CUGCtrl::GetTopRow() const {
    return Current().topRow;
}

void CUGCtrl::GotoCell(int col, long row) {
    Sheet& sheet = Current();
    if (sheet.rows == 0 || sheet.cols == 0) {
        return;
    }
    EndEdit(false);
    sheet.curCol = std::clamp(col, 0, sheet.cols - 1);
    sheet.curRow = std::clamp(row, 0L, sheet.rows - 1);
    sheet.selection = {{sheet.curCol, sheet.curCol, sheet.curRow, sheet.curRow}};
    MakeVisible(sheet.curCol, sheet.curRow);
    RedrawAll();
}

bool CUGCtrl::IsSelected(int col, long row) const {
    return std::ranges::any_of(Current().selection, [&](const Block& b) {
        return col >= b.c0 && col <= b.c1 && row >= b.r0 && row <= b.r1;
    });
}

std::vector<long> CUGCtrl::GetSelectedRows() const {
    std::vector<long> rows;
    for (const Block& block : Current().selection) {
        for (long row = block.r0; row <= block.r1; ++row) {
            rows.push_back(row);
        }
    }
    std::ranges::sort(rows);
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

bool CUGCtrl::GetSelectedRange(int* c0, long* r0, int* c1, long* r1) const {
    const std::vector<Block>& selection = Current().selection;
    if (selection.empty()) {
        return false;
    }
    Block bounds = selection.front();
    for (const Block& block : selection) {
        bounds = {std::min(bounds.c0, block.c0), std::max(bounds.c1, block.c1),
                  std::min(bounds.r0, block.r0), std::max(bounds.r1, block.r1)};
    }
    *c0 = bounds.c0;
    *c1 = bounds.c1;
    *r0 = bounds.r0;
    *r1 = bounds.r1;
    return true;
}

void CUGCtrl::SelectRange(int c0, long r0, int c1, long r1) {
    Sheet& sheet = Current();
    if (sheet.rows == 0 || sheet.cols == 0) {
        return;
    }
    const Block block{std::clamp(std::min(c0, c1), 0, sheet.cols - 1),
                      std::clamp(std::max(c0, c1), 0, sheet.cols - 1),
                      std::clamp(std::min(r0, r1), 0L, sheet.rows - 1),
                      std::clamp(std::max(r0, r1), 0L, sheet.rows - 1)};
    sheet.selection = {block};
    RedrawAll();
}

void CUGCtrl::ClearSelection() {
    Sheet& sheet = Current();
    sheet.selection.clear();
    if (sheet.rows > 0 && sheet.cols > 0) {
        sheet.selection.push_back({sheet.curCol, sheet.curCol, sheet.curRow, sheet.curRow});
    }
    RedrawAll();
}

void CUGCtrl::RedrawAll() {
    if (m_hWnd) {
        Invalidate();
    }
}

void CUGCtrl::RedrawRow(long row) {
    if (!m_hWnd) {
        return;
    }
    CRect rect = CellsArea();
    const long shown = row - Current().topRow;
    if (shown < 0 || shown >= RowsInView()) {
        return;
    }
    rect.top += static_cast<LONG>(shown) * m_rowHeight;
    rect.bottom = rect.top + m_rowHeight;
    rect.left = 0;
    InvalidateRect(&rect);
}

int CUGCtrl::OnEditFinish(int col, long row, CWnd*, LPCSTR text, BOOL cancel) {
    if (!cancel) {
        QuickSetText(col, row, text);
    }
    return 1;
}

void CUGCtrl::OnCellEvent(int, long, int, LPCSTR) {}

void CUGCtrl::OnRowHeadingClick(long row, UINT flags) {
    Select({-1, row}, flags);
    m_dragging = true;
    ::SetCapture(m_hWnd);
}

INT_PTR CUGCtrl::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
    const Hit hit = HitTest(point);
    // The headings of a column; for the side column its corner and every row heading.
    if (hit.col < -1 || (hit.row >= 0 && hit.col != -1)) {
        return -1;
    }
    const Sheet& sheet = Current();
    const UINT hint = sheet.hints[static_cast<std::size_t>(hit.col + 1)];
    if (hint == 0) {
        return -1;
    }
    if (pTI) {
        pTI->hwnd = m_hWnd;
        pTI->uId = static_cast<UINT_PTR>(hit.col + 2);
        pTI->rect = CellRect(hit.col, hit.row);
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return static_cast<INT_PTR>(hint);
}

BOOL CUGCtrl::OnHintText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    auto* info = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    const auto column = static_cast<std::size_t>(pNMHDR->idFrom) - 1;
    const std::vector<UINT>& hints = Current().hints;
    m_hintText.Empty();
    if (column < hints.size() && hints[column] != 0) {
        m_hintText.LoadString(hints[column]);
    }
    info->lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(m_hintText));
    *pResult = 0;
    return TRUE;
}

BOOL CUGCtrl::StartEdit(int key) {
    const Sheet& sheet = Current();
    const CUGCell* cell = Cell(sheet.curCol, sheet.curRow);
    if (!m_hWnd || !cell || cell->GetReadOnly() || cell->GetCellType() == UGCT_CHECKBOX) {
        return FALSE;
    }
    EndEdit(false);
    MakeVisible(sheet.curCol, sheet.curRow);
    m_editCol = sheet.curCol;
    m_editRow = sheet.curRow;
    m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                  CellRect(m_editCol, m_editRow), this, kEditId);
    m_edit.SendMessage(WM_SETFONT,
                       static_cast<WPARAM>(hb::win::ParamFromHandle(static_cast<HFONT>(m_font))));
    if (key != 0) {
        const char typed[2] = {static_cast<char>(key), 0};
        m_edit.SetWindowText(typed);
        m_edit.SetSel(1, 1);
    } else {
        m_edit.SetWindowText(cell->GetText());
        m_edit.SetSel(0, -1);
    }
    m_edit.SetFocus();
    return TRUE;
}

void CUGCtrl::EndEdit(bool commit) {
    if (!m_edit.m_hWnd || m_ending) {
        return;
    }
    m_ending = true;
    CString text;
    m_edit.GetWindowText(text);
    const int col = m_editCol;
    const long row = m_editRow;
    const int taken = OnEditFinish(col, row, &m_edit, text, commit ? FALSE : TRUE);
    if (commit && taken == 0) {
        // Refused: the edit stays open on the text so the user can mend it.
        MessageBeep(MB_ICONEXCLAMATION);
        m_ending = false;
        return;
    }
    m_edit.DestroyWindow();
    m_editCol = -1;
    m_editRow = -1;
    m_ending = false;
    if (m_hWnd) {
        SetFocus();
        if (commit && row == GetCurrentRow() && col == GetCurrentCol()) {
            MoveCurrent(0, 1, false);
        }
        RedrawAll();
    }
}

void CUGCtrl::InplaceEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_RETURN || nChar == VK_ESCAPE) {
        m_grid.EndEdit(nChar == VK_RETURN);
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CUGCtrl::InplaceEdit::OnKillFocus(CWnd* pNewWnd) {
    CEdit::OnKillFocus(pNewWnd);
    // Leaving the cell keeps what was typed when the grid takes it.
    if (m_hWnd && pNewWnd != &m_grid) {
        m_grid.EndEdit(true);
    }
}

void CUGCtrl::MakeVisible(int col, long row) {
    Sheet& sheet = Current();
    const long rows = RowsInView();
    if (row < sheet.topRow) {
        ScrollRows(row);
    } else if (row >= sheet.topRow + rows) {
        ScrollRows(row - rows + 1);
    }
    if (col < sheet.leftCol) {
        ScrollCols(col);
    } else {
        while (col > sheet.leftCol && col >= sheet.leftCol + ColsInView()) {
            ScrollCols(sheet.leftCol + 1);
        }
    }
}

void CUGCtrl::ScrollRows(long top) {
    Sheet& sheet = Current();
    const long pos = std::clamp(top, 0L, static_cast<long>(m_vscroll.MaxPos()));
    if (pos != sheet.topRow) {
        EndEdit(true);
        sheet.topRow = pos;
        m_vscroll.pos = static_cast<int>(pos);
        RedrawAll();
    }
}

void CUGCtrl::ScrollCols(int left) {
    Sheet& sheet = Current();
    const int pos = std::clamp(left, 0, std::max(sheet.cols - 1, 0));
    if (pos != sheet.leftCol) {
        EndEdit(true);
        sheet.leftCol = pos;
        m_hscroll.pos = pos;
        RedrawAll();
    }
}

void CUGCtrl::Select(const Hit& hit, UINT flags) {
    Sheet& sheet = Current();
    if (sheet.rows == 0 || sheet.cols == 0) {
        return;
    }
    const bool wholeRow = hit.col == -1;
    const int col = wholeRow ? sheet.curCol : hit.col;
    const Block picked = wholeRow ? Block{0, sheet.cols - 1, hit.row, hit.row}
                                  : Block{hit.col, hit.col, hit.row, hit.row};
    if (flags & MK_SHIFT) {
        // From the current cell to the one clicked, in place of the last block.
        Block block = wholeRow ? Block{0, sheet.cols - 1, sheet.curRow, hit.row}
                               : Block{sheet.curCol, hit.col, sheet.curRow, hit.row};
        block = {std::min(block.c0, block.c1), std::max(block.c0, block.c1),
                 std::min(block.r0, block.r1), std::max(block.r0, block.r1)};
        if (!sheet.selection.empty()) {
            sheet.selection.pop_back();
        }
        sheet.selection.push_back(block);
    } else {
        if (!(flags & MK_CONTROL)) {
            sheet.selection.clear();
        }
        sheet.selection.push_back(picked);
        sheet.curCol = col;
        sheet.curRow = hit.row;
    }
    RedrawAll();
}

void CUGCtrl::MoveCurrent(int dc, long dr, bool extend) {
    Sheet& sheet = Current();
    if (sheet.rows == 0 || sheet.cols == 0) {
        return;
    }
    const int col = std::clamp(sheet.curCol + dc, 0, sheet.cols - 1);
    const long row = std::clamp(sheet.curRow + dr, 0L, sheet.rows - 1);
    if (extend) {
        Select({col, row}, MK_SHIFT);
        MakeVisible(col, row);
        return;
    }
    GotoCell(col, row);
}

void CUGCtrl::ToggleCheck(int col, long row) {
    const CUGCell* cell = Cell(col, row);
    if (!cell || cell->GetReadOnly()) {
        return;
    }
    const LPCSTR value = cell->IsChecked() ? "0" : "1";
    if (OnEditFinish(col, row, nullptr, value, FALSE) == 0) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    OnCellEvent(col, row, UGCT_CHECKBOXSET, value);
    RedrawRow(row);
}

void CUGCtrl::ChooseNextItem(int col, long row) {
    const CUGCell* cell = Cell(col, row);
    if (!cell || cell->GetReadOnly()) {
        return;
    }
    std::vector<CString> items;
    const std::string label = cell->GetLabelText().str();
    for (std::size_t start = 0; start <= label.size();) {
        const std::size_t end = std::min(label.find('\n', start), label.size());
        if (end > start) {
            items.emplace_back(label.substr(start, end - start).c_str());
        }
        start = end + 1;
    }
    if (items.empty()) {
        return;
    }
    auto at = std::ranges::find(items, cell->GetText());
    const CString next = at == items.end() || at + 1 == items.end() ? items.front() : *(at + 1);
    if (OnEditFinish(col, row, nullptr, next, FALSE) == 0) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    OnCellEvent(col, row, UGCT_DROPLISTSELECT, next);
    RedrawRow(row);
}

void CUGCtrl::OnSize(UINT, int, int) {
    EndEdit(true);
    Layout();
    RedrawAll();
}

bool CUGCtrl::ClickScrollBars(CPoint point) {
    using hb::win::detail::ScrollPart;
    for (auto* bar : {&m_vscroll, &m_hscroll}) {
        int target = bar->pos;
        switch (bar->PartAt(point)) {
        case ScrollPart::LineBack:
            --target;
            break;
        case ScrollPart::LineForward:
            ++target;
            break;
        case ScrollPart::PageBack:
            target -= std::max(bar->page, 1);
            break;
        case ScrollPart::PageForward:
            target += std::max(bar->page, 1);
            break;
        case ScrollPart::Thumb:
            return true;
        default:
            continue;
        }
        if (bar == &m_vscroll) {
            ScrollRows(target);
        } else {
            ScrollCols(target);
        }
        return true;
    }
    return false;
}

void CUGCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    SetFocus();
    if (ClickScrollBars(point)) {
        return;
    }
    for (int sheet = 0; sheet < GetNumberSheets(); ++sheet) {
        if (TabRect(sheet).PtInRect(point)) {
            SetSheetNumber(sheet);
            return;
        }
    }
    if (const int col = SizingBorderAt(point); col >= 0) {
        EndEdit(true);
        m_sizingCol = col;
        ::SetCapture(m_hWnd);
        return;
    }
    const Hit hit = HitTest(point);
    if (hit.row < 0 || hit.col < -1) {
        return;
    }
    EndEdit(true);
    if (hit.col == -1) {
        OnRowHeadingClick(hit.row, static_cast<UINT>(nFlags));
        return;
    }
    Select(hit, static_cast<UINT>(nFlags));
    if (!(nFlags & (MK_SHIFT | MK_CONTROL))) {
        const CUGCell* cell = Cell(hit.col, hit.row);
        if (cell && cell->GetCellType() == UGCT_CHECKBOX) {
            ToggleCheck(hit.col, hit.row);
        } else if (cell && cell->GetCellType() == UGCT_FILEBUTTON &&
                   ButtonRect(CellRect(hit.col, hit.row)).PtInRect(point)) {
            OnCellEvent(hit.col, hit.row, UGCT_BUTTONCLICK, cell->GetText());
            return;
        }
    }
    m_dragging = true;
    ::SetCapture(m_hWnd);
}

void CUGCtrl::OnMouseMove(UINT, CPoint point) {
    if (m_sizingCol >= 0) {
        const LONG left = CellRect(m_sizingCol, -1).left;
        SetColWidth(m_sizingCol, std::max<int>(kSmallestWidth, point.x - left));
        RedrawAll();
        return;
    }
    if (!m_dragging) {
        return;
    }
    const Hit hit = HitTest(point);
    if (hit.row >= 0 && hit.col >= 0 &&
        (hit.row != Current().curRow || hit.col != Current().curCol ||
         Current().selection.size() > 1)) {
        Select(hit, MK_SHIFT);
    }
}

void CUGCtrl::OnLButtonUp(UINT, CPoint) {
    if (m_sizingCol >= 0) {
        const int col = std::exchange(m_sizingCol, -1);
        ::ReleaseCapture();
        OnColumnSized(col, GetColWidth(col));
        return;
    }
    if (m_dragging) {
        m_dragging = false;
        ::ReleaseCapture();
    }
}

void CUGCtrl::OnLButtonDblClk(UINT, CPoint point) {
    const Hit hit = HitTest(point);
    if (hit.row < 0 || hit.col < 0) {
        return;
    }
    GotoCell(hit.col, hit.row);
    const CUGCell* cell = Cell(hit.col, hit.row);
    if (cell && cell->GetCellType() == UGCT_DROPLIST) {
        ChooseNextItem(hit.col, hit.row);
        return;
    }
    if (cell && cell->GetCellType() == UGCT_FILEBUTTON) {
        OnCellEvent(hit.col, hit.row, UGCT_BUTTONCLICK, cell->GetText());
        return;
    }
    StartEdit();
}

void CUGCtrl::OnRButtonDown(UINT, CPoint point) {
    const Hit hit = HitTest(point);
    if (hit.row >= 0 && hit.col >= 0 && !IsSelected(hit.col, hit.row)) {
        GotoCell(hit.col, hit.row);
    }
    CPoint screen = point;
    ClientToScreen(&screen);
    if (const HWND parent = ::GetParent(m_hWnd)) {
        ::SendMessage(parent, WM_CONTEXTMENU, static_cast<WPARAM>(hb::win::ParamFromHandle(m_hWnd)),
                      MAKELPARAM(screen.x, screen.y));
    }
}

BOOL CUGCtrl::OnMouseWheel(UINT, short zDelta, CPoint) {
    ScrollRows(Current().topRow - zDelta / 120 * kWheelRows);
    return TRUE;
}

void CUGCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    const bool extend = Held(VK_SHIFT);
    const long page = std::max(RowsInView() - 1, 1L);
    switch (nChar) {
    case VK_UP:
        MoveCurrent(0, -1, extend);
        break;
    case VK_DOWN:
        MoveCurrent(0, 1, extend);
        break;
    case VK_LEFT:
        MoveCurrent(-1, 0, extend);
        break;
    case VK_RIGHT:
    case VK_TAB:
        MoveCurrent(1, 0, extend);
        break;
    case VK_PRIOR:
        MoveCurrent(0, -page, extend);
        break;
    case VK_NEXT:
        MoveCurrent(0, page, extend);
        break;
    case VK_HOME:
        MoveCurrent(0, -GetNumberRows(), extend);
        break;
    case VK_END:
        MoveCurrent(0, GetNumberRows(), extend);
        break;
    case VK_F2:
    case VK_RETURN:
        StartEdit();
        break;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CUGCtrl::OnChar(UINT nChar, UINT, UINT) {
    const CUGCell* cell = Cell(GetCurrentCol(), GetCurrentRow());
    if (!cell) {
        return;
    }
    if (nChar == ' ' && cell->GetCellType() == UGCT_CHECKBOX) {
        ToggleCheck(GetCurrentCol(), GetCurrentRow());
    } else if (nChar == ' ' && cell->GetCellType() == UGCT_DROPLIST) {
        ChooseNextItem(GetCurrentCol(), GetCurrentRow());
    } else if (nChar >= ' ' && nChar < 0x7F) {
        StartEdit(static_cast<int>(nChar));
    }
}
