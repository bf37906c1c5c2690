#pragma once
// Telling buttons apart by style; not part of the public surface.
#include "platform/win/WinTypes.h"

namespace hb::afx::detail {

// Whether the window is a "Button" of style type `type` (BS_DEFPUSHBUTTON, BS_RADIOBUTTON, ...).
bool IsButtonOfType(HWND hwnd, DWORD type);

} // namespace hb::afx::detail
