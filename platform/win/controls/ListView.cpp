// The "SysListView32" class, in report view: rows of texts under column headings. The headings
// are a "SysHeader32" child (id 0) that holds each column's text, width and alignment; the list
// keeps which sub-item each column shows. Every view style is shown as the report view.
//
// The parent hears of user clicks (NM_CLICK, NM_DBLCLK), of every state change (LVN_ITEMCHANGED),
// of rows going (LVN_DELETEITEM), of the header's notifications, and is asked for row colours
// while the list paints (NM_CUSTOMDRAW).
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/controls/ListViewMessages.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/ImageList.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

constexpr int kCellMargin = 4;
constexpr int kImageLists = 3;

struct Row {
    std::vector<std::string> texts; // by sub-item
    int image = 0;
    LPARAM param = 0;
    UINT state = 0;
};

struct ListState {
    HFONT font;
    HWND header;
    std::vector<int> subItems; // the sub-item each column shows
    std::vector<Row> rows;
    DWORD exStyle = 0;
    HIMAGELIST images[kImageLists];
    int top = 0;
    int mark = -1;
    bool focused = false;
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    COLORREF textBk = GetSysColor(COLOR_WINDOW);
    COLORREF bk = GetSysColor(COLOR_WINDOW);
};

struct Column {
    int left = 0;
    int right = 0;
    int fmt = 0;
    int subItem = 0;
};

int Count(const ListState& state) {
    return static_cast<int>(state.rows.size());
}

bool InRange(const ListState& state, int row) {
    return row >= 0 && row < Count(state);
}

const std::string& TextOf(const Row& row, int subItem) {
    static const std::string none;
    return subItem >= 0 && static_cast<std::size_t>(subItem) < row.texts.size()
               ? row.texts[static_cast<std::size_t>(subItem)]
               : none;
}

// Sub-item 0 is the item itself; any other sub-item needs a column, or a column that shows it.
bool HasSubItem(const ListState& state, int subItem) {
    return subItem == 0 ||
           (subItem > 0 && (static_cast<std::size_t>(subItem) < state.subItems.size() ||
                            std::ranges::find(state.subItems, subItem) != state.subItems.end()));
}

void SetTextOf(Row& row, int subItem, LPCSTR text) {
    if (static_cast<std::size_t>(subItem) >= row.texts.size()) {
        row.texts.resize(static_cast<std::size_t>(subItem) + 1);
    }
    row.texts[static_cast<std::size_t>(subItem)] = text ? text : "";
}

