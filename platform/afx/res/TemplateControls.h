#pragma once
#include "platform/afx/res/DialogTemplate.h"

namespace hb::afx {

// Creates the template's controls as children of `parent`, in template order; a combo box gets its
// list entries (CB_ADDSTRING) in order right after it is made. Stops at the first
// control that cannot be made (an unregistered class, ...) and returns false; the controls made
// so far stay for the caller to destroy with the parent.
bool CreateTemplateControls(HWND parent, const DialogTemplate& dialog);

} // namespace hb::afx
