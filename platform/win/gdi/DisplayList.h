#pragma once
// What a device context records instead of drawing pixels: every drawing call in order, each with
// the state it drew in. Tests read these lists; a renderer replays them. Coordinates are device
// coordinates (the origins are applied already); colours are COLORREFs.

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hb::win {

// The operations, and which fields of DrawRecord each one uses besides `state`.
enum class DrawOp : std::uint8_t {
    TextOut,       // points[0]: reference point, placed by state.textAlign; text
    ExtTextOut,    // points[0]; text; rect: the ETO_OPAQUE/ETO_CLIPPED rectangle; flags: ETO_*
    DrawText,      // rect: the box; text as given (with its '&' prefixes); flags: DT_*
    FillRect,      // rect; brush
    FrameRect,     // rect; brush
    InvertRect,    // rect
    Rectangle,     // rect: outlined with state.pen, filled with state.brush
    RoundRect,     // rect; points[0]: width and height of the corner ellipse
    Ellipse,       // rect: the bounding box
    Arc,           // rect: the ellipse; points[0], points[1]: radial start and end, anticlockwise
    Pie,           // as Arc, closed to the centre and filled
    Polygon,       // points: closed and filled
    Polyline,      // points
    LineTo,        // points[0] to points[1], with state.pen
    SetPixel,      // points[0]; color
    BitBlt,        // rect: destination; source: source rectangle; image: source bitmap;
                   // flags: raster operation
    StretchBlt,    // as BitBlt, the source scaled to the destination
    DrawIcon,      // rect: where, at the size drawn; image: the icon; flags2: DSS_DISABLED
                   // when drawn greyed
    DrawEdge,      // rect; flags: BDR_* edge kind; flags2: BF_* sides and options
    DrawFocusRect, // rect
    ImageListDraw, // rect: where, at the list's image size; image: the list and image; flags:
                   // ILD_*; flags2: DSS_DISABLED when drawn greyed
    IntersectClipRect, // rect: the rectangle intersected; state.clip holds the result
};

struct FontState {
    HFONT handle;
    std::string face;
    LONG height = 0; // as created: negative for a character height, 0 for the default
    LONG width = 0;  // 0: the width follows from the height
    LONG weight = 0;
    bool italic = false;
    bool underline = false;
    BYTE charSet = 0;
    BYTE pitchAndFamily = 0;
};

struct PenState {
    HPEN handle;
    int style = 0; // PS_*
    int width = 0;
    COLORREF color = 0;
};

struct BrushState {
    HBRUSH handle;
    UINT style = 0; // BS_SOLID or BS_NULL
    COLORREF color = 0;
};

// The DC's attributes at the time of a call, with the selected objects resolved.
struct DcState {
    FontState font;
    PenState pen;
    BrushState brush;
    COLORREF textColor = 0;
    COLORREF bkColor = 0;
    int bkMode = 0; // TRANSPARENT or OPAQUE
    UINT textAlign = 0;
    // Device point = logical point - windowOrg + viewportOrg.
    POINT viewportOrg;
    POINT windowOrg;
    // With `clipped`, nothing is drawn outside `clip` (device coordinates).
    bool clipped = false;
    RECT clip;
};

// A drawn image, resolved so that a renderer needs nothing else: the handle drawn (bitmap, icon or
// image list), the image's index in a list, the resource its pixels come from (0 for a bitmap
// made at run time), the cell of that resource's strip, the cell size, and the name of the
// picture the resource gives that cell (empty when it names none).
struct ImageRef {
    std::uint32_t handle = 0;
    int index = 0;
    UINT resourceId = 0;
    int cell = 0;
    SIZE size;
    std::string picture{};
};

struct DrawRecord {
    DrawOp op{};
    RECT rect;
    RECT source;
    std::vector<POINT> points;
    std::string text;
    UINT flags = 0;
    UINT flags2 = 0;
    COLORREF color = 0;
    BrushState brush;
    ImageRef image;
    DcState state;
};

using DisplayList = std::vector<DrawRecord>;

} // namespace hb::win
