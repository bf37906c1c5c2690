#pragma once
// A message box as a real window: the text, an icon for its kind, and one button per answer. The
// owner is disabled while it is up, as for a modal dialog.
#include "platform/win/core/MessageBox.h"

namespace hb::display {

// Shows the box and runs the message loop until the user answers: a button, Return for the focused
// button, Escape or the close button for Cancel (when the box has one; a plain OK box answers OK).
// The answer is the default button's when the loop ends without one (WM_QUIT).
int ShowMessageBox(const hb::win::BoxRequest& request);

} // namespace hb::display