// Copies up to size - 1 characters and a terminator; returns how many characters were copied.
int CopyText(const std::string& text, LPSTR buffer, int size) {
    if (!buffer || size <= 0) {
        return 0;
    }
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

// Only the report view has column headers.
bool ShowsHeader(HWND hwnd) {
    const DWORD style = StyleOf(hwnd);
    return (style & LVS_TYPEMASK) == LVS_REPORT && !(style & LVS_NOCOLUMNHEADER);
}

int HeaderHeight(HWND hwnd, const ListState& state) {
    return ShowsHeader(hwnd) ? MetricsOfFont(state.font).tmHeight + 6 : 0;
}

SIZE SmallImageSize(const ListState& state) {
    const HIMAGELIST list = state.images[LVSIL_SMALL];
    SIZE size{};
    if (list) {
        ImageList_GetIconSize(list, &size.cx, &size.cy);
    }
    return size;
}

int RowHeight(const ListState& state) {
    return std::max<int>(MetricsOfFont(state.font).tmHeight, SmallImageSize(state).cy) + 2;
}

int RowsPerPage(HWND hwnd, const ListState& state) {
    return std::max(0, (ClientRectOf(hwnd).bottom - HeaderHeight(hwnd, state)) / RowHeight(state));
}

std::vector<Column> Columns(const ListState& state) {
    std::vector<Column> columns;
    int left = 0;
    for (std::size_t i = 0; i < state.subItems.size(); ++i) {
        HDITEM item;
        item.mask = HDI_WIDTH | HDI_FORMAT;
        SendMessage(state.header, HDM_GETITEM, i, reinterpret_cast<LPARAM>(&item));
        columns.push_back({left, left + item.cxy, item.fmt, state.subItems[i]});
        left += item.cxy;
    }
    return columns;
}

void LayoutHeader(HWND hwnd, const ListState& state) {
    ShowWindow(state.header, ShowsHeader(hwnd) ? SW_SHOW : SW_HIDE);
    MoveWindow(state.header, 0, 0, ClientRectOf(hwnd).right, HeaderHeight(hwnd, state), TRUE);
}

// Where a point falls: the row (-1: none) and the column (-1: none) under it.
struct Hit {
    int row = -1;
    int column = -1;
    UINT flags = LVHT_NOWHERE;
};

// A row is hit in its first column, or anywhere along it with LVS_EX_FULLROWSELECT; `cell` has
// the row and column under the point whether or not the row is hit.
Hit HitAt(HWND hwnd, const ListState& state, POINT pt, Hit* cell = nullptr) {
    Hit hit;
    const int headerHeight = HeaderHeight(hwnd, state);
    const RECT client = ClientRectOf(hwnd);
    if (pt.y < headerHeight || !PtInRect(&client, pt)) {
        return hit;
    }
    const int row = state.top + (pt.y - headerHeight) / RowHeight(state);
    const auto columns = Columns(state);
    int column = -1;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (pt.x >= columns[i].left && pt.x < columns[i].right) {
            column = static_cast<int>(i);
        }
    }
    if (!InRange(state, row) || column < 0) {
        return hit;
    }
    if (cell) {
        *cell = {row, column, LVHT_NOWHERE};
    }
    if (column == 0 || (state.exStyle & LVS_EX_FULLROWSELECT)) {
        const SIZE image = SmallImageSize(state);
        const bool onIcon = column == 0 && image.cx > 0 && pt.x < columns[0].left + 2 + image.cx;
        hit = {row, column, onIcon ? LVHT_ONITEMICON : LVHT_ONITEMLABEL};
    }
    return hit;
}

void Notify(HWND hwnd, UINT code, int row, UINT oldState = 0, UINT newState = 0) {
    NMLISTVIEW note;
    note.iItem = row;
    note.uOldState = oldState;
    note.uNewState = newState;
    note.uChanged = code == LVN_ITEMCHANGED ? LVIF_STATE : 0;
    note.lParam = StateOf<ListState>(hwnd).rows[static_cast<std::size_t>(row)].param;
    NotifyParent(hwnd, code, note.hdr);
}

// Changes the masked state bits of a row. A row newly selected in a LVS_SINGLESEL list takes the
// selection from the others, and a row newly focused takes the focus; each row that changes is
// reported.
void ChangeState(HWND hwnd, int row, UINT state, UINT mask) {
    ListState& list = StateOf<ListState>(hwnd);
    if (!InRange(list, row)) {
        return;
    }
    const UINT old = list.rows[static_cast<std::size_t>(row)].state;
    const UINT next = (old & ~mask) | (state & mask);
    if (next == old) {
        return;
    }
    UINT takeFrom = 0;
    if ((next & ~old & LVIS_SELECTED) && (StyleOf(hwnd) & LVS_SINGLESEL)) {
        takeFrom |= LVIS_SELECTED;
    }
    if (next & ~old & LVIS_FOCUSED) {
        takeFrom |= LVIS_FOCUSED;
    }
    for (int other = 0; takeFrom && other < Count(StateOf<ListState>(hwnd)); ++other) {
        if (other != row) {
            ChangeState(hwnd, other, 0, takeFrom);
        }
    }
    ListState& after = StateOf<ListState>(hwnd);
    if (!InRange(after, row)) {
        return;
    }
    after.rows[static_cast<std::size_t>(row)].state = next;
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, LVN_ITEMCHANGED, row, old, next);
}

void ChangeAll(HWND hwnd, UINT state, UINT mask) {
    for (int row = 0; row < Count(StateOf<ListState>(hwnd)); ++row) {
        ChangeState(hwnd, row, state, mask);
    }
}

