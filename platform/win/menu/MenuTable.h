#pragma once
// The menu table; not part of the public surface.
#include "platform/win/WinTypes.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace hb::win::detail {

struct MenuItem {
    // MF_* flags, without MF_BYPOSITION.
    UINT flags = 0;
    UINT id = 0;
    HMENU popup;
    std::string text;
};

struct MenuRecord {
    std::vector<MenuItem> items;
};

// Where an item sits: its menu and index.
struct MenuSlot {
    MenuRecord* menu = nullptr;
    std::size_t index = 0;

    MenuItem& item() const { return menu->items[index]; }
};

class MenuTable {
public:
    HMENU New();
    MenuRecord* Find(HMENU menu);
    // By command (searched depth first through the popups) or by position.
    MenuSlot Locate(HMENU menu, UINT position, UINT flags);
    // The menu and every popup in it.
    void Destroy(HMENU menu);
    void Clear();

private:
    std::unordered_map<std::uint32_t, std::unique_ptr<MenuRecord>> m_menus;
    std::uint32_t m_nextHandle = 0x00C00010;
};

MenuTable& Menus();
void ResetMenus();
void ResetAccelerators();

} // namespace hb::win::detail
