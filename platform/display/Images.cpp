#include "platform/display/RenderSteps.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"

#include <cstdint>

using hb::win::DrawOp;
using hb::win::DrawRecord;

namespace hb::display::detail {

namespace {

// A light colour that stays the same for one resource's cell and differs between neighbours.
COLORREF CellColor(UINT resourceId, int cell) {
    std::uint32_t h = resourceId * 2654435761u ^ static_cast<std::uint32_t>(cell) * 40503u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    const auto channel = [&](int shift) { return 128 + static_cast<int>((h >> shift) & 0x7F); };
    return RGB(channel(0), channel(8), channel(16));
}

void Placeholder(cairo_t* cr, const RECT& rect, const hb::win::ImageRef& image) {
    const COLORREF fill =
        image.resourceId ? CellColor(image.resourceId, image.cell) : GetSysColor(COLOR_BTNFACE);
    FillBox(cr, rect, fill);
    FrameBox(cr, rect, GetSysColor(COLOR_BTNSHADOW));
}

} // namespace

void DrawImage(cairo_t* cr, const DrawRecord& record) {
    const bool blit = record.op == DrawOp::BitBlt || record.op == DrawOp::StretchBlt;
    if (blit && record.flags == PATCOPY) {
        if (record.state.brush.style != BS_NULL) {
            FillBox(cr, record.rect, record.state.brush.color);
        }
        return;
    }
    if (blit && !record.image.handle) {
        return;
    }
    Placeholder(cr, record.rect, record.image);
}

} // namespace hb::display::detail
