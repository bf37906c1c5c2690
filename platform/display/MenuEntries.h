#pragma once
// What the menu bar and the popup menus show of a menu, and how they draw: through a recording DC
// in the dialog font, replayed by the renderer, so menus look and measure like everything else.
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"
#include "platform/win/menu/Menus.h"

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

namespace hb::display {

struct MenuEntry {
    std::string text; // with its '&' prefixes and any "\t" shortcut
    UINT id = 0;
    UINT state = 0; // MF_* flags
    HMENU popup;

    bool separator() const { return (state & MF_SEPARATOR) != 0; }
    bool enabled() const { return !(state & (MF_GRAYED | MF_DISABLED)) && !separator(); }
};

std::vector<MenuEntry> EntriesOf(HMENU menu);

// Runs `draw` on a recording DC with the dialog font selected and renders what it drew onto `cr`.
void DrawThroughDc(cairo_t* cr, const std::function<void(HDC)>& draw);
// The width of `text` (prefixes left out) in the dialog font.
LONG MenuTextWidth(const std::string& text);

} // namespace hb::display
