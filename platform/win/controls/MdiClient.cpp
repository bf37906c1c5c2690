#include "platform/win/controls/MdiClient.h"

#include "platform/win/controls/ControlSupport.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"

#include <algorithm>
#include <vector>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

struct MdiClientState {
    HFONT font;
    // The MDI children, the active one first.
    std::vector<HWND> order;
};

void Paint(HWND hwnd, HDC hdc) {
    const RECT client = ClientRectOf(hwnd);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
}

void Prune(HWND client, MdiClientState& state) {
    std::erase_if(state.order, [&](HWND child) { return GetParent(child) != client; });
}

HWND Active(const MdiClientState& state) {
    return state.order.empty() ? HWND{} : state.order.front();
}

void Activate(HWND client, MdiClientState& state, HWND child) {
    Prune(client, state);
    const HWND old = Active(state);
    if (child == old || GetParent(child) != client) {
        return;
    }
    std::erase(state.order, child);
    state.order.insert(state.order.begin(), child);
    const WPARAM deactivated = static_cast<WPARAM>(ParamFromHwnd(old));
    const LPARAM activated = ParamFromHwnd(child);
    if (old) {
        SendMessage(old, WM_MDIACTIVATE, deactivated, activated);
    }
    SendMessage(child, WM_MDIACTIVATE, deactivated, activated);
    if (IsWindow(child)) {
        SetFocus(child);
    }
}

void Destroy(HWND client, MdiClientState& state, HWND child) {
    Prune(client, state);
    if (child == Active(state) && state.order.size() > 1) {
        Activate(client, state, state.order[1]);
    }
    // Still active as the last child: it hears of its deactivation once it is out of the order.
    const bool last = child == Active(state);
    std::erase(state.order, child);
    if (last) {
        SendMessage(child, WM_MDIACTIVATE, static_cast<WPARAM>(ParamFromHwnd(child)), 0);
    }
    if (GetParent(child) == client) {
        DestroyWindow(child);
    }
}

void Next(HWND client, MdiClientState& state, HWND child, bool previous) {
    Prune(client, state);
    if (state.order.size() < 2) {
        return;
    }
    if (previous) {
        Activate(client, state, state.order.back());
        return;
    }
    if (!child) {
        child = Active(state);
    }
    const auto at = std::find(state.order.begin(), state.order.end(), child);
    if (at == state.order.end()) {
        return;
    }
    const auto behind = std::next(at) == state.order.end() ? state.order.begin() : std::next(at);
    Activate(client, state, *behind);
    std::erase(state.order, child);
    state.order.push_back(child);
}

// The children that take part in tiling and cascading, restored from maximized: in activation
// order, then those never activated.
std::vector<HWND> Arranged(HWND client, MdiClientState& state) {
    Prune(client, state);
    std::vector<HWND> all = state.order;
    for (HWND c = GetWindow(client, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (std::find(all.begin(), all.end(), c) == all.end()) {
            all.push_back(c);
        }
    }
    std::vector<HWND> children;
    for (HWND child : all) {
        if (IsWindowVisible(child) && !IsIconic(child)) {
            if (IsZoomed(child)) {
                ShowWindow(child, SW_RESTORE);
            }
            children.push_back(child);
        }
    }
    return children;
}

LRESULT Tile(HWND client, MdiClientState& state, bool horizontal) {
    const std::vector<HWND> children = Arranged(client, state);
    const RECT area = ClientRectOf(client);
    const int count = static_cast<int>(children.size());
    for (int i = 0; i < count; ++i) {
        if (horizontal) {
            const int height = area.bottom / count;
            const int top = i * height;
            const int bottom = i + 1 == count ? area.bottom : top + height;
            MoveWindow(children[i], 0, top, area.right, bottom - top, TRUE);
        } else {
            const int width = area.right / count;
            const int left = i * width;
            const int right = i + 1 == count ? area.right : left + width;
            MoveWindow(children[i], left, 0, right - left, area.bottom, TRUE);
        }
    }
    return count > 0;
}

LRESULT Cascade(HWND client, MdiClientState& state) {
    const std::vector<HWND> children = Arranged(client, state);
    const RECT area = ClientRectOf(client);
    const int count = static_cast<int>(children.size());
    const int spread = kMdiCascadeStep * (count - 1);
    const int width = std::max(area.right - spread, area.right / 2);
    const int height = std::max(area.bottom - spread, area.bottom / 2);
    // The backmost child first, so that the active one ends on top.
    for (int i = 0; i < count; ++i) {
        const int offset = i * kMdiCascadeStep;
        MoveWindow(children[static_cast<std::size_t>(count - 1 - i)], offset, offset, width, height,
                   TRUE);
    }
    return count > 0;
}

std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              MdiClientState& state) {
    const HWND child = HwndFromParam(wParam);
    switch (message) {
    case WM_MDIACTIVATE:
        Activate(hwnd, state, child);
        return 0;
    case WM_MDIGETACTIVE: {
        Prune(hwnd, state);
        const HWND active = Active(state);
        if (auto* maximized = reinterpret_cast<BOOL*>(lParam)) {
            *maximized = active && IsZoomed(active);
        }
        return ParamFromHwnd(active);
    }
    case WM_MDIDESTROY:
        Destroy(hwnd, state, child);
        return 0;
    case WM_MDINEXT:
        Next(hwnd, state, child, lParam != 0);
        return 0;
    case WM_MDIMAXIMIZE:
        ShowWindow(child, SW_MAXIMIZE);
        return 0;
    case WM_MDIRESTORE:
        ShowWindow(child, SW_RESTORE);
        return 0;
    case WM_MDITILE:
        return Tile(hwnd, state, wParam == MDITILE_HORIZONTAL);
    case WM_MDICASCADE:
        return Cascade(hwnd, state);
    case WM_SIZE:
        for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            if (IsZoomed(c)) {
                MoveWindow(c, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            }
        }
        return 0;
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass(MDICLIENT_CLASS, &ControlProc<MdiClientState, &Handle, &Paint>);

} // namespace
