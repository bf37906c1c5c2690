#pragma once
// The frame of a child window with a caption (NonClient.h), drawn through a recording DC like
// everything else: border, caption bar with icon and title in the active or inactive colours, and
// the system buttons. The menu bar draws a maximized child's buttons with the same faces.
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"

#include <cairo.h>

namespace hb::display {

// `origin`: where the window's top-left corner is in `cr`'s user space.
void PaintFrame(cairo_t* cr, HWND hwnd, POINT origin);
// A caption button's face with the glyph of its command (SC_CLOSE, SC_MAXIMIZE, SC_MINIMIZE,
// SC_RESTORE), on a DC.
void DrawCaptionButton(HDC hdc, const RECT& rect, WPARAM command);

} // namespace hb::display
