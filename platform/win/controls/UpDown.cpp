// The "msctls_updown32" class: a pair of arrow buttons that step a position through a range,
// optionally shown as the text of a buddy window.
#include "platform/win/controls/CommonControls.h"
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <utility>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

enum class Arrow { None, Up, Down };

struct UpDownState {
    HFONT font;
    // The position moves from `lower` towards `upper` on the up arrow, whichever is larger.
    int lower = 100;
    int upper = 0;
    int pos = 0;
    HWND buddy;
    Arrow pressed = Arrow::None;
};

int Clamp(const UpDownState& state, long long pos) {
    const long long low = std::min(state.lower, state.upper);
    const long long high = std::max(state.lower, state.upper);
    return static_cast<int>(std::clamp(pos, low, high));
}

// "12,345" unless UDS_NOTHOUSANDS.
std::string PositionText(HWND hwnd, int pos) {
    std::string digits = std::to_string(pos < 0 ? -static_cast<long long>(pos) : pos);
    if (!(StyleOf(hwnd) & UDS_NOTHOUSANDS)) {
        for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
            digits.insert(static_cast<std::size_t>(at), 1, ',');
        }
    }
    return pos < 0 ? "-" + digits : digits;
}

void ShowInBuddy(HWND hwnd, const UpDownState& state) {
    if ((StyleOf(hwnd) & UDS_SETBUDDYINT) && IsWindow(state.buddy)) {
        SetWindowText(state.buddy, PositionText(hwnd, state.pos).c_str());
    }
}

// With UDS_SETBUDDYINT the buddy's text is the position: a whole number in range (thousands
// separators allowed) becomes it; anything else is an error and keeps the position.
bool ReadBuddy(HWND hwnd, UpDownState& state) {
    if (!(StyleOf(hwnd) & UDS_SETBUDDYINT) || !IsWindow(state.buddy)) {
        return true;
    }
    std::string text(static_cast<std::size_t>(GetWindowTextLength(state.buddy)), '\0');
    GetWindowText(state.buddy, text.data(), static_cast<int>(text.size()) + 1);
    std::erase(text, ',');
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        Clamp(state, value) != value) {
        return false;
    }
    state.pos = static_cast<int>(value);
    return true;
}

LRESULT SetPos(HWND hwnd, UpDownState& state, long long pos) {
    const int previous = std::exchange(state.pos, Clamp(state, pos));
    ShowInBuddy(hwnd, state);
    return previous;
}

void SetRange(UpDownState& state, int lower, int upper) {
    state.lower = lower;
    state.upper = upper;
    state.pos = Clamp(state, state.pos);
}

// UDS_ALIGNRIGHT/UDS_ALIGNLEFT: the control takes the buddy's right or left edge, as tall as the
// buddy, and the buddy gives up that width.
void AlignWithBuddy(HWND hwnd, HWND buddy) {
    const DWORD style = StyleOf(hwnd);
    const HWND parent = GetParent(hwnd);
    if (!(style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) || !IsWindow(buddy) ||
        GetParent(buddy) != parent) {
        return;
    }
    RECT area;
    GetWindowRect(buddy, &area);
    MapWindowPoints(HWND{}, parent, reinterpret_cast<POINT*>(&area), 2);
    const RECT own = ClientRectOf(hwnd);
    const int width = std::min<int>(own.right, area.right - area.left);
    const int height = area.bottom - area.top;
    const bool right = (style & UDS_ALIGNRIGHT) != 0;
    MoveWindow(hwnd, right ? area.right - width : area.left, area.top, width, height, TRUE);
    MoveWindow(buddy, right ? area.left : area.left + width, area.top,
               area.right - area.left - width, height, TRUE);
}

HWND SetBuddy(HWND hwnd, UpDownState& state, HWND buddy) {
    const HWND previous = std::exchange(state.buddy, buddy);
    AlignWithBuddy(hwnd, buddy);
    ShowInBuddy(hwnd, state);
    return previous;
}

Arrow ArrowAt(HWND hwnd, POINT pt) {
    const RECT client = ClientRectOf(hwnd);
    if (!PtInRect(&client, pt)) {
        return Arrow::None;
    }
    if (StyleOf(hwnd) & UDS_HORZ) {
        return pt.x >= client.right / 2 ? Arrow::Up : Arrow::Down;
    }
    return pt.y < client.bottom / 2 ? Arrow::Up : Arrow::Down;
}

