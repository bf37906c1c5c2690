#include "platform/win/controls/MdiWindows.h"

#include "platform/win/controls/MdiClient.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/core/Window.h"

namespace hb::win {

bool IsMdiClient(HWND hwnd) {
    char name[16] = {};
    return GetClassName(hwnd, name, sizeof name) > 0 && EqualNoCase(name, MDICLIENT_CLASS);
}

HWND FindMdiClient(HWND hwnd) {
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (IsMdiClient(c)) {
            return c;
        }
        if (const HWND inner = FindMdiClient(c)) {
            return inner;
        }
    }
    return {};
}

} // namespace hb::win
