#pragma once
// What a command's string resource ("prompt\ntooltip") says about it; not part of the public
// surface.
#include "platform/afx/CString.h"

namespace hb::toolkit::detail {

// The tooltip part of the command's string; a string of one part is its own tooltip.
CString CommandTip(UINT id);

} // namespace hb::toolkit::detail
