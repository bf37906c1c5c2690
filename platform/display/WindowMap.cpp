#include "platform/display/WindowMap.h"

#include "platform/display/MenuBar.h"
#include "platform/display/WindowIcon.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/core/WindowText.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <string>

namespace hb::display {

namespace {

constexpr long kEvents = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                         LeaveWindowMask | KeyPressMask | KeyReleaseMask | StructureNotifyMask |
                         FocusChangeMask;

RECT ScreenRectOf(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return rect;
}

unsigned Extent(LONG from, LONG to) {
    return static_cast<unsigned>(std::max<LONG>(1, to - from));
}

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
}

bool HasFrame(HWND hwnd) {
    return (StyleOf(hwnd) & WS_CAPTION) == WS_CAPTION;
}

bool IsTopMost(HWND hwnd) {
    return (static_cast<DWORD>(GetWindowLong(hwnd, GWL_EXSTYLE)) & WS_EX_TOPMOST) != 0;
}

} // namespace

WindowMap::~WindowMap() {
    for (auto& [hwnd, shown] : m_windows) {
        XDestroyWindow(m_connection.display(), shown.xid);
    }
    XFlush(m_connection.display());
}

void WindowMap::DropDestroyed() {
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (IsWindow(it->first)) {
            ++it;
        } else {
            Destroy(it->second);
            it = m_windows.erase(it);
        }
    }
}

void WindowMap::Sync() {
    DropDestroyed();
    bool raised = false;
    for (HWND hwnd : hb::win::TopLevelWindows()) {
        const bool visible = IsWindowVisible(hwnd) != FALSE;
        ShownWindow* shown = Find(hwnd);
        if (!shown && !visible) {
            continue;
        }
        ShownWindow& updated = shown ? *shown : Make(hwnd);
        const bool wasMapped = updated.mapped;
        Update(updated);
        raised = raised || (updated.mapped && !wasMapped);
    }
    // A window that comes up goes on top of the others, but never over a topmost one.
    if (raised) {
        for (auto& [hwnd, shown] : m_windows) {
            if (shown.mapped && IsTopMost(hwnd)) {
                XRaiseWindow(m_connection.display(), shown.xid);
            }
        }
    }
}

ShownWindow* WindowMap::Find(XId xid) {
    for (auto& [hwnd, shown] : m_windows) {
        if (shown.xid == xid) {
            return &shown;
        }
    }
    return nullptr;
}

ShownWindow* WindowMap::Find(HWND hwnd) {
    const auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : &it->second;
}

std::vector<ShownWindow*> WindowMap::Mapped() {
    std::vector<ShownWindow*> mapped;
    for (auto& [hwnd, shown] : m_windows) {
        if (shown.mapped) {
            mapped.push_back(&shown);
        }
    }
    return mapped;
}

void WindowMap::Configured(ShownWindow& shown, const RECT& outer) {
    const RECT rect{outer.left, outer.top + shown.menuHeight, outer.right, outer.bottom};
    if (EqualRect(&rect, &shown.rect)) {
        return;
    }
    const bool resized = rect.right - rect.left != shown.rect.right - shown.rect.left ||
                         rect.bottom - rect.top != shown.rect.bottom - shown.rect.top;
    shown.rect = rect;
    shown.stale = shown.stale || resized;
    MoveWindow(shown.hwnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               TRUE);
}

ShownWindow& WindowMap::Make(HWND hwnd) {
    ::Display* display = m_connection.display();
    const int menuHeight = MenuBarHeight(hwnd);
    RECT rect = ScreenRectOf(hwnd);
    rect.top -= menuHeight;
    XSetWindowAttributes attributes{};
    attributes.background_pixel = Connection::PixelOf(GetSysColor(COLOR_BTNFACE));
    attributes.event_mask = kEvents;
    attributes.override_redirect = HasFrame(hwnd) ? False : True;
    const XId xid = XCreateWindow(display, m_connection.root(), rect.left, rect.top,
                                  Extent(rect.left, rect.right), Extent(rect.top, rect.bottom), 0,
                                  m_connection.depth(), InputOutput,
                                  DefaultVisual(display, m_connection.screen()),
                                  CWBackPixel | CWEventMask | CWOverrideRedirect, &attributes);
    Atom protocols[] = {m_connection.wmDeleteWindow};
    XSetWMProtocols(display, xid, protocols, 1);
    XClassHint hint{const_cast<char*>("hbpro"), const_cast<char*>("HalbridgePro")};
    XSetClassHint(display, xid, &hint);
    XSizeHints sizes{};
    sizes.flags = USPosition | USSize;
    sizes.x = rect.left;
    sizes.y = rect.top;
    sizes.width = static_cast<int>(Extent(rect.left, rect.right));
    sizes.height = static_cast<int>(Extent(rect.top, rect.bottom));
    if (!(StyleOf(hwnd) & WS_THICKFRAME)) {
        sizes.flags |= PMinSize | PMaxSize;
        sizes.min_width = sizes.max_width = sizes.width;
        sizes.min_height = sizes.max_height = sizes.height;
    }
    XSetWMNormalHints(display, xid, &sizes);

    ShownWindow& shown = m_windows[hwnd];
    shown.hwnd = hwnd;
    shown.xid = xid;
    shown.rect = ScreenRectOf(hwnd);
    shown.menuHeight = menuHeight;
    return shown;
}

void WindowMap::Update(ShownWindow& shown) {
    ::Display* display = m_connection.display();
    const HWND hwnd = shown.hwnd;
    const std::string title = hb::win::WindowTextOf(hwnd);
    if (title != shown.title || !shown.mapped) {
        shown.title = title;
        XStoreName(display, shown.xid, title.c_str());
        XChangeProperty(display, shown.xid, m_connection.netWmName, m_connection.utf8String, 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(title.data()),
                        static_cast<int>(title.size()));
    }
    const auto icon = static_cast<std::uint32_t>(SendMessage(hwnd, WM_GETICON, ICON_BIG, 0));
    if (icon != shown.icon) {
        shown.icon = icon;
        GiveIcon(m_connection, shown.xid, HICON(icon));
    }
    const HWND owner = GetWindow(hwnd, GW_OWNER);
    if (owner != shown.owner) {
        shown.owner = owner;
        const ShownWindow* over = Find(owner);
        XSetTransientForHint(display, shown.xid, over ? over->xid : m_connection.root());
    }
    const RECT rect = ScreenRectOf(hwnd);
    const int menuHeight = MenuBarHeight(hwnd);
    if (!EqualRect(&rect, &shown.rect) || menuHeight != shown.menuHeight) {
        shown.stale = shown.stale || menuHeight != shown.menuHeight ||
                      rect.right - rect.left != shown.rect.right - shown.rect.left ||
                      rect.bottom - rect.top != shown.rect.bottom - shown.rect.top;
        shown.rect = rect;
        shown.menuHeight = menuHeight;
        const RECT outer = shown.Outer();
        XMoveResizeWindow(display, shown.xid, outer.left, outer.top,
                          Extent(outer.left, outer.right), Extent(outer.top, outer.bottom));
    }
    const bool visible = IsWindowVisible(hwnd) != FALSE;
    if (visible != shown.mapped) {
        shown.mapped = visible;
        if (visible) {
            shown.stale = true;
            XMapRaised(display, shown.xid);
        } else {
            XUnmapWindow(display, shown.xid);
        }
    }
}

void WindowMap::Destroy(ShownWindow& shown) {
    XDestroyWindow(m_connection.display(), shown.xid);
}

} // namespace hb::display
