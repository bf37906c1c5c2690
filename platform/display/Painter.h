#pragma once
// Puts the window trees on the screen: a tree with a dirty window is painted through its WM_PAINT
// handlers, rendered into the window's picture, and the picture copied to its X window.
#include "platform/display/Connection.h"
#include "platform/display/ShownWindow.h"

#include <vector>

namespace hb::display {

// Copies a picture (an image surface) to the top-left corner of an X window.
void CopyPicture(Connection& connection, XId xid, cairo_surface_t* picture);

// Whether the window or one of its visible descendants waits to be painted, or painted itself
// (UpdateWindow) after the picture was made.
bool TreeIsDirty(HWND hwnd);

// Paints each window whose tree is dirty or rearranged or whose picture is stale, and copies each
// new or exposed picture to its X window.
void PaintWindows(Connection& connection, const std::vector<ShownWindow*>& windows);

} // namespace hb::display
