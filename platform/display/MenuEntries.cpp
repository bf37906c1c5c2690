#include "platform/display/MenuEntries.h"

#include "platform/display/Renderer.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"
#include "platform/win/menu/Menus.h"

namespace hb::display {

std::vector<MenuEntry> EntriesOf(HMENU menu) {
    std::vector<MenuEntry> entries;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const auto position = static_cast<UINT>(i);
        MenuEntry entry;
        const int length = GetMenuString(menu, position, nullptr, 0, MF_BYPOSITION);
        entry.text.resize(static_cast<std::size_t>(length) + 1);
        GetMenuString(menu, position, entry.text.data(), length + 1, MF_BYPOSITION);
        entry.text.resize(static_cast<std::size_t>(length));
        entry.id = GetMenuItemID(menu, i);
        entry.state = GetMenuState(menu, position, MF_BYPOSITION);
        entry.popup = GetSubMenu(menu, i);
        entries.push_back(std::move(entry));
    }
    return entries;
}

void DrawThroughDc(cairo_t* cr, const std::function<void(HDC)>& draw) {
    const HDC hdc = hb::win::CreateRecordingDC();
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hdc, TRANSPARENT);
    draw(hdc);
    RenderList(cr, hb::win::DisplayListOf(hdc));
    DeleteDC(hdc);
}

LONG MenuTextWidth(const std::string& text) {
    LONG width = 0;
    const HDC hdc = hb::win::CreateRecordingDC();
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    RECT rect{0, 0, 0, 0};
    DrawText(hdc, text.c_str(), -1, &rect, DT_CALCRECT | DT_SINGLELINE);
    width = rect.right - rect.left;
    DeleteDC(hdc);
    return width;
}

} // namespace hb::display
