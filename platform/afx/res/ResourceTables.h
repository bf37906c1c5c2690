#pragma once
// A module's resources as C++ data, keyed by resource id. Within one table the first entry of an
// id counts.
#include "platform/afx/res/DialogTemplate.h"
#include "platform/win/menu/Accelerators.h"
#include "platform/win/sys/ModuleVersion.h"

#include <optional>
#include <string>
#include <vector>

namespace hb::afx {

struct StringResource {
    UINT id = 0;
    // UTF-8.
    std::string text{};
};

// `picture` names the picture that shows the icon (a file of the program's pictures).
struct IconResource {
    UINT id = 0;
    // The sizes the icon comes in; none means the standard 32 x 32.
    std::vector<SIZE> sizes{};
    std::string picture{};
};

// A bitmap, possibly a strip of `cells` images of equal width side by side, with the names of the
// pictures that show its cells, in order.
struct BitmapResource {
    UINT id = 0;
    int cx = 0;
    int cy = 0;
    int cells = 1;
    std::vector<std::string> pictures{};
};

// A command (id and text), a separator (MF_SEPARATOR) or, with items, a popup. `flags` may add
// MF_GRAYED or MF_CHECKED.
struct MenuItemResource {
    UINT id = 0;
    std::string text{};
    UINT flags = 0;
    std::vector<MenuItemResource> items{};
};

struct MenuResource {
    UINT id = 0;
    std::vector<MenuItemResource> items{};
};

// A tool bar's buttons in order (0 for a separator), drawn from the cells of a bitmap.
struct ToolBarResource {
    UINT id = 0;
    UINT bitmapId = 0;
    int buttonCx = 16;
    int buttonCy = 15;
    std::vector<UINT> buttons{};
};

struct AcceleratorResource {
    UINT id = 0;
    std::vector<ACCEL> entries{};
};

struct VersionResource {
    hb::win::ModuleVersion fileVersion{};
    hb::win::ModuleVersion productVersion{};
    std::string fileDescription{};
    std::string productName{};
    WORD language = 0x0409;
    WORD codePage = 0x04B0;
};

struct ResourceTables {
    std::vector<DialogTemplate> dialogs{};
    std::vector<StringResource> strings{};
    std::vector<IconResource> icons{};
    std::vector<BitmapResource> bitmaps{};
    std::vector<MenuResource> menus{};
    std::vector<ToolBarResource> toolBars{};
    std::vector<AcceleratorResource> accelerators{};
    std::optional<VersionResource> version{};
};

} // namespace hb::afx
