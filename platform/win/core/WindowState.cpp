#include "platform/win/core/WindowState.h"

#include "platform/win/core/Internal.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/NonClient.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowTable.h"

#include <algorithm>
#include <utility>

using namespace hb::win::detail;

namespace {

constexpr LONG kMinimizedWidth = 160;

// A framed child's frame goes beyond its parent's client area, so that its client area fills it.
RECT MaximizedRect(const WindowRecord& record) {
    if (const WindowRecord* parent = Windows().Find(record.parent)) {
        const RECT area = ClientAreaOf(*parent);
        const RECT insets = hb::win::FrameInsets(record.style, record.exStyle);
        return {-insets.left, -insets.top, area.right - area.left + insets.right,
                area.bottom - area.top + insets.bottom};
    }
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// A minimized framed child keeps only its caption, in a row along the bottom of its parent after
// the siblings minimized before it.
RECT MinimizedRect(const WindowRecord& record) {
    const WindowRecord* parent = Windows().Find(record.parent);
    if (!parent || !hb::win::HasFrame(record.style)) {
        return record.rect;
    }
    const RECT insets = hb::win::FrameInsets(record.style, record.exStyle);
    const LONG height = insets.top + insets.bottom;
    const RECT area = ClientAreaOf(*parent);
    LONG left = 0;
    for (const HWND sibling : parent->children) {
        const WindowRecord* other = Windows().Find(sibling);
        if (other && other != &record && (other->style & WS_MINIMIZE) &&
            (other->style & WS_VISIBLE)) {
            left = std::max(left, other->rect.right);
        }
    }
    const LONG bottom = area.bottom - area.top;
    return {left, bottom - height, left + kMinimizedWidth, bottom};
}

void SetPlacement(HWND hwnd, DWORD state) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record || (record->style & (WS_MINIMIZE | WS_MAXIMIZE)) == state) {
        return;
    }
    record->style = (record->style & ~(WS_MINIMIZE | WS_MAXIMIZE)) | state;
    if (state == WS_MINIMIZE) {
        ApplyRect(hwnd, MinimizedRect(*record), SIZE_MINIMIZED, true);
    } else if (state == WS_MAXIMIZE) {
        ApplyRect(hwnd, MaximizedRect(*record), SIZE_MAXIMIZED, true);
    } else {
        ApplyRect(hwnd, record->normalRect, SIZE_RESTORED, true);
    }
}

bool Activates(int command) {
    return command == SW_SHOWNORMAL || command == SW_SHOWMINIMIZED || command == SW_SHOWMAXIMIZED ||
           command == SW_SHOW || command == SW_RESTORE;
}

} // namespace

