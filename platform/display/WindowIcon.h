#pragma once
// A top-level window's icon as the window manager shows it (title bar, task bar).
#include "platform/display/Connection.h"
#include "platform/win/gdi/GdiTypes.h"

namespace hb::display {

// Gives the X window the icon's picture at 16 and 32 pixels (_NET_WM_ICON); an icon without a
// picture, or none, takes the property away.
void GiveIcon(Connection& connection, XId xid, HICON icon);

} // namespace hb::display
