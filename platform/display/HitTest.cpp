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

HWND HitTest(HWND top, POINT client) {
    HWND hit = top;
    POINT pt = client;
    for (bool deeper = true; deeper;) {
        deeper = false;
        // Overlays last, so that they are tried first.
        std::vector<HWND> children;
        std::vector<HWND> overlays;
        for (HWND c = GetWindow(hit, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            (IsOverlay(c) ? overlays : children).push_back(c);
        }
        children.insert(children.end(), overlays.begin(), overlays.end());
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            if (!(GetWindowLong(*it, GWL_STYLE) & WS_VISIBLE) || IsGroupBox(*it)) {
                continue;
            }
            RECT rect;
            GetWindowRect(*it, &rect);
            POINT origin{rect.left, rect.top};
            ScreenToClient(hit, &origin);
            const RECT area{origin.x, origin.y, origin.x + rect.right - rect.left,
                            origin.y + rect.bottom - rect.top};
            if (PtInRect(&area, pt)) {
                pt = {pt.x - origin.x, pt.y - origin.y};
                hit = *it;
                deeper = true;
                break;
            }
        }
    }
    return hit;
}

} // namespace hb::display
