// The "ComboBox" class: a selection field over a list of strings. CBS_DROPDOWNLIST shows the chosen
// string, CBS_DROPDOWN puts an "Edit" child in the field for typing, CBS_SIMPLE shows the list
// always. The drop-down list opens below the field, inside the control: while it is open the
// control is as tall as the height it was created with (or less for a short list); closed, it is
// as tall as the field.
//
// The parent hears of what the user does (CBN_*), never of changes made by messages.
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Keys.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
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

constexpr int kEditId = 1001;

struct Item {
    std::string text;
    DWORD_PTR data = 0;
};

struct ComboState {
    HFONT font;
    std::vector<Item> items;
    int selected = -1;
    bool dropped = false;
    bool focused = false;
    int hot = -1;        // the highlighted row of the open list
    int top = 0;         // the first row the list shows
    int droppedRows = 1; // how many rows the open list shows at most
    HWND edit;           // CBS_DROPDOWN and CBS_SIMPLE
    bool settingText = false;
};

DWORD TypeOf(HWND hwnd) {
    return StyleOf(hwnd) & CBS_TYPEMASK;
}

int Count(const ComboState& state) {
    return static_cast<int>(state.items.size());
}

bool InRange(const ComboState& state, int index) {
    return index >= 0 && index < Count(state);
}

int FieldHeight(const ComboState& state) {
    return MetricsOfFont(state.font).tmHeight + 6;
}

int RowHeight(const ComboState& state) {
    return MetricsOfFont(state.font).tmHeight + 2;
}

bool ListShown(HWND hwnd, const ComboState& state) {
    return state.dropped || TypeOf(hwnd) == CBS_SIMPLE;
}

int RowsShown(HWND hwnd, const ComboState& state) {
    if (TypeOf(hwnd) == CBS_SIMPLE) {
        const int below = ClientRectOf(hwnd).bottom - FieldHeight(state) - 2;
        return std::max(1, below / RowHeight(state));
    }
    return std::clamp(Count(state), 1, state.droppedRows);
}

RECT ListRect(HWND hwnd, const ComboState& state) {
    const RECT client = ClientRectOf(hwnd);
    const int top = FieldHeight(state);
    const int bottom = TypeOf(hwnd) == CBS_SIMPLE
                           ? client.bottom
                           : top + RowsShown(hwnd, state) * RowHeight(state) + 2;
    return {0, top, client.right, bottom};
}

