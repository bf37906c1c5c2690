#pragma once
// The menu of a top-level window, shown as a bar above its client area (windows here have no
// non-client area of their own, so the X window is that much taller than the client area).
#include "platform/win/WinTypes.h"

#include <cairo.h>

#include <vector>

namespace hb::display {

inline constexpr int kMenuBarHeight = 20;

struct MenuBarItem {
    RECT rect; // in the bar
    int index = 0;
};

// 0 for a window without a menu or with an empty one.
int MenuBarHeight(HWND hwnd);
std::vector<MenuBarItem> LayOutMenuBar(HMENU menu);
void PaintMenuBar(cairo_t* cr, HMENU menu, int width);

// A maximized MDI child gives its frame to the main window: its minimize, restore and close
// buttons show at the right end of the bar (FrameControls.h).
// The active MDI child of `top`, when it is maximized.
HWND MaximizedChild(HWND top);
void PaintMergedButtons(cairo_t* cr, HWND top, int width);

// A click at `x` of the bar, whose top-left corner is at `barOrigin` on the screen: a merged
// button sends its system command to the child; an item's popup is tracked below the item
// (WM_INITMENU first), or the item's command posted.
void ClickMenuBar(HWND hwnd, POINT barOrigin, int x);

} // namespace hb::display
