#pragma once
// The one dockable tool bar of the group, search range and database windows, and the layout
// kept for it under a name.
#include "platform/afx/CToolBar.h"

namespace hb::programming {

// Makes the bar on the frame from the resource, titles it and docks it, every edge allowed. FALSE,
// and no bar window left, when it cannot be made or the resource is missing.
bool MakeFrameToolBar(CFrameWnd& frame, CToolBar& bar, UINT resource, LPCSTR title);
// Applies the layout saved under the name; one that cannot be applied is dropped for an empty one.
void RestoreFrameLayout(CFrameWnd& frame, LPCSTR name);
void SaveFrameLayout(const CFrameWnd& frame, LPCSTR name);

} // namespace hb::programming
