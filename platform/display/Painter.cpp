#include "platform/display/Painter.h"

#include "platform/display/MenuBar.h"
#include "platform/display/Renderer.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/Window.h"
#include "platform/win/gdi/Painting.h"
#include "platform/win/menu/Menus.h"

#include <X11/Xlib.h>
#include <cairo-xlib.h>

#include <algorithm>

namespace hb::display {

namespace {

void Render(ShownWindow& shown) {
    const RECT outer = shown.Outer();
    const int width = std::max<LONG>(1, outer.right - outer.left);
    const int height = std::max<LONG>(1, outer.bottom - outer.top);
    cairo_surface_t* picture = shown.picture.get();
    if (!picture || cairo_image_surface_get_width(picture) != width ||
        cairo_image_surface_get_height(picture) != height) {
        shown.picture.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    }
    const auto painted = hb::win::PaintWindowTree(shown.hwnd);
    cairo_t* cr = cairo_create(shown.picture.get());
    if (shown.menuHeight) {
        PaintMenuBar(cr, GetMenu(shown.hwnd), width);
        PaintMergedButtons(cr, shown.hwnd, width);
        cairo_translate(cr, 0, shown.menuHeight);
    }
    RenderTree(cr, shown.hwnd, painted);
    cairo_destroy(cr);
    cairo_surface_flush(shown.picture.get());
    shown.stale = false;
    shown.exposed = true;
}

} // namespace

// Text is drawn on image surfaces only: fonts used on an X surface would keep cairo's data for the
// connection alive after it closes.
void CopyPicture(Connection& connection, XId xid, cairo_surface_t* picture) {
    const int width = cairo_image_surface_get_width(picture);
    const int height = cairo_image_surface_get_height(picture);
    cairo_surface_t* target = cairo_xlib_surface_create(
        connection.display(), xid, DefaultVisual(connection.display(), connection.screen()), width,
        height);
    cairo_t* cr = cairo_create(target);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(target);
    cairo_surface_destroy(target);
}

bool TreeIsDirty(HWND hwnd) {
    if (GetUpdateRect(hwnd, nullptr, FALSE) || hb::win::HasUntakenPaint(hwnd)) {
        return true;
    }
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLong(child, GWL_STYLE) & WS_VISIBLE) && TreeIsDirty(child)) {
            return true;
        }
    }
    return false;
}

void PaintWindows(Connection& connection, const std::vector<ShownWindow*>& windows) {
    for (ShownWindow* shown : windows) {
        if (!IsWindow(shown->hwnd)) {
            continue;
        }
        const bool rearranged = hb::win::TakeRearranged(shown->hwnd);
        if (shown->stale || !shown->picture || rearranged || TreeIsDirty(shown->hwnd)) {
            Render(*shown);
        }
        if (shown->exposed && IsWindow(shown->hwnd)) {
            CopyPicture(connection, shown->xid, shown->picture.get());
            shown->exposed = false;
        }
    }
}

} // namespace hb::display
