// The "tooltips_class32" class: a tip that shows after the mouse rests on a tool.
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Timers.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"
#include "platform/win/gdi/TextMetrics.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT kInitialDelayMs = 500;
constexpr int kCursorHeight = 20;

struct Tool {
    TOOLINFO info; // its text pointer is not kept: the text is copied below
    bool callback = false;
    std::string text;

    bool Is(const TOOLINFO& other) const {
        return info.hwnd == other.hwnd && info.uId == other.uId;
    }
};

struct TooltipState {
    HFONT font;
    std::vector<Tool> tools;
    bool active = true;
    std::optional<std::size_t> current; // the tool under the mouse
    bool shown = false;
    POINT cursor; // screen coordinates
};

// Text pointers may also be resource ids, which are small numbers and never read here.
bool IsTextPointer(LPCSTR text) {
    return reinterpret_cast<std::uintptr_t>(text) > 0xFFFF;
}

// TTF_SUBCLASS: the tool windows whose mouse messages go to the tooltips on their own.
struct Relay {
    WNDPROC previous = nullptr;
    std::vector<HWND> tooltips;
};

std::unordered_map<HWND, Relay>& Relays() {
    static std::unordered_map<HWND, Relay> relays;
    return relays;
}

bool IsMouseButton(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_RBUTTONDOWN ||
           message == WM_RBUTTONUP || message == WM_MBUTTONDOWN || message == WM_MBUTTONUP;
}

LRESULT RelayProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto it = Relays().find(hwnd);
    if (it == Relays().end()) {
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
    const WNDPROC previous = it->second.previous;
    if (message == WM_MOUSEMOVE || IsMouseButton(message)) {
        const MSG msg{hwnd, message, wParam, lParam, GetTickCount(), {}};
        for (HWND tooltip : std::vector<HWND>(it->second.tooltips)) {
            SendMessage(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
        }
    } else if (message == WM_NCDESTROY) {
        Relays().erase(it);
    }
    return CallWindowProc(previous, hwnd, message, wParam, lParam);
}

void Subclass(HWND target, HWND tooltip) {
    if (!IsWindow(target)) {
        return;
    }
    auto [it, added] = Relays().try_emplace(target);
    if (added) {
        it->second.previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtr(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RelayProc)));
    }
    if (std::ranges::find(it->second.tooltips, tooltip) == it->second.tooltips.end()) {
        it->second.tooltips.push_back(tooltip);
    }
}

void Unsubscribe(HWND tooltip) {
    for (auto& [target, relay] : Relays()) {
        std::erase(relay.tooltips, tooltip);
    }
}

void Hide(HWND hwnd) {
    TooltipState& state = StateOf<TooltipState>(hwnd);
    KillTimer(hwnd, kHoverTimer);
    if (state.shown) {
        state.shown = false;
        ShowWindow(hwnd, SW_HIDE);
        StoreText(hwnd, {});
    }
}

// Stops hovering altogether, so that the next move onto any tool starts again.
void Forget(HWND hwnd) {
    Hide(hwnd);
    StateOf<TooltipState>(hwnd).current.reset();
}

// Asks the tool's window for the text with TTN_NEEDTEXT.
std::string AskForText(HWND hwnd, const Tool& tool) {
    NMTTDISPINFO info;
    info.hdr.hwndFrom = hwnd;
    info.hdr.idFrom = tool.info.uId;
    info.hdr.code = TTN_NEEDTEXTA;
    info.hinst = tool.info.hinst;
    info.uFlags = tool.info.uFlags;
    info.lParam = tool.info.lParam;
    SendMessage(tool.info.hwnd, WM_NOTIFY, tool.info.uId, reinterpret_cast<LPARAM>(&info));
    if (!info.lpszText || info.lpszText == info.szText) {
        return {info.szText, ::strnlen(info.szText, sizeof info.szText)};
    }
    return IsTextPointer(info.lpszText) && info.lpszText != LPSTR_TEXTCALLBACK ? info.lpszText : "";
}

