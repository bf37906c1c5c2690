#include "platform/display/Pictures.h"
#include "platform/display/RenderSteps.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"

#include <cstdint>
#include <string>

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

// Where a picture is missing, its image still takes its place.
void Placeholder(cairo_t* cr, const RECT& rect, const hb::win::ImageRef& image) {
    if (image.resourceId && image.picture.empty()) {
        TraceOnce("picture for resource " + std::to_string(image.resourceId) + " cell " +
                  std::to_string(image.cell) + " not named");
    }
    const COLORREF fill =
        image.resourceId ? CellColor(image.resourceId, image.cell) : GetSysColor(COLOR_BTNFACE);
    FillBox(cr, rect, fill);
    FrameBox(cr, rect, GetSysColor(COLOR_BTNSHADOW));
}

LONG Width(const RECT& rect) {
    return rect.right - rect.left;
}

LONG Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

// The picture at the destination's size; for a blit, the whole image scaled so that the source
// rectangle lands on the destination.
bool DrawPicture(cairo_t* cr, const DrawRecord& record) {
    const hb::win::ImageRef& image = record.image;
    const bool greyed = (record.flags2 & DSS_DISABLED) != 0;
    const bool blit = record.op == DrawOp::BitBlt || record.op == DrawOp::StretchBlt;
    if (!blit) {
        cairo_surface_t* picture =
            Picture(image.picture, Width(record.rect), Height(record.rect), greyed);
        if (!picture) {
            return false;
        }
        cairo_set_source_surface(cr, picture, record.rect.left, record.rect.top);
        cairo_paint(cr);
        return true;
    }
    if (Width(record.source) <= 0 || Height(record.source) <= 0) {
        return false;
    }
    const double sx = static_cast<double>(Width(record.rect)) / Width(record.source);
    const double sy = static_cast<double>(Height(record.rect)) / Height(record.source);
    cairo_surface_t* picture = Picture(image.picture, static_cast<int>(image.size.cx * sx + 0.5),
                                       static_cast<int>(image.size.cy * sy + 0.5), greyed);
    if (!picture) {
        return false;
    }
    cairo_rectangle(cr, record.rect.left, record.rect.top, Width(record.rect), Height(record.rect));
    cairo_clip(cr);
    cairo_set_source_surface(cr, picture, record.rect.left - record.source.left * sx,
                             record.rect.top - record.source.top * sy);
    cairo_paint(cr);
    return true;
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
    if (!DrawPicture(cr, record)) {
        Placeholder(cr, record.rect, record.image);
    }
}

} // namespace hb::display::detail
