#pragma once
// A dialog that runs alongside its owner instead of in a loop of its own: made from its template
// as a popup owned by the parent's top-level window, initialised, placed over the owner and
// shown. It lives until DestroyWindow. FALSE when it cannot be made or is open already.
#include "platform/afx/CDialog.h"

namespace hb::afx {

BOOL CreateModeless(CDialog& dialog, CWnd* parent);

} // namespace hb::afx
