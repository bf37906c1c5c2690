#include "platform/display/HitTest.h"

#include "platform/display/Overlay.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/core/Window.h"

#include <vector>

namespace hb::display {

namespace {

bool IsGroupBox(HWND hwnd) {
    char name[16] = {};
    GetClassName(hwnd, name, sizeof name);
    return hb::win::EqualNoCase(name, "Button") &&
           (static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE)) & BS_TYPEMASK) == BS_GROUPBOX;
}

} // namespace

Hit HitTestFrames(HWND top, POINT client) {
    POINT screen = client;
    ClientToScreen(top, &screen);
    Hit hit{top};
    for (bool deeper = true; deeper;) {
        deeper = false;
        // Overlays last, so that they are tried first.
        std::vector<HWND> children;
        std::vector<HWND> overlays;
        for (HWND c = GetWindow(hit.hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            (IsOverlay(c) ? overlays : children).push_back(c);
        }
        children.insert(children.end(), overlays.begin(), overlays.end());
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            if (!(GetWindowLong(*it, GWL_STYLE) & WS_VISIBLE) || IsGroupBox(*it)) {
                continue;
            }
            RECT rect;
            GetWindowRect(*it, &rect);
            if (!PtInRect(&rect, screen)) {
                continue;
            }
            RECT inner;
            GetClientRect(*it, &inner);
            MapWindowPoints(*it, HWND{}, reinterpret_cast<POINT*>(&inner), 2);
            hit = {*it, !PtInRect(&inner, screen)};
            deeper = !hit.onFrame;
            break;
        }
    }
    return hit;
}

HWND HitTest(HWND top, POINT client) {
    return HitTestFrames(top, client).hwnd;
}

} // namespace hb::display
