#include "platform/win/gdi/FrameControls.h"

#include "platform/win/core/Messages.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"

#include <algorithm>

namespace {

constexpr int kBarButtonWidth = 16;
constexpr int kBarButtonHeight = 14;
constexpr int kBarButtonGap = 2;

void Line(HDC hdc, int x1, int y1, int x2, int y2) {
    MoveToEx(hdc, x1, y1, nullptr);
    LineTo(hdc, x2, y2);
}

void Box(HDC hdc, const RECT& r) {
    Line(hdc, r.left, r.top, r.right, r.top);
    Line(hdc, r.right, r.top, r.right, r.bottom);
    Line(hdc, r.right, r.bottom, r.left, r.bottom);
    Line(hdc, r.left, r.bottom, r.left, r.top);
}

// The glyph inside `r`, the face less its edge.
void DrawGlyph(HDC hdc, const RECT& r, UINT button) {
    const int pad = std::max(2, static_cast<int>(r.right - r.left) / 4);
    const RECT g{r.left + pad, r.top + pad - 1, r.right - pad, r.bottom - pad};
    switch (button) {
    case DFCS_CAPTIONCLOSE:
        Line(hdc, g.left, g.top, g.right, g.bottom);
        Line(hdc, g.left + 1, g.top, g.right + 1, g.bottom);
        Line(hdc, g.right, g.top, g.left, g.bottom);
        Line(hdc, g.right + 1, g.top, g.left + 1, g.bottom);
        break;
    case DFCS_CAPTIONMAX:
        Box(hdc, g);
        Line(hdc, g.left, g.top + 1, g.right, g.top + 1);
        break;
    case DFCS_CAPTIONRESTORE: {
        const int step = std::max(2, static_cast<int>(r.right - r.left) / 6);
        Box(hdc, {g.left + step, g.top, g.right, g.bottom - step});
        Box(hdc, {g.left, g.top + step, g.right - step, g.bottom});
        Line(hdc, g.left, g.top + step + 1, g.right - step, g.top + step + 1);
        break;
    }
    case DFCS_CAPTIONMIN:
        Line(hdc, g.left, g.bottom - 1, g.right - 1, g.bottom - 1);
        Line(hdc, g.left, g.bottom, g.right - 1, g.bottom);
        break;
    default:
        break;
    }
}

} // namespace

BOOL DrawFrameControl(HDC hdc, RECT* rect, UINT type, UINT state) {
    if (type != DFC_CAPTION || !rect) {
        return FALSE;
    }
    RECT face = *rect;
    if (!FillRect(hdc, &face, GetSysColorBrush(COLOR_BTNFACE))) {
        return FALSE;
    }
    DrawEdge(hdc, &face, EDGE_RAISED, BF_RECT | BF_ADJUST);
    const HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
    const HGDIOBJ old = SelectObject(hdc, pen);
    DrawGlyph(hdc, face, state & 0xFF);
    SelectObject(hdc, old);
    DeleteObject(pen);
    return TRUE;
}

namespace hb::win {

UINT CaptionButtonOf(WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_MINIMIZE:
        return DFCS_CAPTIONMIN;
    case SC_MAXIMIZE:
        return DFCS_CAPTIONMAX;
    case SC_RESTORE:
        return DFCS_CAPTIONRESTORE;
    default:
        return DFCS_CAPTIONCLOSE;
    }
}

std::vector<CaptionButton> LayOutMenuBarButtons(DWORD childStyle, const RECT& bar) {
    std::vector<CaptionButton> buttons;
    const LONG top = bar.top + (bar.bottom - bar.top - kBarButtonHeight) / 2;
    LONG right = bar.right - kBarButtonGap;
    const auto add = [&](WPARAM command) {
        buttons.push_back({{right - kBarButtonWidth, top, right, top + kBarButtonHeight}, command});
        right -= kBarButtonWidth;
    };
    if (childStyle & WS_SYSMENU) {
        add(SC_CLOSE);
        right -= kBarButtonGap;
    }
    if (childStyle & WS_MAXIMIZEBOX) {
        add(SC_RESTORE);
    }
    if (childStyle & WS_MINIMIZEBOX) {
        add(SC_MINIMIZE);
    }
    return buttons;
}

} // namespace hb::win
