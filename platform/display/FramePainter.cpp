#include "platform/display/FramePainter.h"

#include "platform/display/MenuEntries.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/NonClient.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowText.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Fonts.h"
#include "platform/win/gdi/FrameControls.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"

#include <algorithm>
#include <string>

namespace hb::display {

namespace {

constexpr int kTitleGap = 4;

// The dialog font in bold; the caller deletes it.
HFONT MakeCaptionFont() {
    LOGFONT lf{};
    GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    return CreateFontIndirect(&lf);
}

HICON FrameIcon(HWND hwnd) {
    for (const WPARAM which : {ICON_SMALL, ICON_BIG}) {
        if (const auto icon = static_cast<std::uint32_t>(SendMessage(hwnd, WM_GETICON, which, 0))) {
            return HICON(icon);
        }
    }
    return {};
}

void DrawBorder(HDC hdc, RECT whole, bool active) {
    FillRect(hdc, &whole, GetSysColorBrush(active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER));
    DrawEdge(hdc, &whole, EDGE_RAISED, BF_RECT);
}

// The icon at the caption's left end, then the title in what the buttons leave.
void DrawIconAndTitle(HDC hdc, HWND hwnd, const hb::win::FrameLayout& layout, bool active) {
    LONG textLeft = layout.caption.left + kTitleGap;
    if (const HICON icon = FrameIcon(hwnd); icon && !IsRectEmpty(&layout.icon)) {
        DrawIconEx(hdc, layout.icon.left, layout.icon.top, icon,
                   layout.icon.right - layout.icon.left, layout.icon.bottom - layout.icon.top, 0,
                   HBRUSH{}, DI_NORMAL);
        textLeft = layout.icon.right + kTitleGap;
    }
    LONG textRight = layout.caption.right - kTitleGap;
    for (const RECT* button : {&layout.close, &layout.maximize, &layout.minimize}) {
        if (!IsRectEmpty(button)) {
            textRight = std::min(textRight, button->left - kTitleGap);
        }
    }
    const HFONT font = MakeCaptionFont();
    const HGDIOBJ oldFont = SelectObject(hdc, font);
    SetTextColor(hdc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    RECT text{textLeft, layout.caption.top, textRight, layout.caption.bottom};
    const std::string title = hb::win::WindowTextOf(hwnd);
    DrawText(hdc, title.c_str(), -1, &text,
             DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

void DrawButtons(HDC hdc, HWND hwnd, const hb::win::FrameLayout& layout) {
    const std::pair<const RECT*, LRESULT> buttons[] = {
        {&layout.close, HTCLOSE}, {&layout.maximize, HTMAXBUTTON}, {&layout.minimize, HTMINBUTTON}};
    for (const auto& [rect, part] : buttons) {
        if (!IsRectEmpty(rect)) {
            DrawCaptionButton(hdc, *rect, hb::win::ButtonCommand(hwnd, part));
        }
    }
}

} // namespace

void DrawCaptionButton(HDC hdc, const RECT& rect, WPARAM command) {
    RECT face = rect;
    DrawFrameControl(hdc, &face, DFC_CAPTION, hb::win::CaptionButtonOf(command));
}

void PaintFrame(cairo_t* cr, HWND hwnd, POINT origin) {
    RECT window;
    GetWindowRect(hwnd, &window);
    const hb::win::FrameLayout layout = hb::win::LayOutFrame(hwnd);
    const bool active = hb::win::FrameIsActive(hwnd);
    cairo_save(cr);
    cairo_translate(cr, origin.x, origin.y);
    DrawThroughDc(cr, [&](HDC hdc) {
        DrawBorder(hdc, {0, 0, window.right - window.left, window.bottom - window.top}, active);
        FillRect(hdc, &layout.caption,
                 GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
        DrawIconAndTitle(hdc, hwnd, layout, active);
        DrawButtons(hdc, hwnd, layout);
    });
    cairo_restore(cr);
}

} // namespace hb::display
