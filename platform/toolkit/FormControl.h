#pragma once
// The toolkit's own dialogs and pages describe their controls in one line each; not part of the
// public surface.
#include "platform/afx/res/DialogTemplate.h"

namespace hb::toolkit::detail {

// A visible child control; the box is left, top, width and height in dialog units.
hb::afx::DialogControl FormControl(UINT id, const char* className, const char* text, DWORD style,
                                   RECT box);

} // namespace hb::toolkit::detail
