#pragma once
// The drawing steps of the renderer, shared by its files; not part of the public surface.
#include "platform/win/gdi/DisplayList.h"

#include <cairo.h>

namespace hb::display::detail {

void SetColor(cairo_t* cr, COLORREF color);
void FillBox(cairo_t* cr, const RECT& rect, COLORREF color);
// A one-pixel frame just inside the rectangle.
void FrameBox(cairo_t* cr, const RECT& rect, COLORREF color);

// A menu's check mark (a tick) in the middle of `box`.
void DrawCheckMark(cairo_t* cr, const RECT& box, COLORREF color);

// Shapes: rectangles, ellipses, arcs, pies, polygons, lines, edges and pixels.
void DrawShape(cairo_t* cr, const hb::win::DrawRecord& record);
// TextOut, ExtTextOut and DrawText.
void DrawTextRecord(cairo_t* cr, const hb::win::DrawRecord& record);
// Bitmaps, icons and image-list images: each shows the picture its resource names; one without a
// picture shows as a framed cell in a colour of its own resource and cell.
void DrawImage(cairo_t* cr, const hb::win::DrawRecord& record);

} // namespace hb::display::detail
