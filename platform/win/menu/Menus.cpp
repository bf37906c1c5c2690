#include "platform/win/menu/Menus.h"

#include "platform/win/core/Hooks.h"
#include "platform/win/core/Internal.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowTable.h"
#include "platform/win/menu/MenuTable.h"

#include <algorithm>
#include <deque>
#include <optional>

using namespace hb::win::detail;

namespace {

struct PopupScript {
    hb::win::PopupMenuHandler handler;
    std::deque<UINT> expected;
    std::vector<hb::win::PopupMenuRecord> log;
};

PopupScript& Popups() {
    static PopupScript script;
    return script;
}

// The item a call describes: a popup takes its handle from `idNewItem`, others their command.
std::optional<MenuItem> MakeItem(UINT flags, UINT_PTR idNewItem, LPCSTR text) {
    MenuItem item;
    item.flags = flags & ~MF_BYPOSITION;
    if (flags & MF_POPUP) {
        item.popup = HMENU(static_cast<std::uint32_t>(idNewItem));
        if (!Menus().Find(item.popup)) {
            return std::nullopt;
        }
    } else if (!(flags & MF_SEPARATOR)) {
        item.id = static_cast<UINT>(idNewItem);
    }
    if (!(flags & MF_SEPARATOR) && text) {
        item.text = text;
    }
    return item;
}

BOOL Insert(HMENU menu, std::size_t index, UINT flags, UINT_PTR idNewItem, LPCSTR text) {
    MenuRecord* record = Menus().Find(menu);
    const auto item = MakeItem(flags, idNewItem, text);
    if (!record || !item) {
        return FALSE;
    }
    index = std::min(index, record->items.size());
    record->items.insert(record->items.begin() + static_cast<std::ptrdiff_t>(index), *item);
    return TRUE;
}

BOOL Remove(HMENU menu, UINT position, UINT flags, bool destroyPopup) {
    const MenuSlot slot = Menus().Locate(menu, position, flags);
    if (!slot.menu) {
        return FALSE;
    }
    const HMENU popup = slot.item().popup;
    slot.menu->items.erase(slot.menu->items.begin() + static_cast<std::ptrdiff_t>(slot.index));
    if (destroyPopup && popup) {
        Menus().Destroy(popup);
    }
    return TRUE;
}

// Replaces the state bits in `mask` of the item; returns the previous ones or -1.
LONG ChangeState(HMENU menu, UINT position, UINT flags, UINT mask) {
    const MenuSlot slot = Menus().Locate(menu, position, flags);
    if (!slot.menu) {
        return -1;
    }
    MenuItem& item = slot.item();
    const UINT previous = item.flags & mask;
    item.flags = (item.flags & ~mask) | (flags & mask);
    return static_cast<LONG>(previous);
}

void CollectEnabled(HMENU menu, std::vector<UINT>& out) {
    const MenuRecord* record = Menus().Find(menu);
    if (!record) {
        return;
    }
    for (const MenuItem& item : record->items) {
        if (item.flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)) {
            continue;
        }
        if (item.popup) {
            CollectEnabled(item.popup, out);
        } else {
            out.push_back(item.id);
        }
    }
}

UINT ChooseCommand(const hb::win::PopupMenuRecord& popup) {
    auto& script = Popups();
    if (!hb::win::IsStrictMode()) {
        return 0;
    }
    if (script.expected.empty()) {
        hb::win::ReportFailure("popup menu shown without a scripted command");
        return 0;
    }
    const UINT command = script.expected.front();
    script.expected.pop_front();
    if (command != 0 &&
        std::find(popup.enabled.begin(), popup.enabled.end(), command) == popup.enabled.end()) {
        hb::win::ReportFailure("scripted popup command " + std::to_string(command) +
                               " is not an enabled item of the menu");
        return 0;
    }
    return command;
}

} // namespace

HMENU CreateMenu() {
    return Menus().New();
}

HMENU CreatePopupMenu() {
    return Menus().New();
}

BOOL DestroyMenu(HMENU menu) {
    if (!Menus().Find(menu)) {
        return FALSE;
    }
    Menus().Destroy(menu);
    return TRUE;
}

BOOL IsMenu(HMENU menu) {
    return Menus().Find(menu) != nullptr;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCSTR text) {
    return Insert(menu, static_cast<std::size_t>(-1), flags, idNewItem, text);
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR text) {
    if ((flags & MF_BYPOSITION)) {
        const std::size_t index =
            position == static_cast<UINT>(-1) ? static_cast<std::size_t>(-1) : position;
        return Insert(menu, index, flags, idNewItem, text);
    }
    const MenuSlot slot = Menus().Locate(menu, position, flags);
    if (!slot.menu) {
        return FALSE;
    }
    const auto item = MakeItem(flags, idNewItem, text);
    if (!item) {
        return FALSE;
    }
    slot.menu->items.insert(slot.menu->items.begin() + static_cast<std::ptrdiff_t>(slot.index),
                            *item);
    return TRUE;
}

BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR text) {
    const MenuSlot slot = Menus().Locate(menu, position, flags);
    const auto item = MakeItem(flags, idNewItem, text);
    if (!slot.menu || !item) {
        return FALSE;
    }
    // A popup replaced by something else goes, as the item that held it did.
    const HMENU old = slot.item().popup;
    slot.item() = *item;
    if (old && old != item->popup) {
        Menus().Destroy(old);
    }
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    return Remove(menu, position, flags, false);
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    return Remove(menu, position, flags, true);
}

