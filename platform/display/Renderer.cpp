#include "platform/display/Renderer.h"

#include "platform/display/FramePainter.h"
#include "platform/display/Overlay.h"
#include "platform/display/RenderSteps.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/NonClient.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"

#include <algorithm>

using hb::win::DrawOp;

namespace hb::display {

namespace detail {

void SetColor(cairo_t* cr, COLORREF color) {
    cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0,
                         GetBValue(color) / 255.0);
}

void FillBox(cairo_t* cr, const RECT& rect, COLORREF color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    SetColor(cr, color);
    cairo_rectangle(cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    cairo_fill(cr);
}

void FrameBox(cairo_t* cr, const RECT& rect, COLORREF color) {
    FillBox(cr, {rect.left, rect.top, rect.right, rect.top + 1}, color);
    FillBox(cr, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
    FillBox(cr, {rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1}, color);
    FillBox(cr, {rect.right - 1, rect.top + 1, rect.right, rect.bottom - 1}, color);
}

} // namespace detail

namespace {

void ClipTo(cairo_t* cr, const RECT& rect) {
    cairo_rectangle(cr, rect.left, rect.top, std::max<LONG>(0, rect.right - rect.left),
                    std::max<LONG>(0, rect.bottom - rect.top));
    cairo_clip(cr);
}

void RenderRecord(cairo_t* cr, const hb::win::DrawRecord& record) {
    switch (record.op) {
    case DrawOp::TextOut:
    case DrawOp::ExtTextOut:
    case DrawOp::DrawText:
        detail::DrawTextRecord(cr, record);
        break;
    case DrawOp::BitBlt:
    case DrawOp::StretchBlt:
    case DrawOp::DrawIcon:
    case DrawOp::ImageListDraw:
        detail::DrawImage(cr, record);
        break;
    case DrawOp::IntersectClipRect: // the records after it carry the clip
        break;
    default:
        detail::DrawShape(cr, record);
        break;
    }
}

// The client area of `hwnd` in `top`'s client coordinates.
RECT AreaIn(HWND top, HWND hwnd) {
    RECT rect;
    GetClientRect(hwnd, &rect);
    MapWindowPoints(hwnd, top, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The whole window, its frame included, in `top`'s client coordinates.
RECT WindowIn(HWND top, HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    POINT origin{0, 0};
    ClientToScreen(top, &origin);
    OffsetRect(&rect, -origin.x, -origin.y);
    return rect;
}

// What of `rect` (a part of `hwnd`) shows: cut by each ancestor's area up to `top`.
RECT Visible(HWND top, HWND hwnd, RECT rect) {
    for (HWND parent = GetParent(hwnd); parent && parent != top && IsChild(top, parent);
         parent = GetParent(parent)) {
        const RECT area = AreaIn(top, parent);
        IntersectRect(&rect, &rect, &area);
    }
    return rect;
}

bool InOverlay(HWND top, HWND hwnd) {
    for (HWND w = hwnd; w && w != top; w = GetParent(w)) {
        if (IsOverlay(w)) {
            return true;
        }
    }
    return false;
}

void RenderWindow(cairo_t* cr, HWND top, const hb::win::PaintedWindow& window) {
    if (window.hwnd != top &&
        hb::win::HasFrame(static_cast<DWORD>(GetWindowLong(window.hwnd, GWL_STYLE)))) {
        const RECT whole = WindowIn(top, window.hwnd);
        cairo_save(cr);
        ClipTo(cr, Visible(top, window.hwnd, whole));
        PaintFrame(cr, window.hwnd, {whole.left, whole.top});
        cairo_restore(cr);
    }
    const RECT area = AreaIn(top, window.hwnd);
    cairo_save(cr);
    ClipTo(cr, Visible(top, window.hwnd, area));
    cairo_translate(cr, area.left, area.top);
    RenderList(cr, window.list);
    cairo_restore(cr);
}

} // namespace

void RenderList(cairo_t* cr, const hb::win::DisplayList& list) {
    for (const hb::win::DrawRecord& record : list) {
        cairo_save(cr);
        if (record.state.clipped) {
            ClipTo(cr, record.state.clip);
        }
        RenderRecord(cr, record);
        cairo_restore(cr);
    }
}

void RenderTree(cairo_t* cr, HWND top, const std::vector<hb::win::PaintedWindow>& painted) {
    RECT client;
    GetClientRect(top, &client);
    cairo_save(cr);
    detail::FillBox(cr, client, GetSysColor(COLOR_BTNFACE));
    cairo_restore(cr);
    std::vector<const hb::win::PaintedWindow*> over;
    for (const hb::win::PaintedWindow& window : painted) {
        if (window.hwnd != top && !IsChild(top, window.hwnd)) {
            continue;
        }
        if (InOverlay(top, window.hwnd)) {
            over.push_back(&window);
        } else {
            RenderWindow(cr, top, window);
        }
    }
    for (const hb::win::PaintedWindow* window : over) {
        RenderWindow(cr, top, *window);
    }
}

} // namespace hb::display
