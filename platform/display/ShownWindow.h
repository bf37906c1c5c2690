#pragma once
// What the presenter keeps for one top-level window that has an X window.
#include "platform/display/Connection.h"
#include "platform/win/WinTypes.h"

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>

namespace hb::display {

using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

struct ShownWindow {
    HWND hwnd;
    XId xid = 0;
    // Where the window's client area is on the screen, as the X window last had it.
    RECT rect;
    // The menu bar above the client area, 0 without a menu.
    int menuHeight = 0;
    std::string title;
    HWND owner;
    // The icon the window manager was given (WM_GETICON's big icon).
    std::uint32_t icon = 0;
    bool mapped = false;
    // The last picture of the window tree, put on the screen again for an expose.
    SurfacePtr picture{nullptr, &cairo_surface_destroy};
    // The picture must be made anew (resized, or never made).
    bool stale = true;
    // The picture must go to the screen again.
    bool exposed = false;

    // The X window: the client area with the menu bar above it.
    RECT Outer() const { return {rect.left, rect.top - menuHeight, rect.right, rect.bottom}; }
};

} // namespace hb::display
