#pragma once
#include "platform/win/WinTypes.h"

namespace hb::win {

// Where the top-left corner of a dialog or message box of `size` goes on the screen: centred over
// its owner's top-level window (over the screen without one), but low enough that its own caption
// leaves the owner's menu bar and caption uncovered when it still fits on the screen that way, and
// never off the screen's top-left corner.
POINT CentredOver(HWND owner, SIZE size);

} // namespace hb::win
