#include "platform/win/core/Placement.h"

#include "platform/win/core/Geometry.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"

#include <algorithm>

namespace hb::win {

POINT CentredOver(HWND owner, SIZE size) {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT over = screen;
    const HWND top = owner ? GetAncestor(owner, GA_ROOT) : HWND{};
    if (top) {
        GetWindowRect(top, &over);
    }
    POINT at{over.left + (over.right - over.left - size.cx) / 2,
             over.top + (over.bottom - over.top - size.cy) / 2};
    if (top) {
        // A top-level window's menu bar lies just above its rectangle; the dialog's caption lies
        // just above the dialog's.
        const LONG lowest = over.top + GetSystemMetrics(SM_CYCAPTION);
        if (at.y < lowest && lowest + size.cy <= screen.bottom) {
            at.y = lowest;
        }
    }
    // Whole on the screen where it fits, its top left corner on it where it does not.
    at.x = std::max(std::min(at.x, screen.right - size.cx), screen.left);
    at.y = std::max(std::min(at.y, screen.bottom - size.cy), screen.top);
    return at;
}

} // namespace hb::win
