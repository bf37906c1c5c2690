#pragma once
#include "platform/win/WinTypes.h"

#include <string>

namespace hb::win {

// The window's text whole, through WM_GETTEXTLENGTH and WM_GETTEXT.
std::string WindowTextOf(HWND hwnd);

} // namespace hb::win
