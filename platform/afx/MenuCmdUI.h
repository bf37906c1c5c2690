#pragma once
// The CCmdUI pass over a menu: each command item (in the popups too) is asked of the route from
// `target`; items enable, check and change text through their menu.
#include "platform/win/WinTypes.h"

class CCmdTarget;

namespace hb::afx {

void UpdateMenuCmdUI(HMENU menu, CCmdTarget* target, BOOL bDisableIfNoHndler);

} // namespace hb::afx