// The hover delay is over: the tip shows below the mouse, sized to its text. No text, no tip.
void Show(HWND hwnd) {
    TooltipState& state = StateOf<TooltipState>(hwnd);
    if (!state.current || !state.active) {
        return;
    }
    const Tool tool = state.tools[*state.current];
    const std::string text = tool.callback ? AskForText(hwnd, tool) : tool.text;
    if (text.empty() || !IsWindow(hwnd)) {
        return;
    }
    StoreText(hwnd, text);
    const HDC hdc = GetDC(hwnd);
    SelectObject(hdc, state.font ? HGDIOBJ(state.font) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size;
    GetTextExtentPoint32(hdc, text.c_str(), static_cast<int>(text.size()), &size);
    ReleaseDC(hwnd, hdc);
    MoveWindow(hwnd, state.cursor.x, state.cursor.y + kCursorHeight, size.cx + 8, size.cy + 4,
               FALSE);
    state.shown = true;
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

std::optional<std::size_t> ToolAt(const TooltipState& state, HWND hwnd, POINT pt) {
    for (std::size_t i = 0; i < state.tools.size(); ++i) {
        const Tool& tool = state.tools[i];
        const bool hit = (tool.info.uFlags & TTF_IDISHWND)
                             ? HwndFromParam(tool.info.uId) == hwnd
                             : tool.info.hwnd == hwnd && PtInRect(&tool.info.rect, pt);
        if (hit) {
            return i;
        }
    }
    return std::nullopt;
}

// A move onto a tool starts the hover delay; a move onto another tool, or off all of them, or a
// button press hides the tip. After a press the tip stays away until the mouse leaves the tool.
void RelayEvent(HWND hwnd, const MSG& msg) {
    TooltipState& state = StateOf<TooltipState>(hwnd);
    if (IsMouseButton(msg.message)) {
        Hide(hwnd);
        return;
    }
    if (msg.message != WM_MOUSEMOVE) {
        return;
    }
    POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    const auto tool = ToolAt(state, msg.hwnd, pt);
    ClientToScreen(msg.hwnd, &pt);
    state.cursor = pt;
    if (tool == state.current) {
        return;
    }
    Hide(hwnd);
    state.current = tool;
    if (tool && state.active) {
        SetTimer(hwnd, kHoverTimer, kInitialDelayMs);
    }
}

LRESULT AddTool(HWND hwnd, const TOOLINFO* info) {
    if (!info) {
        return FALSE;
    }
    TooltipState& state = StateOf<TooltipState>(hwnd);
    Tool tool{*info, info->lpszText == LPSTR_TEXTCALLBACK, {}};
    tool.info.lpszText = nullptr;
    if (!tool.callback && IsTextPointer(info->lpszText)) {
        tool.text = info->lpszText;
    }
    const auto same = std::ranges::find_if(state.tools, [&](const Tool& t) { return t.Is(*info); });
    if (same != state.tools.end()) {
        *same = std::move(tool);
    } else {
        state.tools.push_back(std::move(tool));
    }
    if (info->uFlags & TTF_SUBCLASS) {
        Subclass((info->uFlags & TTF_IDISHWND) ? HwndFromParam(info->uId) : info->hwnd, hwnd);
    }
    return TRUE;
}

void DeleteTool(HWND hwnd, const TOOLINFO* info) {
    TooltipState& state = StateOf<TooltipState>(hwnd);
    const auto it =
        info ? std::ranges::find_if(state.tools, [&](const Tool& t) { return t.Is(*info); })
             : state.tools.end();
    if (it == state.tools.end()) {
        return;
    }
    const auto index = static_cast<std::size_t>(it - state.tools.begin());
    if (state.current == index) {
        Forget(hwnd);
    } else if (state.current > index) {
        --*state.current;
    }
    state.tools.erase(it);
}

void Paint(HWND hwnd, HDC hdc) {
    RECT client = ClientRectOf(hwnd);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(hdc, &client, HBRUSH(GetStockObject(BLACK_BRUSH)));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_INFOTEXT));
    const std::string text = StoredText(hwnd);
    DrawText(hdc, text.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              TooltipState& state) {
    switch (message) {
    case WM_NCDESTROY:
        Unsubscribe(hwnd);
        return std::nullopt;
    case WM_NCCREATE: {
        // The window text is the tip on show, never the creation text.
        const LRESULT result = DefWindowProc(hwnd, message, wParam, lParam);
        StoreText(hwnd, {});
        return result;
    }
    case TTM_ADDTOOL:
        return AddTool(hwnd, reinterpret_cast<const TOOLINFO*>(lParam));
    case TTM_DELTOOL:
        DeleteTool(hwnd, reinterpret_cast<const TOOLINFO*>(lParam));
        return 0;
    case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(state.tools.size());
    case TTM_ACTIVATE:
        state.active = wParam != 0;
        if (!state.active) {
            Forget(hwnd);
        }
        return 0;
    case TTM_POP:
        Forget(hwnd);
        return 0;
    case TTM_RELAYEVENT:
        if (const auto* msg = reinterpret_cast<const MSG*>(lParam)) {
            RelayEvent(hwnd, *msg);
        }
        return 0;
    case WM_TIMER:
        if (wParam == kHoverTimer) {
            KillTimer(hwnd, kHoverTimer);
            Show(hwnd);
        }
        return 0;
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass(TOOLTIPS_CLASS, &ControlProc<TooltipState, &Handle, &Paint>);

} // namespace
