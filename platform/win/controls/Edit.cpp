// The "Edit" class: text the user types into.
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"
#include "platform/win/gdi/TextMetrics.h"

#include <algorithm>
#include <string>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

constexpr std::size_t kDefaultLimit = 30000;
constexpr std::size_t kLargestLimit = 0x7FFFFFFE;

struct EditState {
    HFONT font;
    std::size_t anchor = 0; // the selection runs from the anchor to the caret
    std::size_t caret = 0;
    std::size_t limit = kDefaultLimit;
    bool modified = false;
    bool focused = false;
};

struct Selection {
    std::size_t from = 0;
    std::size_t to = 0;
};

Selection SelectionIn(const EditState& state, const std::string& text) {
    const std::size_t a = std::min(state.anchor, text.size());
    const std::size_t b = std::min(state.caret, text.size());
    return {std::min(a, b), std::max(a, b)};
}

// Puts `insert` in place of the selection, as much of it as the limit leaves room for, with the
// caret after it. EN_MAXTEXT when it was cut; EN_CHANGE when the text changed.
void ReplaceSelection(HWND hwnd, std::string insert) {
    EditState& state = StateOf<EditState>(hwnd);
    std::string text = StoredText(hwnd);
    const Selection sel = SelectionIn(state, text);
    const std::size_t kept = text.size() - (sel.to - sel.from);
    const std::size_t room = state.limit > kept ? state.limit - kept : 0;
    if (insert.size() > room) {
        insert.resize(room);
        NotifyParent(hwnd, EN_MAXTEXT);
    }
    if (insert.empty() && sel.from == sel.to) {
        return;
    }
    text.replace(sel.from, sel.to - sel.from, insert);
    state.anchor = state.caret = sel.from + insert.size();
    state.modified = true;
    StoreText(hwnd, text);
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, EN_CHANGE);
}

bool RoomForOneMore(HWND hwnd) {
    const EditState& state = StateOf<EditState>(hwnd);
    const std::string text = StoredText(hwnd);
    const Selection sel = SelectionIn(state, text);
    return text.size() - (sel.to - sel.from) < state.limit;
}

// Typing: ES_READONLY refuses everything and ES_NUMBER anything but digits, with a beep; a full
// control beeps and reports EN_MAXTEXT.
void Type(HWND hwnd, char ch) {
    const DWORD style = StyleOf(hwnd);
    const auto uch = static_cast<unsigned char>(ch);
    if (uch < 0x20 && ch != '\b') {
        return;
    }
    if ((style & ES_READONLY) || ((style & ES_NUMBER) && ch != '\b' && (ch < '0' || ch > '9'))) {
        MessageBeep(MB_OK);
        return;
    }
    EditState& state = StateOf<EditState>(hwnd);
    if (ch == '\b') {
        const Selection sel = SelectionIn(state, StoredText(hwnd));
        if (sel.from == sel.to && sel.from > 0) {
            state.anchor = sel.from - 1;
            state.caret = sel.from;
        }
        ReplaceSelection(hwnd, {});
        return;
    }
    if (!RoomForOneMore(hwnd)) {
        MessageBeep(MB_OK);
        NotifyParent(hwnd, EN_MAXTEXT);
        return;
    }
    if ((style & ES_UPPERCASE) && ch >= 'a' && ch <= 'z') {
        ch = static_cast<char>(ch - 'a' + 'A');
    }
    ReplaceSelection(hwnd, std::string(1, ch));
}

