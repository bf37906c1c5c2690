#include "platform/win/gdi/Drawing.h"

#include "platform/win/gdi/DcTable.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/ObjectTable.h"

#include <vector>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

BOOL Shape(HDC hdc, DrawOp op, const RECT& rect, std::vector<POINT> points = {}) {
    return RecordOn(hdc, op, [&](DeviceContext& dc, DrawRecord& record) {
        record.rect = dc.ToDevice(rect);
        for (POINT& pt : points) {
            pt = dc.ToDevice(pt.x, pt.y);
        }
        record.points = std::move(points);
        return true;
    });
}

BOOL Brushed(HDC hdc, DrawOp op, const RECT* rect, HBRUSH brush) {
    return RecordOn(hdc, op, [&](DeviceContext& dc, DrawRecord& record) {
        if (!rect || !Objects().Find<BrushObject>(brush.id())) {
            return false;
        }
        record.rect = dc.ToDevice(*rect);
        record.brush = ResolveBrush(brush);
        return true;
    });
}

BOOL Lines(HDC hdc, DrawOp op, const POINT* points, int count, int least) {
    if (!points || count < least) {
        return FALSE;
    }
    return Shape(hdc, op, {}, std::vector<POINT>(points, points + count));
}

BOOL Blit(HDC hdc, DrawOp op, const RECT& target, HDC source, const RECT& from, DWORD rop) {
    return RecordOn(hdc, op, [&](DeviceContext& dc, DrawRecord& record) {
        if (source) {
            const DeviceContext* src = Dcs().Find(source);
            if (!src) {
                return false;
            }
            record.image = BitmapRef(src->bitmap).value_or(hb::win::ImageRef{});
            record.source = src->ToDevice(from);
        }
        record.rect = dc.ToDevice(target);
        record.flags = rop;
        return true;
    });
}

// One pixel for the outer border, one for the inner.
int EdgeWidth(UINT edge) {
    const bool outer = (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) != 0;
    const bool inner = (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) != 0;
    return (outer ? 1 : 0) + (inner ? 1 : 0);
}

BOOL IconAt(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT flags, UINT state) {
    return RecordOn(hdc, DrawOp::DrawIcon, [&](DeviceContext& dc, DrawRecord& record) {
        const auto image = IconRef(icon);
        if (!image) {
            return false;
        }
        record.image = *image;
        const LONG width = cx > 0 ? cx : image->size.cx;
        const LONG height = cy > 0 ? cy : image->size.cy;
        record.rect = dc.ToDevice({x, y, x + width, y + height});
        record.flags = flags;
        record.flags2 = state;
        return true;
    });
}

} // namespace

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    return Brushed(hdc, DrawOp::FillRect, rect, brush);
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    return Brushed(hdc, DrawOp::FrameRect, rect, brush);
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
    return rect ? Shape(hdc, DrawOp::InvertRect, *rect) : FALSE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return Shape(hdc, DrawOp::Rectangle, {left, top, right, bottom});
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    return RecordOn(hdc, DrawOp::RoundRect, [&](DeviceContext& dc, DrawRecord& record) {
        record.rect = dc.ToDevice({left, top, right, bottom});
        record.points = {{width, height}};
        return true;
    });
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return Shape(hdc, DrawOp::Ellipse, {left, top, right, bottom});
}

BOOL Arc(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd) {
    return Shape(hdc, DrawOp::Arc, {left, top, right, bottom}, {{xStart, yStart}, {xEnd, yEnd}});
}

BOOL Pie(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd) {
    return Shape(hdc, DrawOp::Pie, {left, top, right, bottom}, {{xStart, yStart}, {xEnd, yEnd}});
}

BOOL Polygon(HDC hdc, const POINT* points, int count) {
    return Lines(hdc, DrawOp::Polygon, points, count, 2);
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    return Lines(hdc, DrawOp::Polyline, points, count, 2);
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    DeviceContext* dc = Dcs().Find(hdc);
    if (!dc) {
        return FALSE;
    }
    if (previous) {
        *previous = dc->position;
    }
    dc->position = {x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    return RecordOn(hdc, DrawOp::LineTo, [&](DeviceContext& dc, DrawRecord& record) {
        record.points = {dc.ToDevice(dc.position.x, dc.position.y), dc.ToDevice(x, y)};
        dc.position = {x, y};
        return true;
    });
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    const BOOL done = RecordOn(hdc, DrawOp::SetPixel, [&](DeviceContext& dc, DrawRecord& record) {
        record.points = {dc.ToDevice(x, y)};
        record.color = color;
        return true;
    });
    return done ? color : CLR_INVALID;
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC source, int xSource, int ySource,
            DWORD rop) {
    return Blit(hdc, DrawOp::BitBlt, {x, y, x + cx, y + cy}, source,
                {xSource, ySource, xSource + cx, ySource + cy}, rop);
}

BOOL StretchBlt(HDC hdc, int x, int y, int cx, int cy, HDC source, int xSource, int ySource,
                int cxSource, int cySource, DWORD rop) {
    return Blit(hdc, DrawOp::StretchBlt, {x, y, x + cx, y + cy}, source,
                {xSource, ySource, xSource + cxSource, ySource + cySource}, rop);
}

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) {
    return DrawIconEx(hdc, x, y, icon, 0, 0, 0, {}, DI_NORMAL);
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT flags) {
    return IconAt(hdc, x, y, icon, cx, cy, flags, DSS_NORMAL);
}

BOOL DrawState(HDC hdc, HBRUSH, DRAWSTATEPROC, LPARAM data, WPARAM, int x, int y, int cx, int cy,
               UINT flags) {
    // The kind of thing drawn is in the low four bits.
    if ((flags & 0x000F) != DST_ICON) {
        return FALSE;
    }
    return IconAt(hdc, x, y, HandleFromParam<HICON>(static_cast<WPARAM>(data)), cx, cy, DI_NORMAL,
                  flags & DSS_DISABLED);
}

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
    if (!rect) {
        return FALSE;
    }
    const BOOL done = RecordOn(hdc, DrawOp::DrawEdge, [&](DeviceContext& dc, DrawRecord& record) {
        record.rect = dc.ToDevice(*rect);
        record.flags = edge;
        record.flags2 = flags;
        return true;
    });
    if (done && (flags & BF_ADJUST)) {
        const int width = EdgeWidth(edge);
        rect->left += (flags & BF_LEFT) ? width : 0;
        rect->top += (flags & BF_TOP) ? width : 0;
        rect->right -= (flags & BF_RIGHT) ? width : 0;
        rect->bottom -= (flags & BF_BOTTOM) ? width : 0;
    }
    return done;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    return rect ? Shape(hdc, DrawOp::DrawFocusRect, *rect) : FALSE;
}
