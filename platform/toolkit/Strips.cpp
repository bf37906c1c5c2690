#include "platform/toolkit/Strips.h"

#include <algorithm>

namespace hb::toolkit::detail {

CRect TakeStrip(AFX_SIZEPARENTPARAMS& layout, Edge edge, int thickness) {
    CRect room(layout.rect);
    CRect strip = room;
    const bool across = edge == Edge::Left || edge == Edge::Right;
    thickness = std::clamp(thickness, 0, across ? room.Width() : room.Height());
    switch (edge) {
    case Edge::Left:
        strip.right = room.left += thickness;
        break;
    case Edge::Top:
        strip.bottom = room.top += thickness;
        break;
    case Edge::Right:
        strip.left = room.right -= thickness;
        break;
    case Edge::Bottom:
        strip.top = room.bottom -= thickness;
        break;
    }
    layout.rect = room;
    return strip;
}

} // namespace hb::toolkit::detail
