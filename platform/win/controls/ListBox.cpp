// The "ListBox" class: a list of strings, each with a value of the owner's, one of them selected.
// A click or an arrow key selects a row, and the wheel scrolls; with LBS_NOTIFY the parent hears
// LBN_SELCHANGE of what the user does (never of changes made by messages) and LBN_DBLCLK of a
// double click.
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/core/Keys.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

struct Item {
    std::string text;
    DWORD_PTR data = 0;
};

struct ListState {
    HFONT font;
    std::vector<Item> items;
    int selected = -1;
    int top = 0; // the first row shown
};

int Count(const ListState& state) {
    return static_cast<int>(state.items.size());
}

bool InRange(const ListState& state, int index) {
    return index >= 0 && index < Count(state);
}

int RowHeight(const ListState& state) {
    return MetricsOfFont(state.font).tmHeight + 2;
}

int RowsShown(HWND hwnd, const ListState& state) {
    return std::max(1, static_cast<int>(ClientRectOf(hwnd).bottom) / RowHeight(state));
}

RECT RowRect(HWND hwnd, const ListState& state, int row) {
    const int height = RowHeight(state);
    const int y = (row - state.top) * height;
    return {0, y, ClientRectOf(hwnd).right, y + height};
}

void ShowRow(HWND hwnd, ListState& state, int row) {
    if (row < 0) {
        return;
    }
    const int rows = RowsShown(hwnd, state);
    if (row < state.top) {
        state.top = row;
    } else if (row >= state.top + rows) {
        state.top = row - rows + 1;
    }
}

void Select(HWND hwnd, ListState& state, int row) {
    state.selected = row;
    ShowRow(hwnd, state, row);
    InvalidateRect(hwnd, nullptr, TRUE);
}

// The user's choice: the parent hears of a change.
void Choose(HWND hwnd, int row) {
    ListState& state = StateOf<ListState>(hwnd);
    if (row == state.selected || !InRange(state, row)) {
        return;
    }
    Select(hwnd, state, row);
    if (StyleOf(hwnd) & LBS_NOTIFY) {
        NotifyParent(hwnd, LBN_SELCHANGE);
    }
}

// Rows a notch of the wheel scrolls, and the wheel's notch.
constexpr int kWheelRows = 3;
constexpr int kWheelNotch = 120;

