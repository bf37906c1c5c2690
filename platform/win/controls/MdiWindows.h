#pragma once
// Finding the MDI client of a frame and telling it from other windows.
#include "platform/win/WinTypes.h"

namespace hb::win {

bool IsMdiClient(HWND hwnd);
// The first MDI client among the window's descendants, depth first; none when it has none.
HWND FindMdiClient(HWND hwnd);

} // namespace hb::win
