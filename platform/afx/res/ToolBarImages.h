#pragma once
// The pictures of a tool bar resource's buttons, one image per button that is no separator.
#include "platform/afx/res/ResourceTables.h"
#include "platform/win/gdi/ImageList.h"

namespace hb::afx {

// Null when the bar's bitmap is not down the resource chain. The caller destroys the list.
HIMAGELIST LoadToolBarImages(const ToolBarResource& resource);

} // namespace hb::afx
