#pragma once
#include "platform/win/WinTypes.h"

namespace hb::display {

// The window a point of `top`'s client area falls in: the deepest visible child that holds it,
// taking open drop-down lists first and then later siblings before earlier ones, as they are drawn
// over them; `top` itself when no child does. Disabled windows are found like any other (their
// input is dropped by the caller); group boxes let the point through to what lies under them.
HWND HitTest(HWND top, POINT client);

// As HitTest, and whether the point falls on the frame of the window found (NonClient.h) rather
// than in its client area.
struct Hit {
    HWND hwnd;
    bool onFrame = false;
};
Hit HitTestFrames(HWND top, POINT client);

} // namespace hb::display
