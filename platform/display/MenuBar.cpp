#include "platform/display/MenuBar.h"

#include "platform/display/FramePainter.h"
#include "platform/display/MenuEntries.h"
#include "platform/display/RenderSteps.h"
#include "platform/win/controls/MdiWindows.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/NonClient.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/FrameControls.h"
#include "platform/win/gdi/TextDrawing.h"
#include "platform/win/menu/Menus.h"

namespace hb::display {

namespace {

constexpr int kPadding = 8;

std::vector<hb::win::CaptionButton> MergedButtons(HWND child, int width) {
    return hb::win::LayOutMenuBarButtons(static_cast<DWORD>(GetWindowLong(child, GWL_STYLE)),
                                         {0, 0, width, kMenuBarHeight});
}

} // namespace

HWND MaximizedChild(HWND top) {
    const HWND client = hb::win::FindMdiClient(top);
    if (!client) {
        return {};
    }
    BOOL maximized = FALSE;
    const auto active = hb::win::HwndFromParam(static_cast<std::uintptr_t>(
        SendMessage(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized))));
    return maximized && hb::win::HasFrame(static_cast<DWORD>(GetWindowLong(active, GWL_STYLE)))
               ? active
               : HWND{};
}

void PaintMergedButtons(cairo_t* cr, HWND top, int width) {
    const HWND child = MaximizedChild(top);
    if (!child) {
        return;
    }
    DrawThroughDc(cr, [&](HDC hdc) {
        for (const hb::win::CaptionButton& button : MergedButtons(child, width)) {
            DrawCaptionButton(hdc, button.rect, button.command);
        }
    });
}

int MenuBarHeight(HWND hwnd) {
    const HMENU menu = GetMenu(hwnd);
    return menu && GetMenuItemCount(menu) > 0 ? kMenuBarHeight : 0;
}

std::vector<MenuBarItem> LayOutMenuBar(HMENU menu) {
    std::vector<MenuBarItem> items;
    LONG left = 0;
    const auto entries = EntriesOf(menu);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LONG width = MenuTextWidth(entries[i].text) + 2 * kPadding;
        items.push_back({{left, 0, left + width, kMenuBarHeight}, static_cast<int>(i)});
        left += width;
    }
    return items;
}

void PaintMenuBar(cairo_t* cr, HMENU menu, int width) {
    detail::FillBox(cr, {0, 0, width, kMenuBarHeight}, GetSysColor(COLOR_MENU));
    detail::FillBox(cr, {0, kMenuBarHeight - 1, width, kMenuBarHeight},
                    GetSysColor(COLOR_BTNSHADOW));
    const auto entries = EntriesOf(menu);
    const auto items = LayOutMenuBar(menu);
    DrawThroughDc(cr, [&](HDC hdc) {
        for (const MenuBarItem& item : items) {
            const MenuEntry& entry = entries[static_cast<std::size_t>(item.index)];
            SetTextColor(
                hdc, GetSysColor(entry.enabled() || entry.popup ? COLOR_MENUTEXT : COLOR_GRAYTEXT));
            RECT box = item.rect;
            DrawText(hdc, entry.text.c_str(), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    });
}

void ClickMenuBar(HWND hwnd, POINT barOrigin, int x) {
    if (const HWND child = MaximizedChild(hwnd)) {
        RECT client;
        GetClientRect(hwnd, &client);
        for (const hb::win::CaptionButton& button : MergedButtons(child, client.right)) {
            if (x >= button.rect.left && x < button.rect.right) {
                PostMessage(child, WM_SYSCOMMAND, button.command, 0);
                return;
            }
        }
    }
    const HMENU menu = GetMenu(hwnd);
    for (const MenuBarItem& item : LayOutMenuBar(menu)) {
        if (x < item.rect.left || x >= item.rect.right) {
            continue;
        }
        SendMessage(hwnd, WM_INITMENU, static_cast<WPARAM>(menu.id()), 0);
        if (const HMENU popup = GetSubMenu(menu, item.index)) {
            TrackPopupMenu(popup, TPM_LEFTALIGN, barOrigin.x + item.rect.left,
                           barOrigin.y + kMenuBarHeight, 0, hwnd, nullptr);
            return;
        }
        const UINT state = GetMenuState(menu, static_cast<UINT>(item.index), MF_BYPOSITION);
        if (!(state & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR))) {
            PostMessage(hwnd, WM_COMMAND, GetMenuItemID(menu, item.index), 0);
        }
        return;
    }
}

} // namespace hb::display
