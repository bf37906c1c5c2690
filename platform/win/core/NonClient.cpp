#include "platform/win/core/NonClient.h"

#include "platform/win/controls/MdiWindows.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/core/WindowTable.h"

#include <algorithm>

using namespace hb::win::detail;

namespace {

constexpr int kThinBorder = 2;
constexpr int kToolCaption = 15;
constexpr int kButtonMargin = 2;
// How far along an edge from a corner the corner still sizes both ways.
constexpr int kCornerReach = 16;

int BorderOf(DWORD style) {
    return (style & WS_THICKFRAME) ? GetSystemMetrics(SM_CXFRAME) : kThinBorder;
}

int CaptionOf(DWORD exStyle) {
    return (exStyle & WS_EX_TOOLWINDOW) ? kToolCaption : GetSystemMetrics(SM_CYCAPTION);
}

LRESULT EdgeAt(POINT pt, LONG width, LONG height, int border) {
    const bool left = pt.x < border;
    const bool right = pt.x >= width - border;
    const bool top = pt.y < border;
    const bool bottom = pt.y >= height - border;
    const bool nearLeft = pt.x < kCornerReach;
    const bool nearRight = pt.x >= width - kCornerReach;
    const bool nearTop = pt.y < kCornerReach;
    const bool nearBottom = pt.y >= height - kCornerReach;
    if ((top && nearLeft) || (left && nearTop)) {
        return HTTOPLEFT;
    }
    if ((top && nearRight) || (right && nearTop)) {
        return HTTOPRIGHT;
    }
    if ((bottom && nearLeft) || (left && nearBottom)) {
        return HTBOTTOMLEFT;
    }
    if ((bottom && nearRight) || (right && nearBottom)) {
        return HTBOTTOMRIGHT;
    }
    return left ? HTLEFT : right ? HTRIGHT : top ? HTTOP : bottom ? HTBOTTOM : HTNOWHERE;
}

} // namespace

namespace hb::win::detail {

RECT ClientAreaOf(const WindowRecord& record) {
    const RECT insets = FrameInsets(record.style, record.exStyle);
    const LONG width = record.rect.right - record.rect.left;
    const LONG height = record.rect.bottom - record.rect.top;
    return {insets.left, insets.top, std::max(insets.left, width - insets.right),
            std::max(insets.top, height - insets.bottom)};
}

} // namespace hb::win::detail

namespace hb::win {

bool HasFrame(DWORD style) {
    return (style & WS_CHILD) && (style & WS_CAPTION) == WS_CAPTION;
}

RECT FrameInsets(DWORD style, DWORD exStyle) {
    if (!HasFrame(style)) {
        return {};
    }
    const int border = BorderOf(style);
    return {border, border + CaptionOf(exStyle), border, border};
}

FrameLayout LayOutFrame(HWND hwnd) {
    const WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        return {};
    }
    const LONG width = record->rect.right - record->rect.left;
    FrameLayout layout;
    if (!HasFrame(record->style)) {
        layout.client = ClientAreaOf(*record);
        return layout;
    }
    const RECT insets = FrameInsets(record->style, record->exStyle);
    const int border = insets.left;
    layout.toolWindow = (record->exStyle & WS_EX_TOOLWINDOW) != 0;
    layout.client = ClientAreaOf(*record);
    layout.caption = {border, border, std::max<LONG>(border, width - border), insets.top};
    const int size = insets.top - border - 2 * kButtonMargin;
    const LONG top = border + kButtonMargin;
    LONG right = layout.caption.right - kButtonMargin;
    const auto take = [&](RECT& button) {
        button = {right - size - kButtonMargin, top, right, top + size};
        right = button.left;
    };
    if (record->style & WS_SYSMENU) {
        take(layout.close);
        right -= kButtonMargin;
    }
    if (!layout.toolWindow && (record->style & WS_MAXIMIZEBOX)) {
        take(layout.maximize);
    }
    if (!layout.toolWindow && (record->style & WS_MINIMIZEBOX)) {
        take(layout.minimize);
    }
    if (!layout.toolWindow && (record->style & WS_SYSMENU)) {
        const int icon = GetSystemMetrics(SM_CXSMICON);
        const LONG iconTop = border + (insets.top - border - icon) / 2;
        layout.icon = {border + kButtonMargin, iconTop, border + kButtonMargin + icon,
                       iconTop + icon};
    }
    return layout;
}

LRESULT FrameHitTest(HWND hwnd, POINT point) {
    const WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        return HTNOWHERE;
    }
    const LONG width = record->rect.right - record->rect.left;
    const LONG height = record->rect.bottom - record->rect.top;
    const RECT whole{0, 0, width, height};
    if (!PtInRect(&whole, point)) {
        return HTNOWHERE;
    }
    const FrameLayout layout = LayOutFrame(hwnd);
    if (PtInRect(&layout.client, point)) {
        return HTCLIENT;
    }
    const std::pair<const RECT*, LRESULT> parts[] = {{&layout.close, HTCLOSE},
                                                     {&layout.maximize, HTMAXBUTTON},
                                                     {&layout.minimize, HTMINBUTTON},
                                                     {&layout.icon, HTSYSMENU}};
    for (const auto& [rect, part] : parts) {
        if (PtInRect(rect, point)) {
            return part;
        }
    }
    const bool sizable =
        (record->style & WS_THICKFRAME) && !(record->style & (WS_MAXIMIZE | WS_MINIMIZE));
    if (sizable) {
        if (const LRESULT edge = EdgeAt(point, width, height, layout.client.left)) {
            return edge;
        }
    }
    return PtInRect(&layout.caption, point) ? HTCAPTION : HTBORDER;
}

bool FrameIsActive(HWND hwnd) {
    const HWND parent = GetParent(hwnd);
    if (parent && IsMdiClient(parent)) {
        return HwndFromParam(
                   static_cast<std::uintptr_t>(SendMessage(parent, WM_MDIGETACTIVE, 0, 0))) == hwnd;
    }
    const HWND focus = GetFocus();
    return focus == hwnd || IsChild(hwnd, focus);
}

WPARAM ButtonCommand(HWND hwnd, LRESULT part) {
    switch (part) {
    case HTCLOSE:
        return SC_CLOSE;
    case HTMAXBUTTON:
        return IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE;
    case HTMINBUTTON:
        return IsIconic(hwnd) ? SC_RESTORE : SC_MINIMIZE;
    default:
        return 0;
    }
}

} // namespace hb::win
