#pragma once
// How the toolkit's bars take their room in a frame's layout; not part of the public surface.
#include "platform/afx/CFrameWnd.h"

namespace hb::toolkit::detail {

enum class Edge { Left, Top, Right, Bottom };

// A strip along the edge of the layout's free rectangle, `thickness` thick or as thick as the
// rectangle allows, taken out of it. Returns the strip.
CRect TakeStrip(AFX_SIZEPARENTPARAMS& layout, Edge edge, int thickness);

} // namespace hb::toolkit::detail
