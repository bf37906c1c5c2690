#pragma once
#include "platform/win/WinTypes.h"

namespace hb::display {

// Whether the window lies over its siblings whatever their order: an open drop-down list. It is
// drawn after the rest of its top-level window and takes the mouse first.
bool IsOverlay(HWND hwnd);

} // namespace hb::display
