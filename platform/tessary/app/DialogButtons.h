#pragma once
// The OK and Cancel buttons of the core library's small dialogs, in their bottom right corner.

#include "platform/afx/res/DialogTemplate.h"

namespace hb::tessary {

// Appends OK (the default button) and Cancel at `y`, right-aligned in the template's width.
void AddOkCancel(hb::afx::DialogTemplate& dialog, int y);

} // namespace hb::tessary
