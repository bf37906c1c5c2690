#pragma once
// Menus: trees of items kept in a table by handle. A window's menu is destroyed with the window.

#include "platform/win/WinTypes.h"

#include <functional>
#include <string>
#include <vector>

inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;

inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the menu and the popups in it.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// With MF_POPUP, `idNewItem` is the popup's handle (its id), which the menu then owns. `position`
// is an item's command (MF_BYCOMMAND, searched in the popups too) or index (MF_BYPOSITION; -1 or
// past the end appends).
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCSTR text);
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR text);
BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR text);
// RemoveMenu keeps a removed popup alive for the caller; DeleteMenu destroys it.
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);

// -1 for a bad menu.
int GetMenuItemCount(HMENU menu);
// The command of the item at `position`: 0 for a separator, 0xFFFFFFFF for a popup or no item.
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);
// Copies at most maxCount - 1 characters; returns the length copied (the whole length for no
// buffer), 0 when there is no such item.
int GetMenuString(HMENU menu, UINT position, LPSTR buffer, int maxCount, UINT flags);
// The item's MF_* flags; a popup's also carry its item count in the high byte of the low word.
// 0xFFFFFFFF when there is no such item.
UINT GetMenuState(HMENU menu, UINT position, UINT flags);
// Both return the previous state (MF_GRAYED/MF_DISABLED, or MF_CHECKED), -1 for no such item.
BOOL EnableMenuItem(HMENU menu, UINT position, UINT flags);
DWORD CheckMenuItem(HMENU menu, UINT position, UINT flags);

// The menu a top-level window shows; the window owns it from then on. A window created with a
// menu handle in place of a control id starts with that menu.
BOOL SetMenu(HWND hwnd, HMENU menu);
HMENU GetMenu(HWND hwnd);
BOOL DrawMenuBar(HWND hwnd);

// Sends WM_INITMENUPOPUP to the owner, then lets the popup-menu handler or script pick a command
// (see below).
// With TPM_RETURNCMD returns the command (0 when dismissed); otherwise posts WM_COMMAND with it to
// the owner and returns TRUE.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* rect);

namespace hb::win {

// Who picks from a popup menu when there is a user to do it (a display): the handler gets the
// popup, where TrackPopupMenu was asked to show it (screen coordinates) and its owner, and returns
// the command chosen (an enabled item of the popup or of a popup inside it), 0 for none. An empty
// handler goes back to the script.
struct PopupMenuRequest {
    HMENU menu;
    POINT at;
    HWND owner;
};
using PopupMenuHandler = std::function<UINT(const PopupMenuRequest&)>;
void SetPopupMenuHandler(PopupMenuHandler handler);

// Headless there is nobody to pick a menu item. In strict mode each popup takes the next scripted
// command (0 dismisses it); a popup without one, or a scripted command that is not an enabled item
// of the popup, is a failure and dismisses it. Otherwise popups are dismissed.
void ExpectPopupMenu(UINT command);
std::size_t UnmetPopupMenuExpectations();

struct PopupMenuRecord {
    HWND owner;
    // The commands of the popup's enabled items, popups included, in menu order.
    std::vector<UINT> enabled;
    UINT chosen = 0;
};

// Every popup menu tracked, in order.
const std::vector<PopupMenuRecord>& PopupMenuLog();

} // namespace hb::win
