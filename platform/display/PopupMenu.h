#pragma once
// A popup menu on the display: a window of its own under the pointer's grab, in a nested message
// loop until an item is chosen or the menu is dismissed (a click outside it, Escape).
#include "platform/display/Presenter.h"
#include "platform/win/menu/Menus.h"

namespace hb::display {

// Returns the command chosen, 0 when dismissed. A popup inside the menu opens beside its item
// (with WM_INITMENUPOPUP to the owner first).
UINT TrackPopup(Presenter& presenter, const hb::win::PopupMenuRequest& request);

} // namespace hb::display