// A click selects the row under the mouse alone and focuses it; a click beside the rows clears
// the selection. Then the parent hears of the click with the row and column under the mouse.
void Click(HWND hwnd, UINT code, WPARAM keys, POINT pt) {
    SetFocus(hwnd);
    if (!IsWindow(hwnd)) {
        return;
    }
    Hit cell;
    const Hit hit = HitAt(hwnd, StateOf<ListState>(hwnd), pt, &cell);
    if (hit.row >= 0) {
        for (int row = 0; row < Count(StateOf<ListState>(hwnd)); ++row) {
            if (row != hit.row) {
                ChangeState(hwnd, row, 0, LVIS_SELECTED | LVIS_FOCUSED);
            }
        }
        ChangeState(hwnd, hit.row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        StateOf<ListState>(hwnd).mark = hit.row;
    } else if (cell.row < 0) {
        ChangeAll(hwnd, 0, LVIS_SELECTED);
    }
    if (!IsWindow(hwnd)) {
        return;
    }
    NMITEMACTIVATE note;
    note.iItem = cell.row;
    note.iSubItem = cell.column < 0 ? 0 : cell.column;
    note.ptAction = pt;
    note.uKeyFlags = static_cast<UINT>(keys);
    NotifyParent(hwnd, code, note.hdr);
}

LRESULT InsertColumn(HWND hwnd, ListState& state, WPARAM index, const LVCOLUMN* column) {
    if (!column) {
        return -1;
    }
    const std::size_t at = std::min<std::size_t>(index, state.subItems.size());
    HDITEM item;
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
    item.cxy = (column->mask & LVCF_WIDTH) ? column->cx : 0;
    item.pszText = (column->mask & LVCF_TEXT) ? column->pszText : nullptr;
    item.fmt = (column->mask & LVCF_FMT) ? column->fmt & LVCFMT_JUSTIFYMASK : LVCFMT_LEFT;
    SendMessage(state.header, HDM_INSERTITEM, at, reinterpret_cast<LPARAM>(&item));
    state.subItems.insert(state.subItems.begin() + static_cast<std::ptrdiff_t>(at),
                          (column->mask & LVCF_SUBITEM) ? column->iSubItem : static_cast<int>(at));
    InvalidateRect(hwnd, nullptr, TRUE);
    return static_cast<LRESULT>(at);
}

LRESULT SetColumn(HWND hwnd, ListState& state, WPARAM index, const LVCOLUMN* column) {
    if (!column || index >= state.subItems.size()) {
        return FALSE;
    }
    HDITEM item;
    item.mask = ((column->mask & LVCF_WIDTH) ? HDI_WIDTH : 0) |
                ((column->mask & LVCF_TEXT) ? HDI_TEXT : 0) |
                ((column->mask & LVCF_FMT) ? HDI_FORMAT : 0);
    item.cxy = column->cx;
    item.pszText = column->pszText;
    item.fmt = column->fmt & LVCFMT_JUSTIFYMASK;
    SendMessage(state.header, HDM_SETITEM, index, reinterpret_cast<LPARAM>(&item));
    if (column->mask & LVCF_SUBITEM) {
        state.subItems[index] = column->iSubItem;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT GetColumn(const ListState& state, WPARAM index, LVCOLUMN* column) {
    if (!column || index >= state.subItems.size()) {
        return FALSE;
    }
    HDITEM item;
    item.mask = HDI_WIDTH | HDI_FORMAT | ((column->mask & LVCF_TEXT) ? HDI_TEXT : 0);
    item.pszText = column->pszText;
    item.cchTextMax = column->cchTextMax;
    SendMessage(state.header, HDM_GETITEM, index, reinterpret_cast<LPARAM>(&item));
    if (column->mask & LVCF_WIDTH) {
        column->cx = item.cxy;
    }
    if (column->mask & LVCF_FMT) {
        column->fmt = item.fmt;
    }
    if (column->mask & LVCF_SUBITEM) {
        column->iSubItem = state.subItems[index];
    }
    return TRUE;
}

LRESULT InsertItem(HWND hwnd, const LVITEM* item) {
    ListState& state = StateOf<ListState>(hwnd);
    if (!item || item->iSubItem != 0 || item->iItem < 0) {
        return -1;
    }
    const int at = std::min(item->iItem, Count(state));
    Row row;
    if (item->mask & LVIF_TEXT) {
        SetTextOf(row, 0, item->pszText);
    }
    if (item->mask & LVIF_IMAGE) {
        row.image = item->iImage;
    }
    if (item->mask & LVIF_PARAM) {
        row.param = item->lParam;
    }
    state.rows.insert(state.rows.begin() + at, std::move(row));
    if (state.mark >= at) {
        ++state.mark;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    if (item->mask & LVIF_STATE) {
        ChangeState(hwnd, at, item->state, item->stateMask);
    }
    return at;
}

LRESULT SetItem(HWND hwnd, const LVITEM* item) {
    ListState& state = StateOf<ListState>(hwnd);
    if (!item || !InRange(state, item->iItem) || !HasSubItem(state, item->iSubItem)) {
        return FALSE;
    }
    Row& row = state.rows[static_cast<std::size_t>(item->iItem)];
    if (item->mask & LVIF_TEXT) {
        SetTextOf(row, item->iSubItem, item->pszText);
    }
    if (item->iSubItem == 0) {
        if (item->mask & LVIF_IMAGE) {
            row.image = item->iImage;
        }
        if (item->mask & LVIF_PARAM) {
            row.param = item->lParam;
        }
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    if (item->iSubItem == 0 && (item->mask & LVIF_STATE)) {
        ChangeState(hwnd, item->iItem, item->state, item->stateMask);
    }
    return TRUE;
}

LRESULT GetItem(const ListState& state, LVITEM* item) {
    if (!item || !InRange(state, item->iItem)) {
        return FALSE;
    }
    const Row& row = state.rows[static_cast<std::size_t>(item->iItem)];
    if (item->mask & LVIF_TEXT) {
        CopyText(TextOf(row, item->iSubItem), item->pszText, item->cchTextMax);
    }
    if (item->mask & LVIF_IMAGE) {
        item->iImage = row.image;
    }
    if (item->mask & LVIF_PARAM) {
        item->lParam = row.param;
    }
    if (item->mask & LVIF_STATE) {
        item->state = row.state & item->stateMask;
    }
    return TRUE;
}

// The parent hears of the row before it goes.
LRESULT DeleteItem(HWND hwnd, int index) {
    if (!InRange(StateOf<ListState>(hwnd), index)) {
        return FALSE;
    }
    Notify(hwnd, LVN_DELETEITEM, index);
    ListState& state = StateOf<ListState>(hwnd);
    if (!IsWindow(hwnd) || !InRange(state, index)) {
        return FALSE;
    }
    state.rows.erase(state.rows.begin() + index);
    state.mark = state.mark == index ? -1 : state.mark > index ? state.mark - 1 : state.mark;
    state.top = std::clamp(state.top, 0, std::max(0, Count(state) - 1));
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT DeleteAllItems(HWND hwnd) {
    for (int row = 0; row < Count(StateOf<ListState>(hwnd)); ++row) {
        Notify(hwnd, LVN_DELETEITEM, row);
    }
    if (!IsWindow(hwnd)) {
        return FALSE;
    }
    ListState& state = StateOf<ListState>(hwnd);
    state.rows.clear();
    state.mark = -1;
    state.top = 0;
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT NextItem(const ListState& state, int start, UINT flags) {
    const UINT wanted = flags & (LVNI_SELECTED | LVNI_FOCUSED);
    for (int row = std::max(0, start + 1); row < Count(state); ++row) {
        if ((state.rows[static_cast<std::size_t>(row)].state & wanted) == wanted) {
            return row;
        }
    }
    return -1;
}

LRESULT EnsureVisible(HWND hwnd, ListState& state, int row) {
    if (!InRange(state, row)) {
        return FALSE;
    }
    const int page = std::max(1, RowsPerPage(hwnd, state));
    if (row < state.top) {
        state.top = row;
    } else if (row >= state.top + page) {
        state.top = row - page + 1;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

COLORREF Resolve(COLORREF color, int fallback) {
    return color == CLR_DEFAULT ? GetSysColor(fallback) : color;
}

void Fill(HDC hdc, const RECT& rect, COLORREF color) {
    if (color == CLR_NONE) {
        return;
    }
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &rect, brush);
    DeleteObject(brush);
}

// One row: the parent may change its colours (or its font, with CDRF_NEWFONT) first.
void PaintRow(HWND hwnd, HDC hdc, int index, int y, bool askParent,
              const std::vector<Column>& columns) {
    const ListState& state = StateOf<ListState>(hwnd);
    const Row row = state.rows[static_cast<std::size_t>(index)];
    const int height = RowHeight(state);
    const RECT line{0, y, columns.empty() ? 0 : columns.back().right, y + height};
    const bool focusShown = state.focused && (row.state & LVIS_FOCUSED);
    NMLVCUSTOMDRAW draw;
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.hdc = hdc;
    draw.nmcd.rc = line;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(index);
    draw.nmcd.uItemState =
        ((row.state & LVIS_SELECTED) ? CDIS_SELECTED : 0) | (focusShown ? CDIS_FOCUS : 0);
    draw.nmcd.lItemlParam = row.param;
    draw.clrText = state.text;
    draw.clrTextBk = state.textBk;
    const int saved = SaveDC(hdc);
    LRESULT answer = CDRF_DODEFAULT;
    if (askParent) {
        answer = NotifyParent(hwnd, NM_CUSTOMDRAW, draw.nmcd.hdr);
        if ((answer & CDRF_SKIPDEFAULT) || !IsWindow(hwnd)) {
            RestoreDC(hdc, saved);
            return;
        }
        if (!(answer & CDRF_NEWFONT)) {
            SelectObject(hdc, state.font ? HGDIOBJ(state.font) : GetStockObject(DEFAULT_GUI_FONT));
        }
    }
    const bool marked = (draw.nmcd.uItemState & CDIS_SELECTED) &&
                        (state.focused || (StyleOf(hwnd) & LVS_SHOWSELALWAYS));
    const COLORREF markBk = GetSysColor(state.focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
    const COLORREF markText = GetSysColor(state.focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    const HIMAGELIST images = state.images[LVSIL_SMALL];
    const SIZE image = SmallImageSize(state);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Column& column = columns[c];
        RECT cell{column.left, y, column.right, y + height};
        const bool inMark = marked && (c == 0 || (state.exStyle & LVS_EX_FULLROWSELECT));
        Fill(hdc, cell, inMark ? markBk : Resolve(draw.clrTextBk, COLOR_WINDOW));
        if (c == 0 && images && row.image >= 0) {
            ImageList_Draw(images, row.image, hdc, cell.left + 2, y + (height - image.cy) / 2,
                           ILD_NORMAL);
            cell.left += image.cx + 2;
        }
        SetTextColor(hdc, inMark ? markText : Resolve(draw.clrText, COLOR_WINDOWTEXT));
        InflateRect(&cell, -kCellMargin, 0);
        const int justify = column.fmt & LVCFMT_JUSTIFYMASK;
        const UINT align = justify == LVCFMT_RIGHT    ? DT_RIGHT
                           : justify == LVCFMT_CENTER ? DT_CENTER
                                                      : DT_LEFT;
        DrawText(hdc, TextOf(row, column.subItem).c_str(), -1, &cell,
                 align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (state.exStyle & LVS_EX_GRIDLINES) {
        const HBRUSH grid = GetSysColorBrush(COLOR_BTNFACE);
        const RECT bottom{line.left, line.bottom - 1, line.right, line.bottom};
        FillRect(hdc, &bottom, grid);
        for (const Column& column : columns) {
            const RECT edge{column.right - 1, y, column.right, line.bottom};
            FillRect(hdc, &edge, grid);
        }
    }
    if (focusShown) {
        DrawFocusRect(hdc, &line);
    }
    RestoreDC(hdc, saved);
}

void Paint(HWND hwnd, HDC hdc) {
    const ListState& state = StateOf<ListState>(hwnd);
    const RECT client = ClientRectOf(hwnd);
    const int headerHeight = HeaderHeight(hwnd, state);
    SetBkMode(hdc, TRANSPARENT);
    Fill(hdc, {0, headerHeight, client.right, client.bottom}, Resolve(state.bk, COLOR_WINDOW));
    NMLVCUSTOMDRAW draw;
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    draw.nmcd.hdc = hdc;
    draw.nmcd.rc = client;
    const LRESULT answer = NotifyParent(hwnd, NM_CUSTOMDRAW, draw.nmcd.hdr);
    if ((answer & CDRF_SKIPDEFAULT) || !IsWindow(hwnd)) {
        return;
    }
    const auto columns = Columns(state);
    const int height = RowHeight(state);
    for (int row = state.top, y = headerHeight; y < client.bottom; ++row, y += height) {
        if (!IsWindow(hwnd) || !InRange(StateOf<ListState>(hwnd), row)) {
            return;
        }
        PaintRow(hwnd, hdc, row, y, (answer & CDRF_NOTIFYITEMDRAW) != 0, columns);
    }
    if ((answer & CDRF_NOTIFYPOSTPAINT) && IsWindow(hwnd)) {
        draw.nmcd.dwDrawStage = CDDS_POSTPAINT;
        NotifyParent(hwnd, NM_CUSTOMDRAW, draw.nmcd.hdr);
    }
}

std::optional<LRESULT> SetColor(HWND hwnd, COLORREF& color, LPARAM lParam) {
    color = static_cast<COLORREF>(lParam);
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              ListState& state) {
    const int index = static_cast<int>(wParam);
    auto* item = reinterpret_cast<LVITEM*>(lParam);
    switch (message) {
    case WM_CREATE:
        state.header = CreateWindowEx(
            0, WC_HEADER, "", WS_CHILD | ((StyleOf(hwnd) & LVS_NOSORTHEADER) ? 0 : HDS_BUTTONS), 0,
            0, 0, 0, hwnd, 0, nullptr);
        LayoutHeader(hwnd, state);
        return state.header ? 0 : -1;
    case WM_SIZE:
        LayoutHeader(hwnd, state);
        return 0;
    case WM_SETFONT:
        state.font = HandleFromParam<HFONT>(wParam);
        SendMessage(state.header, WM_SETFONT, wParam, lParam);
        LayoutHeader(hwnd, state);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_NOTIFY: // from the header: the parent hears of it too
        if (lParam && reinterpret_cast<const NMHDR*>(lParam)->hwndFrom == state.header) {
            return SendMessage(GetParent(hwnd), WM_NOTIFY, wParam, lParam);
        }
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state.focused = message == WM_SETFOCUS;
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (IsWindowEnabled(hwnd)) {
            Click(hwnd, message == WM_LBUTTONDOWN ? NM_CLICK : NM_DBLCLK, wParam,
                  {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        }
        return 0;
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        const DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFF;
        const DWORD previous = std::exchange(
            state.exStyle, (state.exStyle & ~mask) | (static_cast<DWORD>(lParam) & mask));
        InvalidateRect(hwnd, nullptr, TRUE);
        return static_cast<LRESULT>(previous);
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return static_cast<LRESULT>(state.exStyle);
    case LVM_INSERTCOLUMN:
        return InsertColumn(hwnd, state, wParam, reinterpret_cast<const LVCOLUMN*>(lParam));
    case LVM_DELETECOLUMN:
        if (wParam >= state.subItems.size()) {
            return FALSE;
        }
        SendMessage(state.header, HDM_DELETEITEM, wParam, 0);
        state.subItems.erase(state.subItems.begin() + static_cast<std::ptrdiff_t>(wParam));
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case LVM_SETCOLUMN:
        return SetColumn(hwnd, state, wParam, reinterpret_cast<const LVCOLUMN*>(lParam));
    case LVM_GETCOLUMN:
        return GetColumn(state, wParam, reinterpret_cast<LVCOLUMN*>(lParam));
    case LVM_SETCOLUMNWIDTH: {
        LVCOLUMN column;
        column.mask = LVCF_WIDTH;
        column.cx = static_cast<SHORT>(LOWORD(lParam));
        return column.cx >= 0 ? SetColumn(hwnd, state, wParam, &column) : FALSE;
    }
    case LVM_GETCOLUMNWIDTH: {
        LVCOLUMN column;
        column.mask = LVCF_WIDTH;
        return GetColumn(state, wParam, &column) ? column.cx : 0;
    }
    case LVM_GETHEADER:
        return ParamFromHwnd(state.header);
    case LVM_INSERTITEM:
        return InsertItem(hwnd, item);
    case LVM_SETITEM:
        return SetItem(hwnd, item);
    case LVM_GETITEM:
        return GetItem(state, item);
    case LVM_SETITEMTEXT:
        if (!item || !InRange(state, index) || !HasSubItem(state, item->iSubItem)) {
            return FALSE;
        }
        SetTextOf(state.rows[static_cast<std::size_t>(index)], item->iSubItem, item->pszText);
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case LVM_GETITEMTEXT:
        return item && InRange(state, index)
                   ? CopyText(TextOf(state.rows[static_cast<std::size_t>(index)], item->iSubItem),
                              item->pszText, item->cchTextMax)
                   : 0;
    case LVM_SETITEMSTATE:
        if (!item || (index != -1 && !InRange(state, index))) {
            return FALSE;
        }
        index == -1 ? ChangeAll(hwnd, item->state, item->stateMask)
                    : ChangeState(hwnd, index, item->state, item->stateMask);
        return TRUE;
    case LVM_GETITEMSTATE:
        return InRange(state, index)
                   ? static_cast<LRESULT>(state.rows[static_cast<std::size_t>(index)].state &
                                          static_cast<UINT>(lParam))
                   : 0;
    case LVM_DELETEITEM:
        return DeleteItem(hwnd, index);
    case LVM_DELETEALLITEMS:
        return DeleteAllItems(hwnd);
    case LVM_GETITEMCOUNT:
        return Count(state);
    case LVM_GETNEXTITEM:
        return NextItem(state, index, static_cast<UINT>(lParam));
    case LVM_GETSELECTEDCOUNT:
        return std::ranges::count_if(state.rows,
                                     [](const Row& row) { return row.state & LVIS_SELECTED; });
    case LVM_GETSELECTIONMARK:
        return state.mark;
    case LVM_SETSELECTIONMARK:
        return std::exchange(state.mark, static_cast<int>(lParam));
    case LVM_SETIMAGELIST: {
        if (wParam >= kImageLists) {
            return 0;
        }
        const HIMAGELIST previous = std::exchange(
            state.images[wParam], HandleFromParam<HIMAGELIST>(static_cast<std::uintptr_t>(lParam)));
        InvalidateRect(hwnd, nullptr, TRUE);
        return static_cast<LRESULT>(previous.id());
    }
    case LVM_GETIMAGELIST:
        return wParam < kImageLists ? static_cast<LRESULT>(state.images[wParam].id()) : 0;
    case LVM_ENSUREVISIBLE:
        return EnsureVisible(hwnd, state, index);
    case LVM_GETTOPINDEX:
        return state.top;
    case LVM_GETCOUNTPERPAGE:
        return RowsPerPage(hwnd, state);
    case LVM_SETTEXTCOLOR:
        return SetColor(hwnd, state.text, lParam);
    case LVM_GETTEXTCOLOR:
        return static_cast<LRESULT>(state.text);
    case LVM_SETTEXTBKCOLOR:
        return SetColor(hwnd, state.textBk, lParam);
    case LVM_GETTEXTBKCOLOR:
        return static_cast<LRESULT>(state.textBk);
    case LVM_SETBKCOLOR:
        return SetColor(hwnd, state.bk, lParam);
    case LVM_GETBKCOLOR:
        return static_cast<LRESULT>(state.bk);
    case LVM_HITTEST: {
        auto* info = reinterpret_cast<LVHITTESTINFO*>(lParam);
        if (!info) {
            return -1;
        }
        const Hit hit = HitAt(hwnd, state, info->pt);
        info->flags = hit.flags;
        info->iItem = hit.row;
        info->iSubItem = std::max(0, hit.column);
        return hit.row;
    }
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass(WC_LISTVIEW, &ControlProc<ListState, &Handle, &Paint>, CS_DBLCLKS);

} // namespace