int GetMenuItemCount(HMENU menu) {
    const MenuRecord* record = Menus().Find(menu);
    return record ? static_cast<int>(record->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    const MenuSlot slot = Menus().Locate(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (!slot.menu || slot.item().popup) {
        return 0xFFFFFFFF;
    }
    return slot.item().id;
}

HMENU GetSubMenu(HMENU menu, int position) {
    const MenuSlot slot = Menus().Locate(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return slot.menu ? slot.item().popup : HMENU{};
}

int GetMenuString(HMENU menu, UINT position, LPSTR buffer, int maxCount, UINT flags) {
    const MenuSlot slot = Menus().Locate(menu, position, flags);
    if (!slot.menu) {
        return 0;
    }
    if (!buffer) {
        return static_cast<int>(slot.item().text.size());
    }
    return CopyText(slot.item().text, buffer, maxCount);
}

UINT GetMenuState(HMENU menu, UINT position, UINT flags) {
    const MenuSlot slot = Menus().Locate(menu, position, flags);
    if (!slot.menu) {
        return 0xFFFFFFFF;
    }
    const MenuItem& item = slot.item();
    if (const MenuRecord* popup = Menus().Find(item.popup)) {
        return (static_cast<UINT>(popup->items.size() & 0xFF) << 8) | (item.flags & 0xFF);
    }
    return item.flags;
}

BOOL EnableMenuItem(HMENU menu, UINT position, UINT flags) {
    return ChangeState(menu, position, flags, MF_GRAYED | MF_DISABLED);
}

DWORD CheckMenuItem(HMENU menu, UINT position, UINT flags) {
    return static_cast<DWORD>(ChangeState(menu, position, flags, MF_CHECKED));
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record || (record->style & WS_CHILD) || (menu && !Menus().Find(menu))) {
        return FALSE;
    }
    record->menu = menu;
    return TRUE;
}

HMENU GetMenu(HWND hwnd) {
    const WindowRecord* record = Windows().Find(hwnd);
    return record && !(record->style & WS_CHILD) ? record->menu : HMENU{};
}

BOOL DrawMenuBar(HWND hwnd) {
    return IsWindow(hwnd);
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (!Menus().Find(menu) || !IsWindow(owner)) {
        return FALSE;
    }
    SendMessage(owner, WM_INITMENUPOPUP, static_cast<WPARAM>(menu.id()), MAKELPARAM(0, FALSE));
    hb::win::PopupMenuRecord popup{owner, {}, 0};
    CollectEnabled(menu, popup.enabled);
    // A copy: the handler runs a loop, in which it may be replaced.
    const hb::win::PopupMenuHandler handler = Popups().handler;
    popup.chosen = handler ? handler({menu, {x, y}, owner}) : ChooseCommand(popup);
    Popups().log.push_back(popup);
    // The menu has closed.
    if (IsWindow(owner)) {
        SendMessage(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    }
    if (flags & TPM_RETURNCMD) {
        return static_cast<BOOL>(popup.chosen);
    }
    if (popup.chosen != 0) {
        PostMessage(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(popup.chosen), 0), 0);
    }
    return TRUE;
}

namespace hb::win {

void SetPopupMenuHandler(PopupMenuHandler handler) {
    Popups().handler = std::move(handler);
}

void ExpectPopupMenu(UINT command) {
    Popups().expected.push_back(command);
}

std::size_t UnmetPopupMenuExpectations() {
    return Popups().expected.size();
}

const std::vector<PopupMenuRecord>& PopupMenuLog() {
    return Popups().log;
}

namespace detail {

HMENU MenuTable::New() {
    const HMENU menu(m_nextHandle++);
    m_menus.emplace(menu.id(), std::make_unique<MenuRecord>());
    return menu;
}

MenuRecord* MenuTable::Find(HMENU menu) {
    const auto it = m_menus.find(menu.id());
    return it == m_menus.end() ? nullptr : it->second.get();
}

MenuSlot MenuTable::Locate(HMENU menu, UINT position, UINT flags) {
    MenuRecord* record = Find(menu);
    if (!record) {
        return {};
    }
    if (flags & MF_BYPOSITION) {
        return position < record->items.size() ? MenuSlot{record, position} : MenuSlot{};
    }
    for (std::size_t i = 0; i < record->items.size(); ++i) {
        const MenuItem& item = record->items[i];
        if (item.popup) {
            if (const MenuSlot inner = Locate(item.popup, position, flags); inner.menu) {
                return inner;
            }
        } else if (!(item.flags & MF_SEPARATOR) && item.id == position) {
            return {record, i};
        }
    }
    return {};
}

void MenuTable::Destroy(HMENU menu) {
    const auto it = m_menus.find(menu.id());
    if (it == m_menus.end()) {
        return;
    }
    const std::unique_ptr<MenuRecord> record = std::move(it->second);
    m_menus.erase(it);
    for (const MenuItem& item : record->items) {
        if (item.popup) {
            Destroy(item.popup);
        }
    }
}

void MenuTable::Clear() {
    m_menus.clear();
}

MenuTable& Menus() {
    static MenuTable table;
    return table;
}

void ResetMenus() {
    Menus().Clear();
    Popups() = PopupScript{};
}

} // namespace detail
} // namespace hb::win
