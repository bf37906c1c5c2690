#include "platform/display/FrameTracker.h"

#include "platform/display/DoubleClick.h"
#include "platform/win/controls/MdiClient.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/NonClient.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowState.h"

#include <algorithm>

namespace hb::display {

namespace {

// The narrowest a framed window is sized to: room for its caption buttons.
constexpr LONG kMinWidth = 100;

LPARAM ScreenParam(POINT pt) {
    return MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y));
}

bool IsButton(LRESULT part) {
    return part == HTCLOSE || part == HTMAXBUTTON || part == HTMINBUTTON;
}

bool IsEdge(LRESULT part) {
    return part >= HTLEFT && part <= HTBOTTOMRIGHT;
}

// The point kept inside the parent's client area, so that a drag cannot lose the window.
POINT InsideParent(HWND hwnd, POINT screen) {
    RECT area;
    const HWND parent = GetParent(hwnd);
    GetClientRect(parent, &area);
    MapWindowPoints(parent, HWND{}, reinterpret_cast<POINT*>(&area), 2);
    return {std::clamp(screen.x, area.left, std::max(area.left, area.right - 1)),
            std::clamp(screen.y, area.top, std::max(area.top, area.bottom - 1))};
}

void Place(HWND hwnd, const RECT& rect) {
    MoveWindow(hwnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    InvalidateRect(GetParent(hwnd), nullptr, TRUE);
}

RECT Sized(RECT rect, LRESULT part, int dx, int dy, LONG minHeight) {
    const bool left = part == HTLEFT || part == HTTOPLEFT || part == HTBOTTOMLEFT;
    const bool right = part == HTRIGHT || part == HTTOPRIGHT || part == HTBOTTOMRIGHT;
    const bool top = part == HTTOP || part == HTTOPLEFT || part == HTTOPRIGHT;
    const bool bottom = part == HTBOTTOM || part == HTBOTTOMLEFT || part == HTBOTTOMRIGHT;
    if (left) {
        rect.left = std::min(rect.left + dx, rect.right - kMinWidth);
    }
    if (right) {
        rect.right = std::max(rect.right + dx, rect.left + kMinWidth);
    }
    if (top) {
        rect.top = std::min(rect.top + dy, rect.bottom - minHeight);
    }
    if (bottom) {
        rect.bottom = std::max(rect.bottom + dy, rect.top + minHeight);
    }
    return rect;
}

} // namespace

void FrameTracker::ActivateChildOf(HWND hwnd) {
    for (HWND w = hwnd; w; w = GetParent(w)) {
        if (!(GetWindowLong(w, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
            continue;
        }
        const HWND client = GetParent(w);
        const auto active = hb::win::HwndFromParam(
            static_cast<std::uintptr_t>(SendMessage(client, WM_MDIGETACTIVE, 0, 0)));
        if (active != w) {
            SendMessage(client, WM_MDIACTIVATE, static_cast<WPARAM>(hb::win::ParamFromHwnd(w)), 0);
        }
        return;
    }
}

LRESULT FrameTracker::PartAt(POINT screen) const {
    return SendMessage(m_hwnd, WM_NCHITTEST, 0, ScreenParam(screen));
}

bool FrameTracker::Press(HWND hwnd, POINT screen) {
    m_hwnd = hwnd;
    m_part = 0;
    const LRESULT part = PartAt(screen);
    ActivateChildOf(hwnd);
    if (!IsWindow(hwnd)) {
        return false;
    }
    const std::int64_t now = hb::win::NowMs();
    const bool again = m_clicks.Completes(hwnd, part, screen, now);
    m_clicks.Note(hwnd, part, screen, now, again);
    const auto style = static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
    if (again && part == HTCAPTION && (style & WS_MAXIMIZEBOX)) {
        const WPARAM command = (IsZoomed(hwnd) || IsIconic(hwnd)) ? SC_RESTORE : SC_MAXIMIZE;
        PostMessage(hwnd, WM_SYSCOMMAND, command, ScreenParam(screen));
        return false;
    }
    if (again && part == HTSYSMENU) {
        PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, ScreenParam(screen));
        return false;
    }
    const bool placed = (style & (WS_MAXIMIZE | WS_MINIMIZE)) != 0;
    if (IsButton(part) || (part == HTCAPTION && !placed) || IsEdge(part)) {
        m_part = part;
        m_start = screen;
        GetWindowRect(hwnd, &m_startRect);
        MapWindowPoints(HWND{}, GetParent(hwnd), reinterpret_cast<POINT*>(&m_startRect), 2);
        return true;
    }
    return false;
}

void FrameTracker::Move(POINT screen) {
    if (!Tracking() || IsButton(m_part) || !IsWindow(m_hwnd)) {
        return;
    }
    const POINT at = InsideParent(m_hwnd, screen);
    const int dx = at.x - m_start.x;
    const int dy = at.y - m_start.y;
    if (m_part == HTCAPTION) {
        RECT rect = m_startRect;
        OffsetRect(&rect, dx, dy);
        Place(m_hwnd, rect);
        return;
    }
    const RECT insets =
        hb::win::FrameInsets(static_cast<DWORD>(GetWindowLong(m_hwnd, GWL_STYLE)),
                             static_cast<DWORD>(GetWindowLong(m_hwnd, GWL_EXSTYLE)));
    Place(m_hwnd, Sized(m_startRect, m_part, dx, dy, insets.top + insets.bottom));
}

void FrameTracker::Release(POINT screen) {
    const HWND hwnd = m_hwnd;
    const LRESULT part = m_part;
    m_hwnd = HWND{};
    m_part = 0;
    if (IsButton(part) && IsWindow(hwnd) &&
        SendMessage(hwnd, WM_NCHITTEST, 0, ScreenParam(screen)) == part) {
        PostMessage(hwnd, WM_SYSCOMMAND, hb::win::ButtonCommand(hwnd, part), ScreenParam(screen));
    }
}

} // namespace hb::display
