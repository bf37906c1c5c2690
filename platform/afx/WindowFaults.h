#pragma once
#include "platform/win/WinTypes.h"

namespace hb::afx {

// For tests: the next child window made with this control id is not made; its creation answers
// FALSE as if the window system had refused it. One failure per call.
void FailNextChildWindow(UINT nID);

namespace detail {

// True, once, when a failure was asked for this id.
bool TakeChildWindowFault(UINT nID);
void ResetWindowFaults();

} // namespace detail
} // namespace hb::afx