BOOL ShowWindow(HWND hwnd, int command) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        return FALSE;
    }
    const bool wasVisible = (record->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;
    if (show != wasVisible) {
        SendMessage(hwnd, WM_SHOWWINDOW, show, 0);
        record = Windows().Find(hwnd);
        if (!record) {
            return wasVisible;
        }
        record->style = show ? (record->style | WS_VISIBLE) : (record->style & ~WS_VISIBLE);
        NoteRearranged(hwnd);
    }
    switch (command) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        SetPlacement(hwnd, WS_MINIMIZE);
        break;
    case SW_SHOWMAXIMIZED:
        SetPlacement(hwnd, WS_MAXIMIZE);
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        SetPlacement(hwnd, 0);
        break;
    default:
        break;
    }
    if (Activates(command) && IsWindow(hwnd) && GetAncestor(hwnd, GA_ROOT) == hwnd) {
        SetActiveWindow(hwnd);
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
    const WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        return FALSE;
    }
    for (; record; record = Windows().Find(record->parent)) {
        if (!(record->style & WS_VISIBLE)) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL IsIconic(HWND hwnd) {
    return (GetWindowLong(hwnd, GWL_STYLE) & WS_MINIMIZE) != 0;
}

BOOL IsZoomed(HWND hwnd) {
    return (GetWindowLong(hwnd, GWL_STYLE) & WS_MAXIMIZE) != 0;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        return FALSE;
    }
    const bool wasDisabled = (record->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) {
        return wasDisabled;
    }
    record->style = enable ? (record->style & ~WS_DISABLED) : (record->style | WS_DISABLED);
    if (!enable) {
        const HWND focus = Windows().focus;
        if (focus == hwnd || IsChild(hwnd, focus)) {
            SetFocus(HWND{});
        }
    }
    SendMessage(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    const WindowRecord* record = Windows().Find(hwnd);
    return record && !(record->style & WS_DISABLED);
}

HWND SetFocus(HWND hwnd) {
    auto& table = Windows();
    if (hwnd && !table.Find(hwnd)) {
        return {};
    }
    const HWND old = table.focus;
    if (hwnd == old) {
        return old;
    }
    if (hwnd) {
        SetActiveWindow(hwnd);
    }
    if (table.Find(old)) {
        SendMessage(old, WM_KILLFOCUS, hb::win::ParamFromHwnd(hwnd), 0);
    }
    if (hwnd && !table.Find(hwnd)) {
        return old;
    }
    table.focus = hwnd;
    if (hwnd) {
        SendMessage(hwnd, WM_SETFOCUS, hb::win::ParamFromHwnd(old), 0);
    }
    return old;
}

HWND GetFocus() {
    return Windows().focus;
}

HWND SetCapture(HWND hwnd) {
    auto& table = Windows();
    if (!table.Find(hwnd)) {
        return {};
    }
    const HWND old = table.capture;
    table.capture = hwnd;
    if (old != hwnd && table.Find(old)) {
        SendMessage(old, WM_CAPTURECHANGED, 0, hb::win::ParamFromHwnd(hwnd));
    }
    return old;
}

BOOL ReleaseCapture() {
    auto& table = Windows();
    const HWND old = std::exchange(table.capture, HWND{});
    if (table.Find(old)) {
        SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    }
    return TRUE;
}

HWND GetCapture() {
    return Windows().capture;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* event) {
    auto& table = Windows();
    if (!event || !table.Find(event->hwndTrack)) {
        return FALSE;
    }
    if (event->dwFlags & TME_CANCEL) {
        if (table.mouseTracked == event->hwndTrack) {
            table.mouseTracked = HWND{};
        }
    } else if (event->dwFlags & TME_LEAVE) {
        table.mouseTracked = event->hwndTrack;
    }
    return TRUE;
}

namespace hb::win {

void NoteMouseOver(HWND hwnd) {
    auto& table = Windows();
    if (table.mouseTracked && table.mouseTracked != hwnd) {
        PostMessage(std::exchange(table.mouseTracked, HWND{}), WM_MOUSELEAVE, 0, 0);
    }
}

} // namespace hb::win

HWND SetActiveWindow(HWND hwnd) {
    auto& table = Windows();
    if (!table.Find(hwnd)) {
        return {};
    }
    const HWND root = GetAncestor(hwnd, GA_ROOT);
    const HWND old = table.active;
    if (root == old) {
        return old;
    }
    table.active = root;
    if (table.Find(old)) {
        SendMessage(old, WM_ACTIVATE, WA_INACTIVE, hb::win::ParamFromHwnd(root));
    }
    if (table.Find(root)) {
        const WPARAM state = MAKEWPARAM(WA_ACTIVE, IsIconic(root) ? 1 : 0);
        SendMessage(root, WM_ACTIVATE, state, hb::win::ParamFromHwnd(old));
    }
    return old;
}

HWND GetActiveWindow() {
    return Windows().active;
}

BOOL SetForegroundWindow(HWND hwnd) {
    if (!IsWindow(hwnd)) {
        return FALSE;
    }
    SetActiveWindow(hwnd);
    return TRUE;
}