// One press of an arrow: the parent hears of the change first and may cancel it; then the
// position moves (wrapping round with UDS_WRAP), the buddy shows it and the parent gets the
// scroll message.
void Step(HWND hwnd, Arrow arrow) {
    UpDownState& state = StateOf<UpDownState>(hwnd);
    ReadBuddy(hwnd, state);
    const int towardsUpper = state.upper >= state.lower ? 1 : -1;
    NMUPDOWN change;
    change.iPos = state.pos;
    change.iDelta = arrow == Arrow::Up ? towardsUpper : -towardsUpper;
    if (NotifyParent(hwnd, UDN_DELTAPOS, change.hdr) != 0 || !IsWindow(hwnd)) {
        return;
    }
    UpDownState& after = StateOf<UpDownState>(hwnd);
    const long long low = std::min(after.lower, after.upper);
    const long long high = std::max(after.lower, after.upper);
    long long next = static_cast<long long>(after.pos) + change.iDelta;
    if (StyleOf(hwnd) & UDS_WRAP) {
        next = next > high ? low : next < low ? high : next;
    }
    SetPos(hwnd, after, next);
    const UINT scroll = (StyleOf(hwnd) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
    SendMessage(GetParent(hwnd), scroll, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(after.pos)),
                ParamFromHwnd(hwnd));
}

void Paint(HWND hwnd, HDC hdc) {
    const UpDownState& state = StateOf<UpDownState>(hwnd);
    const RECT client = ClientRectOf(hwnd);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const bool enabled = IsWindowEnabled(hwnd);
    SelectObject(hdc, GetStockObject(NULL_PEN));
    SelectObject(hdc, GetSysColorBrush(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    RECT up = client;
    RECT down = client;
    const bool horizontal = (StyleOf(hwnd) & UDS_HORZ) != 0;
    if (horizontal) {
        up.left = down.right = client.right / 2;
    } else {
        up.bottom = down.top = client.bottom / 2;
    }
    PaintArrow(hdc, up, state.pressed == Arrow::Up, true, horizontal);
    PaintArrow(hdc, down, state.pressed == Arrow::Down, false, horizontal);
}

std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              UpDownState& state) {
    switch (message) {
    case WM_CREATE:
        if (StyleOf(hwnd) & UDS_AUTOBUDDY) {
            SetBuddy(hwnd, state, GetWindow(hwnd, GW_HWNDPREV));
        }
        return 0;
    case UDM_SETRANGE:
        SetRange(state, static_cast<SHORT>(HIWORD(lParam)), static_cast<SHORT>(LOWORD(lParam)));
        return 0;
    case UDM_SETRANGE32:
        SetRange(state, static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case UDM_GETRANGE:
        return static_cast<LRESULT>(
            MAKELONG(static_cast<WORD>(state.upper), static_cast<WORD>(state.lower)));
    case UDM_GETRANGE32:
        if (auto* lower = reinterpret_cast<int*>(wParam)) {
            *lower = state.lower;
        }
        if (auto* upper = reinterpret_cast<int*>(lParam)) {
            *upper = state.upper;
        }
        return 0;
    case UDM_SETPOS:
        return static_cast<SHORT>(SetPos(hwnd, state, static_cast<SHORT>(LOWORD(lParam))));
    case UDM_SETPOS32:
        return SetPos(hwnd, state, static_cast<int>(lParam));
    case UDM_GETPOS: {
        const bool ok = ReadBuddy(hwnd, state);
        return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(state.pos), ok ? 0 : 1));
    }
    case UDM_GETPOS32: {
        const bool ok = ReadBuddy(hwnd, state);
        if (auto* error = reinterpret_cast<BOOL*>(lParam)) {
            *error = ok ? FALSE : TRUE;
        }
        return state.pos;
    }
    case UDM_SETBUDDY:
        return ParamFromHwnd(SetBuddy(hwnd, state, HwndFromParam(wParam)));
    case UDM_GETBUDDY:
        return ParamFromHwnd(state.buddy);
    case WM_LBUTTONDOWN: {
        const Arrow arrow = ArrowAt(hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (arrow == Arrow::None || !IsWindowEnabled(hwnd)) {
            return 0;
        }
        state.pressed = arrow;
        InvalidateRect(hwnd, nullptr, TRUE);
        SetCapture(hwnd);
        Step(hwnd, arrow);
        return 0;
    }
    case WM_LBUTTONUP:
        if (state.pressed != Arrow::None) {
            state.pressed = Arrow::None;
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        if (GetCapture() == hwnd) {
            ReleaseCapture();
        }
        return 0;
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass(UPDOWN_CLASS, &ControlProc<UpDownState, &Handle, &Paint>);

} // namespace