// The rows scroll by the wheel's turn, no further than the last row shown at the bottom.
void Scroll(HWND hwnd, ListState& state, int delta) {
    const int notches = delta / kWheelNotch;
    const int last = std::max(0, Count(state) - RowsShown(hwnd, state));
    const int top = std::clamp(state.top - notches * kWheelRows, 0, last);
    if (top != state.top) {
        state.top = top;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

int RowAt(const ListState& state, int y) {
    const int row = state.top + y / RowHeight(state);
    return y >= 0 && InRange(state, row) ? row : -1;
}

LRESULT InsertAt(HWND hwnd, ListState& state, int index, LPCSTR text) {
    if (index == -1) {
        index = Count(state);
    }
    if (index < 0 || index > Count(state)) {
        return LB_ERR;
    }
    state.items.insert(state.items.begin() + index, Item{text ? text : "", 0});
    if (state.selected >= index) {
        ++state.selected;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    return index;
}

LRESULT Delete(HWND hwnd, ListState& state, int index) {
    if (!InRange(state, index)) {
        return LB_ERR;
    }
    state.items.erase(state.items.begin() + index);
    if (state.selected == index) {
        state.selected = -1;
    } else if (state.selected > index) {
        --state.selected;
    }
    state.top = std::clamp(state.top, 0, std::max(0, Count(state) - 1));
    InvalidateRect(hwnd, nullptr, TRUE);
    return Count(state);
}

void Paint(HWND hwnd, HDC hdc) {
    const ListState& state = StateOf<ListState>(hwnd);
    const bool enabled = IsWindowEnabled(hwnd);
    RECT client = ClientRectOf(hwnd);
    FillRect(hdc, &client, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    SetBkMode(hdc, TRANSPARENT);
    for (int row = state.top; row < state.top + RowsShown(hwnd, state) && InRange(state, row);
         ++row) {
        RECT box = RowRect(hwnd, state, row);
        const bool marked = row == state.selected;
        if (marked) {
            FillRect(hdc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        SetTextColor(hdc, GetSysColor(!enabled ? COLOR_GRAYTEXT
                                      : marked ? COLOR_HIGHLIGHTTEXT
                                               : COLOR_WINDOWTEXT));
        box.left += 2;
        DrawText(hdc, state.items[static_cast<std::size_t>(row)].text.c_str(), -1, &box,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              ListState& state) {
    const int index = static_cast<int>(wParam); // as Windows reads it: a 32-bit int
    switch (message) {
    case WM_LBUTTONDOWN:
        if (IsWindowEnabled(hwnd)) {
            SetFocus(hwnd);
            Choose(hwnd, RowAt(state, GET_Y_LPARAM(lParam)));
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        if (IsWindowEnabled(hwnd) && (StyleOf(hwnd) & LBS_NOTIFY)) {
            NotifyParent(hwnd, LBN_DBLCLK);
        }
        return 0;
    case WM_MOUSEWHEEL:
        Scroll(hwnd, state, static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_KEYDOWN:
        if (IsWindowEnabled(hwnd) && Count(state) > 0 && (wParam == VK_DOWN || wParam == VK_UP)) {
            const int step = wParam == VK_DOWN ? 1 : -1;
            Choose(hwnd,
                   state.selected < 0 ? 0 : std::clamp(state.selected + step, 0, Count(state) - 1));
        }
        return 0;
    case LB_ADDSTRING:
        return InsertAt(hwnd, state, -1, reinterpret_cast<LPCSTR>(lParam));
    case LB_INSERTSTRING:
        return InsertAt(hwnd, state, index, reinterpret_cast<LPCSTR>(lParam));
    case LB_DELETESTRING:
        return Delete(hwnd, state, index);
    case LB_RESETCONTENT:
        state.items.clear();
        state.top = 0;
        Select(hwnd, state, -1);
        return LB_OKAY;
    case LB_GETCOUNT:
        return Count(state);
    case LB_SETCURSEL:
        if (InRange(state, index)) {
            Select(hwnd, state, index);
            return index;
        }
        Select(hwnd, state, -1);
        return index == -1 ? LB_OKAY : LB_ERR;
    case LB_GETCURSEL:
        return state.selected;
    case LB_GETTEXT: {
        if (!InRange(state, index)) {
            return LB_ERR;
        }
        const std::string& text = state.items[static_cast<std::size_t>(index)].text;
        if (auto* buffer = reinterpret_cast<char*>(lParam)) {
            std::memcpy(buffer, text.c_str(), text.size() + 1);
        }
        return static_cast<LRESULT>(text.size());
    }
    case LB_GETTEXTLEN:
        return InRange(state, index)
                   ? static_cast<LRESULT>(state.items[static_cast<std::size_t>(index)].text.size())
                   : LB_ERR;
    case LB_GETITEMRECT:
        if (!InRange(state, index) || !lParam) {
            return LB_ERR;
        }
        *reinterpret_cast<RECT*>(lParam) = RowRect(hwnd, state, index);
        return LB_OKAY;
    case LB_SETITEMDATA:
        if (!InRange(state, index)) {
            return LB_ERR;
        }
        state.items[static_cast<std::size_t>(index)].data = static_cast<DWORD_PTR>(lParam);
        return TRUE;
    case LB_GETITEMDATA:
        return InRange(state, index)
                   ? static_cast<LRESULT>(state.items[static_cast<std::size_t>(index)].data)
                   : LB_ERR;
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass("ListBox", &ControlProc<ListState, &Handle, &Paint>, CS_DBLCLKS);

} // namespace
