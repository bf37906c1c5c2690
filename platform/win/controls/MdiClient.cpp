#include "platform/win/controls/MdiClient.h"

#include "platform/win/controls/ControlSupport.h"
#include "platform/win/controls/MdiWindows.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Keyboard.h"
#include "platform/win/core/Keys.h"
#include "platform/win/core/NonClient.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/core/WindowText.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/menu/Menus.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

// The frame asks the client to activate the child a window-list command names (wParam: the id).
constexpr UINT kActivateListed = WM_USER + 1;

struct MdiClientState {
    HFONT font;
    // The MDI children, the active one first.
    std::vector<HWND> order;
    // The children in the order they came, as the window menu lists them.
    std::vector<HWND> listed;
    HMENU windowMenu;
    UINT firstChild = 0;
    // How many items at the end of the window menu are the list's (its separator included).
    int listItems = 0;
};

void Paint(HWND hwnd, HDC hdc) {
    const RECT client = ClientRectOf(hwnd);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
}

void Prune(HWND client, MdiClientState& state) {
    const auto gone = [&](HWND child) { return GetParent(child) != client; };
    std::erase_if(state.order, gone);
    std::erase_if(state.listed, gone);
}

std::string ListedTitle(int number, HWND child) {
    return "&" + std::to_string(number) + " " + WindowTextOf(child);
}

void ClearWindowMenu(MdiClientState& state) {
    for (; state.listItems > 0 && IsMenu(state.windowMenu); --state.listItems) {
        DeleteMenu(state.windowMenu, static_cast<UINT>(GetMenuItemCount(state.windowMenu) - 1),
                   MF_BYPOSITION);
    }
    state.listItems = 0;
}

void RefreshWindowMenu(HWND client, MdiClientState& state) {
    if (!IsMenu(state.windowMenu)) {
        return;
    }
    Prune(client, state);
    ClearWindowMenu(state);
    std::vector<HWND> shown;
    std::copy_if(state.listed.begin(), state.listed.end(), std::back_inserter(shown),
                 [](HWND child) { return IsWindowVisible(child) != FALSE; });
    if (shown.empty()) {
        return;
    }
    if (GetMenuItemCount(state.windowMenu) > 0) {
        AppendMenu(state.windowMenu, MF_SEPARATOR, 0, nullptr);
        ++state.listItems;
    }
    const HWND active = state.order.empty() ? HWND{} : state.order.front();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const UINT flags = MF_STRING | (shown[i] == active ? MF_CHECKED : MF_UNCHECKED);
        AppendMenu(state.windowMenu, flags, state.firstChild + i,
                   ListedTitle(static_cast<int>(i) + 1, shown[i]).c_str());
        ++state.listItems;
    }
}

// The child the window menu lists under `id`.
HWND ListedChild(HWND client, MdiClientState& state, UINT id) {
    Prune(client, state);
    std::size_t index = 0;
    for (HWND child : state.listed) {
        if (IsWindowVisible(child) && id == state.firstChild + index++) {
            return child;
        }
    }
    return {};
}

// The list moves to the new menu.
void SetWindowMenu(HWND client, MdiClientState& state, HMENU menu) {
    ClearWindowMenu(state);
    state.windowMenu = menu;
    RefreshWindowMenu(client, state);
}

HWND Active(const MdiClientState& state) {
    return state.order.empty() ? HWND{} : state.order.front();
}

void Activate(HWND client, MdiClientState& state, HWND child) {
    Prune(client, state);
    const HWND old = Active(state);
    if (GetParent(child) != client) {
        return;
    }
    if (child == old) {
        RefreshWindowMenu(client, state);
        return;
    }
    std::erase(state.order, child);
    state.order.insert(state.order.begin(), child);
    if (std::find(state.listed.begin(), state.listed.end(), child) == state.listed.end()) {
        state.listed.push_back(child);
    }
    BringWindowToTop(child);
    // One maximized child at a time, and the active one keeps the place.
    if (old && IsZoomed(old) && !IsZoomed(child)) {
        ShowWindow(old, SW_RESTORE);
        ShowWindow(child, SW_MAXIMIZE);
    }
    InvalidateRect(client, nullptr, TRUE);
    const WPARAM deactivated = static_cast<WPARAM>(ParamFromHwnd(old));
    const LPARAM activated = ParamFromHwnd(child);
    if (old) {
        SendMessage(old, WM_MDIACTIVATE, deactivated, activated);
    }
    SendMessage(child, WM_MDIACTIVATE, deactivated, activated);
    if (IsWindow(child)) {
        SetFocus(child);
    }
    RefreshWindowMenu(client, state);
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
    InvalidateRect(client, nullptr, TRUE);
    RefreshWindowMenu(client, state);
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
                const RECT insets = FrameInsets(static_cast<DWORD>(GetWindowLong(c, GWL_STYLE)),
                                                static_cast<DWORD>(GetWindowLong(c, GWL_EXSTYLE)));
                MoveWindow(c, -insets.left, -insets.top,
                           LOWORD(lParam) + insets.left + insets.right,
                           HIWORD(lParam) + insets.top + insets.bottom, TRUE);
            }
        }
        return 0;
    case WM_CREATE:
        if (const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
            cs && cs->lpCreateParams) {
            const auto* ccs = static_cast<const CLIENTCREATESTRUCT*>(cs->lpCreateParams);
            state.firstChild = ccs->idFirstChild;
            SetWindowMenu(hwnd, state, ccs->hWindowMenu);
        }
        return 0;
    case WM_MDISETMENU:
        if (lParam) {
            SetWindowMenu(hwnd, state, HandleFromParam<HMENU>(static_cast<WPARAM>(lParam)));
        }
        return 0;
    case WM_MDIREFRESHMENU:
        RefreshWindowMenu(hwnd, state);
        return 0;
    case kActivateListed:
        if (const HWND listed = ListedChild(hwnd, state, static_cast<UINT>(wParam))) {
            Activate(hwnd, state, listed);
            return TRUE;
        }
        return FALSE;
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass(MDICLIENT_CLASS, &ControlProc<MdiClientState, &Handle, &Paint>);

} // namespace

BOOL TranslateMDISysAccel(HWND client, MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) ||
        !IsMdiClient(client) || !(GetKeyState(VK_CONTROL) & 0x8000) ||
        (msg->wParam != VK_F4 && msg->wParam != VK_F6)) {
        return FALSE;
    }
    const HWND active =
        HwndFromParam(static_cast<std::uintptr_t>(SendMessage(client, WM_MDIGETACTIVE, 0, 0)));
    if (!active) {
        return FALSE;
    }
    WPARAM command = SC_CLOSE;
    if (msg->wParam == VK_F6) {
        command = (GetKeyState(VK_SHIFT) & 0x8000) ? SC_PREVWINDOW : SC_NEXTWINDOW;
    }
    SendMessage(active, WM_SYSCOMMAND, command, 0);
    return TRUE;
}

LRESULT DefFrameProc(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == 0 && IsMdiClient(client) &&
        SendMessage(client, kActivateListed, LOWORD(wParam), 0)) {
        return 0;
    }
    return DefWindowProc(frame, message, wParam, lParam);
}