// Sizes the control to its field, or its field and open list, and puts the edit in the field
// beside the drop button.
void Layout(HWND hwnd, const ComboState& state) {
    const RECT client = ClientRectOf(hwnd);
    const int field = FieldHeight(state);
    if (TypeOf(hwnd) != CBS_SIMPLE) {
        const int height = state.dropped ? ListRect(hwnd, state).bottom : field;
        SetWindowPos(hwnd, HWND{}, 0, 0, client.right, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (IsWindow(state.edit)) {
        const int button = TypeOf(hwnd) == CBS_SIMPLE ? 0 : GetSystemMetrics(SM_CXVSCROLL);
        MoveWindow(state.edit, 2, 2, std::max(0, static_cast<int>(client.right) - button - 4),
                   field - 4, TRUE);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ShowRow(HWND hwnd, ComboState& state, int row) {
    const int rows = RowsShown(hwnd, state);
    if (row < 0) {
        return;
    }
    if (row < state.top) {
        state.top = row;
    } else if (row >= state.top + rows) {
        state.top = row - rows + 1;
    }
}

// The field's text: the control's own, and the edit's when there is one.
void SetFieldText(HWND hwnd, ComboState& state, const std::string& text) {
    StoreText(hwnd, text);
    if (IsWindow(state.edit)) {
        state.settingText = true;
        SetWindowText(state.edit, text.c_str());
        SendMessage(state.edit, EM_SETSEL, 0, -1); // typing replaces it
        state.settingText = false;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Select(HWND hwnd, ComboState& state, int row) {
    state.selected = row;
    state.hot = row;
    ShowRow(hwnd, state, row);
    SetFieldText(hwnd, state, row >= 0 ? state.items[static_cast<std::size_t>(row)].text : "");
}

void Drop(HWND hwnd, bool notify) {
    if (TypeOf(hwnd) == CBS_SIMPLE || StateOf<ComboState>(hwnd).dropped) {
        return;
    }
    if (notify) { // the parent may still fill the list
        NotifyParent(hwnd, CBN_DROPDOWN);
        if (!IsWindow(hwnd)) {
            return;
        }
    }
    ComboState& state = StateOf<ComboState>(hwnd);
    state.dropped = true;
    state.hot = state.selected;
    ShowRow(hwnd, state, state.hot);
    Layout(hwnd, state);
}

void Close(HWND hwnd, bool notify) {
    ComboState& state = StateOf<ComboState>(hwnd);
    if (!state.dropped) {
        return;
    }
    state.dropped = false;
    Layout(hwnd, state);
    if (notify) {
        NotifyParent(hwnd, CBN_CLOSEUP);
    }
}

// The user picks a row: the selection changes first, then the pick is confirmed, then an open list
// closes.
void Choose(HWND hwnd, int row) {
    ComboState& state = StateOf<ComboState>(hwnd);
    if (row != state.selected) {
        Select(hwnd, state, row);
        NotifyParent(hwnd, CBN_SELCHANGE);
        if (!IsWindow(hwnd)) {
            return;
        }
    }
    NotifyParent(hwnd, CBN_SELENDOK);
    if (IsWindow(hwnd)) {
        Close(hwnd, true);
    }
}

// Arrows move the highlight of an open list, and the selection of a closed one. Enter picks the
// highlighted row, Escape closes the list as it was, F4 opens or closes it.
void Key(HWND hwnd, UINT vk) {
    ComboState& state = StateOf<ComboState>(hwnd);
    const int step = vk == VK_DOWN ? 1 : vk == VK_UP ? -1 : 0;
    if (step != 0 && Count(state) > 0) {
        const int from = state.dropped ? state.hot : state.selected;
        const int row = from < 0 ? 0 : std::clamp(from + step, 0, Count(state) - 1);
        if (!state.dropped) {
            if (row != state.selected) {
                Choose(hwnd, row);
            }
            return;
        }
        state.hot = row;
        ShowRow(hwnd, state, row);
        InvalidateRect(hwnd, nullptr, TRUE);
    } else if (vk == VK_F4) {
        state.dropped ? Close(hwnd, true) : Drop(hwnd, true);
    } else if (vk == VK_RETURN && state.dropped) {
        InRange(state, state.hot) ? Choose(hwnd, state.hot) : Close(hwnd, true);
    } else if (vk == VK_ESCAPE) {
        Close(hwnd, true);
    }
}

void Click(HWND hwnd, POINT pt) {
    ComboState& state = StateOf<ComboState>(hwnd);
    SetFocus(IsWindow(state.edit) ? state.edit : hwnd);
    if (!IsWindow(hwnd)) {
        return;
    }
    if (pt.y < FieldHeight(state)) {
        state.dropped ? Close(hwnd, true) : Drop(hwnd, true);
        return;
    }
    if (ListShown(hwnd, state)) {
        const int row = state.top + (pt.y - FieldHeight(state) - 1) / RowHeight(state);
        if (pt.y > FieldHeight(state) && InRange(state, row)) {
            Choose(hwnd, row);
        }
    }
}

LRESULT InsertAt(HWND hwnd, ComboState& state, int index, LPCSTR text) {
    if (!text || index < -1 || index > Count(state)) {
        return CB_ERR;
    }
    const int at = index == -1 ? Count(state) : index;
    state.items.insert(state.items.begin() + at, Item{text, 0});
    if (state.selected >= at) {
        ++state.selected;
    }
    if (state.hot >= at) {
        ++state.hot;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    return at;
}

LRESULT Add(HWND hwnd, ComboState& state, LPCSTR text) {
    if (!text || !(StyleOf(hwnd) & CBS_SORT)) {
        return InsertAt(hwnd, state, -1, text);
    }
    const auto at =
        std::ranges::upper_bound(state.items, std::string_view(text), LessNoCase{},
                                 [](const Item& item) { return std::string_view(item.text); });
    return InsertAt(hwnd, state, static_cast<int>(at - state.items.begin()), text);
}

LRESULT Delete(HWND hwnd, ComboState& state, int index) {
    if (!InRange(state, index)) {
        return CB_ERR;
    }
    const int at = index;
    state.items.erase(state.items.begin() + at);
    if (state.selected == at) {
        Select(hwnd, state, -1);
    } else if (state.selected > at) {
        --state.selected;
    }
    state.hot = state.selected;
    state.top = std::min(state.top, std::max(0, Count(state) - 1));
    if (state.dropped) {
        Layout(hwnd, state);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    return Count(state);
}

// The first row after `start` (wrapping round; from the top for -1) whose text is `text`, or with
// `exact` false starts with it, ignoring case.
LRESULT Find(const ComboState& state, int start, LPCSTR text, bool exact) {
    const int count = Count(state);
    if (!text || count == 0) {
        return CB_ERR;
    }
    const std::string_view wanted(text);
    const int first = InRange(state, start) ? start + 1 : 0;
    for (int k = 0; k < count; ++k) {
        const int row = (first + k) % count;
        const std::string_view candidate(state.items[static_cast<std::size_t>(row)].text);
        if (exact ? EqualNoCase(candidate, wanted)
                  : candidate.size() >= wanted.size() &&
                        EqualNoCase(candidate.substr(0, wanted.size()), wanted)) {
            return row;
        }
    }
    return CB_ERR;
}

// A CBS_DROPDOWNLIST control shows only its strings: text that is not one of them is refused.
LRESULT SetText(HWND hwnd, ComboState& state, LPCSTR text) {
    if (TypeOf(hwnd) == CBS_DROPDOWNLIST) {
        const LRESULT row = Find(state, -1, text ? text : "", true);
        if (row != CB_ERR) {
            Select(hwnd, state, static_cast<int>(row));
        }
        return row == CB_ERR ? CB_ERR : TRUE;
    }
    SetFieldText(hwnd, state, text ? text : "");
    return TRUE;
}

WNDPROC& EditClassProc() {
    static WNDPROC proc = nullptr;
    return proc;
}

// The edit in the field hands the keys that work the list to the control.
LRESULT EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_F4 ||
                                  wParam == VK_RETURN || wParam == VK_ESCAPE)) {
        return SendMessage(GetParent(hwnd), message, wParam, lParam);
    }
    return CallWindowProc(EditClassProc(), hwnd, message, wParam, lParam);
}

void CreateParts(HWND hwnd, ComboState& state, const CREATESTRUCT& cs) {
    const int field = FieldHeight(state);
    state.droppedRows = std::max(1, (cs.cy - field - 2) / RowHeight(state));
    if (TypeOf(hwnd) != CBS_DROPDOWNLIST) {
        state.edit = CreateWindowEx(0, "Edit", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 0,
                                    0, hwnd, kEditId, nullptr);
        const auto previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtr(state.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc)));
        if (previous != &EditProc) {
            EditClassProc() = previous;
        }
    }
    Layout(hwnd, state);
}

void PaintRows(HWND hwnd, HDC hdc, const ComboState& state) {
    RECT list = ListRect(hwnd, state);
    FillRect(hdc, &list, GetSysColorBrush(COLOR_WINDOW));
    FrameRect(hdc, &list, HBRUSH(GetStockObject(BLACK_BRUSH)));
    const int height = RowHeight(state);
    const int marked = state.dropped ? state.hot : state.selected;
    for (int r = 0; r < RowsShown(hwnd, state) && InRange(state, state.top + r); ++r) {
        const int row = state.top + r;
        RECT box{list.left + 1, list.top + 1 + r * height, list.right - 1,
                 list.top + 1 + (r + 1) * height};
        if (row == marked) {
            FillRect(hdc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        SetTextColor(hdc, GetSysColor(row == marked ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        box.left += 2;
        DrawText(hdc, state.items[static_cast<std::size_t>(row)].text.c_str(), -1, &box,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void Paint(HWND hwnd, HDC hdc) {
    const ComboState& state = StateOf<ComboState>(hwnd);
    const bool enabled = IsWindowEnabled(hwnd);
    RECT field{0, 0, ClientRectOf(hwnd).right, FieldHeight(state)};
    SetBkMode(hdc, TRANSPARENT);
    FillRect(hdc, &field, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    DrawEdge(hdc, &field, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (TypeOf(hwnd) != CBS_SIMPLE) {
        RECT button = field;
        button.left = field.right = field.right - GetSystemMetrics(SM_CXVSCROLL);
        DrawEdge(hdc, &button, state.dropped ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
        const int cx = (button.left + button.right) / 2;
        const int cy = (button.top + button.bottom) / 2;
        const POINT arrow[] = {{cx - 3, cy - 1}, {cx + 4, cy - 1}, {cx, cy + 3}};
        SelectObject(hdc, GetStockObject(NULL_PEN));
        SelectObject(hdc, GetSysColorBrush(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        Polygon(hdc, arrow, 3);
    }
    if (TypeOf(hwnd) == CBS_DROPDOWNLIST) {
        InflateRect(&field, -1, -1);
        const bool marked = state.focused && !state.dropped;
        if (marked) {
            FillRect(hdc, &field, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        SetTextColor(hdc, GetSysColor(!enabled ? COLOR_GRAYTEXT
                                      : marked ? COLOR_HIGHLIGHTTEXT
                                               : COLOR_WINDOWTEXT));
        field.left += 2;
        const std::string text = StoredText(hwnd);
        DrawText(hdc, text.c_str(), -1, &field, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (ListShown(hwnd, state)) {
        PaintRows(hwnd, hdc, state);
    }
}

std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              ComboState& state) {
    const int index = static_cast<int>(wParam); // as Windows reads it: a 32-bit int
    switch (message) {
    case WM_CREATE:
        CreateParts(hwnd, state, *reinterpret_cast<const CREATESTRUCT*>(lParam));
        return 0;
    case WM_SETFONT:
        state.font = HandleFromParam<HFONT>(wParam);
        if (IsWindow(state.edit)) {
            SendMessage(state.edit, WM_SETFONT, wParam, lParam);
        }
        Layout(hwnd, state);
        return 0;
    case WM_SETTEXT:
        return SetText(hwnd, state, reinterpret_cast<LPCSTR>(lParam));
    case WM_ENABLE:
        if (IsWindow(state.edit)) {
            EnableWindow(state.edit, static_cast<BOOL>(wParam));
        }
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_COMMAND: // from the edit
        if (HIWORD(wParam) == EN_CHANGE && !state.settingText) {
            StoreText(hwnd, StoredText(state.edit));
            NotifyParent(hwnd, CBN_EDITCHANGE);
        } else if (HIWORD(wParam) == EN_KILLFOCUS) {
            Close(hwnd, true);
        }
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state.focused = message == WM_SETFOCUS;
        InvalidateRect(hwnd, nullptr, TRUE);
        if (!state.focused) {
            Close(hwnd, true);
        }
        return 0;
    case WM_LBUTTONDOWN:
        if (IsWindowEnabled(hwnd)) {
            Click(hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        }
        return 0;
    case WM_KEYDOWN:
        if (IsWindowEnabled(hwnd)) {
            Key(hwnd, static_cast<UINT>(wParam));
        }
        return 0;
    case CB_ADDSTRING:
        return Add(hwnd, state, reinterpret_cast<LPCSTR>(lParam));
    case CB_INSERTSTRING:
        return InsertAt(hwnd, state, index, reinterpret_cast<LPCSTR>(lParam));
    case CB_DELETESTRING:
        return Delete(hwnd, state, index);
    case CB_RESETCONTENT:
        state.items.clear();
        state.top = 0;
        Select(hwnd, state, -1);
        if (state.dropped) {
            Layout(hwnd, state);
        }
        return CB_OKAY;
    case CB_GETCOUNT:
        return Count(state);
    case CB_SETCURSEL:
        if (index == -1) {
            Select(hwnd, state, -1);
        } else if (InRange(state, index)) {
            Select(hwnd, state, index);
            return index;
        }
        return CB_ERR;
    case CB_GETCURSEL:
        return state.selected;
    case CB_GETLBTEXT: {
        if (!InRange(state, index)) {
            return CB_ERR;
        }
        const std::string& text = state.items[static_cast<std::size_t>(index)].text;
        if (auto* buffer = reinterpret_cast<char*>(lParam)) {
            std::memcpy(buffer, text.c_str(), text.size() + 1);
        }
        return static_cast<LRESULT>(text.size());
    }
    case CB_GETLBTEXTLEN:
        return InRange(state, index)
                   ? static_cast<LRESULT>(state.items[static_cast<std::size_t>(index)].text.size())
                   : CB_ERR;
    case CB_SETITEMDATA:
        if (!InRange(state, index)) {
            return CB_ERR;
        }
        state.items[static_cast<std::size_t>(index)].data = static_cast<DWORD_PTR>(lParam);
        return TRUE;
    case CB_GETITEMDATA:
        return InRange(state, index)
                   ? static_cast<LRESULT>(state.items[static_cast<std::size_t>(index)].data)
                   : CB_ERR;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
        return Find(state, index, reinterpret_cast<LPCSTR>(lParam), message == CB_FINDSTRINGEXACT);
    case CB_SELECTSTRING: {
        const LRESULT row = Find(state, index, reinterpret_cast<LPCSTR>(lParam), false);
        if (row != CB_ERR) {
            Select(hwnd, state, static_cast<int>(row));
        }
        return row;
    }
    case CB_SHOWDROPDOWN:
        wParam ? Drop(hwnd, false) : Close(hwnd, false);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return state.dropped ? TRUE : FALSE;
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass("ComboBox", &ControlProc<ComboState, &Handle, &Paint>);

} // namespace
