#pragma once
// Turns recorded drawing into pixels with cairo.
#include "platform/win/gdi/DisplayList.h"
#include "platform/win/gdi/Painting.h"

#include <cairo.h>

#include <vector>

namespace hb::display {

// Replays one window's display list onto `cr`, whose user space is the window's client area (device
// coordinates of the list). Each record is clipped as its DC was; the context is left as found.
void RenderList(cairo_t* cr, const hb::win::DisplayList& list);

// Composites the painted windows of one top-level window (hb::win::PaintWindowTree's result,
// parents first) onto `cr`, whose user space is the top-level window's client area: the background
// in the dialog face colour, then each window's list at its place, clipped to the window and to
// each of its ancestors, in the order given.
void RenderTree(cairo_t* cr, HWND top, const std::vector<hb::win::PaintedWindow>& painted);

} // namespace hb::display