// A negative start drops the selection; an end of -1 is the end of the text.
void SetSelection(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    EditState& state = StateOf<EditState>(hwnd);
    const auto start = static_cast<std::intptr_t>(wParam);
    const auto end = static_cast<std::intptr_t>(lParam);
    const std::size_t length = StoredText(hwnd).size();
    if (start < 0) {
        state.anchor = state.caret;
    } else {
        state.anchor = std::min(static_cast<std::size_t>(start), length);
        state.caret = end < 0 ? length : std::min(static_cast<std::size_t>(end), length);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT GetSelection(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const Selection sel = SelectionIn(StateOf<EditState>(hwnd), StoredText(hwnd));
    if (auto* from = reinterpret_cast<DWORD*>(wParam)) {
        *from = static_cast<DWORD>(sel.from);
    }
    if (auto* to = reinterpret_cast<DWORD*>(lParam)) {
        *to = static_cast<DWORD>(sel.to);
    }
    return sel.to > 0xFFFF ? -1
                           : static_cast<LRESULT>(
                                 MAKELONG(static_cast<WORD>(sel.from), static_cast<WORD>(sel.to)));
}

// A sunken box with the text; when a single-line control has the focus, its selection inverted or
// its caret as a line.
void Paint(HWND hwnd, HDC hdc) {
    const EditState& state = StateOf<EditState>(hwnd);
    const DWORD style = StyleOf(hwnd);
    const bool enabled = IsWindowEnabled(hwnd);
    RECT box = ClientRectOf(hwnd);
    const bool grey = (style & ES_READONLY) || !enabled;
    SetBkMode(hdc, TRANSPARENT);
    FillRect(hdc, &box,
             ColorsFromParent(hwnd, hdc, grey ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                              GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT),
                              GetSysColorBrush(grey ? COLOR_BTNFACE : COLOR_WINDOW)));
    if ((style & WS_BORDER) || (GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) {
        DrawEdge(hdc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    }
    InflateRect(&box, -1, -1);
    const std::string text = StoredText(hwnd);
    const UINT align = (style & ES_CENTER) ? DT_CENTER : (style & ES_RIGHT) ? DT_RIGHT : DT_LEFT;
    const bool multiline = (style & ES_MULTILINE) != 0;
    DrawText(hdc, text.c_str(), -1, &box,
             align | DT_NOPREFIX | (multiline ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER));
    if (!state.focused || multiline) {
        return;
    }
    const auto widthOf = [&](std::size_t count) {
        SIZE size;
        GetTextExtentPoint32(hdc, text.c_str(), static_cast<int>(count), &size);
        return size;
    };
    const SIZE whole = widthOf(text.size());
    const LONG left = align == DT_CENTER  ? (box.left + box.right - whole.cx) / 2
                      : align == DT_RIGHT ? box.right - whole.cx
                                          : box.left;
    const LONG top = (box.top + box.bottom - whole.cy) / 2;
    const Selection sel = SelectionIn(state, text);
    if (sel.from != sel.to) {
        const RECT marked{left + widthOf(sel.from).cx, top, left + widthOf(sel.to).cx,
                          top + whole.cy};
        InvertRect(hdc, &marked);
    } else {
        const LONG x = left + widthOf(sel.from).cx;
        MoveToEx(hdc, x, top, nullptr);
        LineTo(hdc, x, top + whole.cy);
    }
}

std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              EditState& state) {
    switch (message) {
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProc(hwnd, message, wParam, lParam);
        state.anchor = state.caret = 0;
        state.modified = false;
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(hwnd, EN_CHANGE);
        return result;
    }
    case WM_CHAR:
        Type(hwnd, static_cast<char>(wParam));
        return 0;
    case EM_SETSEL:
        SetSelection(hwnd, wParam, lParam);
        return 0;
    case EM_GETSEL:
        return GetSelection(hwnd, wParam, lParam);
    case EM_REPLACESEL:
        ReplaceSelection(hwnd, lParam ? reinterpret_cast<LPCSTR>(lParam) : "");
        return 0;
    case EM_LIMITTEXT:
        state.limit = wParam == 0 ? kLargestLimit : static_cast<std::size_t>(wParam);
        return 0;
    case EM_GETMODIFY:
        return state.modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        state.modified = wParam != 0;
        return 0;
    case EM_SETREADONLY: {
        const DWORD style = StyleOf(hwnd);
        SetWindowLong(hwnd, GWL_STYLE,
                      static_cast<LONG>(wParam ? style | ES_READONLY : style & ~ES_READONLY));
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    case WM_LBUTTONDOWN:
        if (IsWindowEnabled(hwnd)) {
            SetFocus(hwnd);
        }
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state.focused = message == WM_SETFOCUS;
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(hwnd, state.focused ? EN_SETFOCUS : EN_KILLFOCUS);
        return 0;
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass("Edit", &ControlProc<EditState, &Handle, &Paint>);

} // namespace
