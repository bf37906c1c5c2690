// Shapes in the classic GDI manner: the pen outlines inside the bounding box, the brush fills it.
#include "platform/display/RenderSteps.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

using hb::win::DrawOp;
using hb::win::DrawRecord;

namespace hb::display::detail {

namespace {

bool HasPen(const hb::win::PenState& pen) {
    return pen.style != PS_NULL;
}

bool HasBrush(const hb::win::BrushState& brush) {
    return brush.style != BS_NULL;
}

double PenWidth(const hb::win::PenState& pen) {
    return std::max(1, pen.width);
}

void Stroke(cairo_t* cr, const hb::win::PenState& pen) {
    static const double dash[] = {6, 2};
    static const double dot[] = {1, 1};
    static const double dashDot[] = {6, 2, 1, 2};
    static const double dashDotDot[] = {6, 2, 1, 2, 1, 2};
    switch (pen.style) {
    case PS_DASH:
        cairo_set_dash(cr, dash, 2, 0);
        break;
    case PS_DOT:
        cairo_set_dash(cr, dot, 2, 0);
        break;
    case PS_DASHDOT:
        cairo_set_dash(cr, dashDot, 4, 0);
        break;
    case PS_DASHDOTDOT:
        cairo_set_dash(cr, dashDotDot, 6, 0);
        break;
    default:
        break;
    }
    cairo_set_line_width(cr, PenWidth(pen));
    SetColor(cr, pen.color);
    cairo_stroke(cr);
}

// Fills the current path with the brush and outlines it with the pen.
void FillAndStroke(cairo_t* cr, const hb::win::DcState& state) {
    if (HasBrush(state.brush)) {
        SetColor(cr, state.brush.color);
        cairo_fill_preserve(cr);
    }
    if (HasPen(state.pen)) {
        Stroke(cr, state.pen);
    }
    cairo_new_path(cr);
}

// The box the pen's centre line runs along: the bounding box less half the pen on each side.
struct Box {
    double left, top, right, bottom;
    double cx() const { return (left + right) / 2; }
    double cy() const { return (top + bottom) / 2; }
    double rx() const { return std::max(0.0, (right - left) / 2); }
    double ry() const { return std::max(0.0, (bottom - top) / 2); }
};

Box PenBox(const RECT& rect, const hb::win::DcState& state) {
    const double half = HasPen(state.pen) ? PenWidth(state.pen) / 2 : 0;
    return {rect.left + half, rect.top + half, rect.right - half, rect.bottom - half};
}

void EllipsePath(cairo_t* cr, const Box& box) {
    if (box.rx() <= 0 || box.ry() <= 0) {
        return;
    }
    cairo_save(cr);
    cairo_translate(cr, box.cx(), box.cy());
    cairo_scale(cr, box.rx(), box.ry());
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cr);
    cairo_close_path(cr);
}

void RoundRectPath(cairo_t* cr, const Box& box, double rx, double ry) {
    rx = std::min(rx, box.rx());
    ry = std::min(ry, box.ry());
    if (rx <= 0 || ry <= 0) {
        cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
        return;
    }
    const double pi = std::numbers::pi;
    const auto corner = [&](double x, double y, double from) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, from, from + pi / 2);
        cairo_restore(cr);
    };
    cairo_new_sub_path(cr);
    corner(box.right - rx, box.top + ry, -pi / 2);
    corner(box.right - rx, box.bottom - ry, 0);
    corner(box.left + rx, box.bottom - ry, pi / 2);
    corner(box.left + rx, box.top + ry, pi);
    cairo_close_path(cr);
}

// Arc and Pie run anticlockwise on the screen from the start radial to the end one; with y growing
// downwards that is cairo's negative direction.
void ArcPath(cairo_t* cr, const Box& box, const DrawRecord& record, bool pie) {
    if (record.points.size() < 2 || box.rx() <= 0 || box.ry() <= 0) {
        return;
    }
    const auto angle = [&](const POINT& pt) {
        return std::atan2((pt.y - box.cy()) / box.ry(), (pt.x - box.cx()) / box.rx());
    };
    double from = angle(record.points[0]);
    double to = angle(record.points[1]);
    if (to >= from) {
        to -= 2 * std::numbers::pi;
    }
    if (pie) {
        cairo_move_to(cr, box.cx(), box.cy());
    }
    cairo_save(cr);
    cairo_translate(cr, box.cx(), box.cy());
    cairo_scale(cr, box.rx(), box.ry());
    cairo_arc_negative(cr, 0, 0, 1, from, to);
    cairo_restore(cr);
    if (pie) {
        cairo_close_path(cr);
    }
}

// Through the pixels' centres, so that a one-pixel line covers whole pixels.
void PolyPath(cairo_t* cr, const std::vector<POINT>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x = points[i].x + 0.5;
        const double y = points[i].y + 0.5;
        i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
}

// A line leaves out its last point, as the pen draws up to it and not on it.
void LinePath(cairo_t* cr, POINT from, POINT to) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length == 0) {
        return;
    }
    const double ux = dx / length / 2;
    const double uy = dy / length / 2;
    cairo_move_to(cr, from.x + 0.5 - ux, from.y + 0.5 - uy);
    cairo_line_to(cr, to.x + 0.5 - ux, to.y + 0.5 - uy);
}

// One ring of an edge: the top and left sides in one colour, the bottom and right in the other.
void EdgeRing(cairo_t* cr, RECT& rect, UINT sides, COLORREF topLeft, COLORREF bottomRight) {
    if (sides & BF_TOP) {
        FillBox(cr, {rect.left, rect.top, rect.right, rect.top + 1}, topLeft);
    }
    if (sides & BF_LEFT) {
        FillBox(cr, {rect.left, rect.top, rect.left + 1, rect.bottom}, topLeft);
    }
    if (sides & BF_BOTTOM) {
        FillBox(cr, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    }
    if (sides & BF_RIGHT) {
        FillBox(cr, {rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    }
    rect.left += (sides & BF_LEFT) ? 1 : 0;
    rect.top += (sides & BF_TOP) ? 1 : 0;
    rect.right -= (sides & BF_RIGHT) ? 1 : 0;
    rect.bottom -= (sides & BF_BOTTOM) ? 1 : 0;
}

void DrawEdgeRecord(cairo_t* cr, const DrawRecord& record) {
    const UINT edge = record.flags;
    const UINT sides = record.flags2;
    RECT rect = record.rect;
    const auto color = [](int index) { return GetSysColor(index); };
    if (sides & BF_MONO) {
        if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) {
            EdgeRing(cr, rect, sides, color(COLOR_WINDOWFRAME), color(COLOR_WINDOWFRAME));
        }
        if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) {
            EdgeRing(cr, rect, sides, color(COLOR_WINDOW), color(COLOR_WINDOW));
        }
    } else if (sides & BF_FLAT) {
        if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) {
            EdgeRing(cr, rect, sides, color(COLOR_BTNSHADOW), color(COLOR_BTNSHADOW));
        }
        if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) {
            EdgeRing(cr, rect, sides, color(COLOR_BTNFACE), color(COLOR_BTNFACE));
        }
    } else {
        if (edge & BDR_RAISEDOUTER) {
            EdgeRing(cr, rect, sides, color(COLOR_3DLIGHT), color(COLOR_3DDKSHADOW));
        } else if (edge & BDR_SUNKENOUTER) {
            EdgeRing(cr, rect, sides, color(COLOR_BTNSHADOW), color(COLOR_BTNHIGHLIGHT));
        }
        if (edge & BDR_RAISEDINNER) {
            EdgeRing(cr, rect, sides, color(COLOR_BTNHIGHLIGHT), color(COLOR_BTNSHADOW));
        } else if (edge & BDR_SUNKENINNER) {
            EdgeRing(cr, rect, sides, color(COLOR_3DDKSHADOW), color(COLOR_3DLIGHT));
        }
    }
    if (sides & BF_MIDDLE) {
        FillBox(cr, rect, color(COLOR_BTNFACE));
    }
}

// Every other pixel of the frame, as the focus rectangle is drawn.
void DrawFocusFrame(cairo_t* cr, const RECT& rect) {
    SetColor(cr, RGB(0, 0, 0));
    for (LONG x = rect.left; x < rect.right; ++x) {
        for (const LONG y : {rect.top, rect.bottom - 1}) {
            if ((x + y) % 2 == 0) {
                cairo_rectangle(cr, x, y, 1, 1);
            }
        }
    }
    for (LONG y = rect.top + 1; y < rect.bottom - 1; ++y) {
        for (const LONG x : {rect.left, rect.right - 1}) {
            if ((x + y) % 2 == 0) {
                cairo_rectangle(cr, x, y, 1, 1);
            }
        }
    }
    cairo_fill(cr);
}

} // namespace

void DrawShape(cairo_t* cr, const DrawRecord& record) {
    const hb::win::DcState& state = record.state;
    switch (record.op) {
    case DrawOp::FillRect:
        if (HasBrush(record.brush)) {
            FillBox(cr, record.rect, record.brush.color);
        }
        break;
    case DrawOp::FrameRect:
        if (HasBrush(record.brush)) {
            FrameBox(cr, record.rect, record.brush.color);
        }
        break;
    case DrawOp::InvertRect:
        cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
        FillBox(cr, record.rect, RGB(255, 255, 255));
        break;
    case DrawOp::Rectangle: {
        const Box box = PenBox(record.rect, state);
        cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
        FillAndStroke(cr, state);
        break;
    }
    case DrawOp::RoundRect:
        if (!record.points.empty()) {
            RoundRectPath(cr, PenBox(record.rect, state), record.points[0].x / 2.0,
                          record.points[0].y / 2.0);
            FillAndStroke(cr, state);
        }
        break;
    case DrawOp::Ellipse:
        EllipsePath(cr, PenBox(record.rect, state));
        FillAndStroke(cr, state);
        break;
    case DrawOp::Arc:
        ArcPath(cr, PenBox(record.rect, state), record, false);
        if (HasPen(state.pen)) {
            Stroke(cr, state.pen);
        }
        cairo_new_path(cr);
        break;
    case DrawOp::Pie:
        ArcPath(cr, PenBox(record.rect, state), record, true);
        FillAndStroke(cr, state);
        break;
    case DrawOp::Polygon:
        PolyPath(cr, record.points);
        cairo_close_path(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        FillAndStroke(cr, state);
        break;
    case DrawOp::Polyline:
        PolyPath(cr, record.points);
        if (HasPen(state.pen)) {
            Stroke(cr, state.pen);
        }
        cairo_new_path(cr);
        break;
    case DrawOp::LineTo:
        if (record.points.size() == 2 && HasPen(state.pen)) {
            LinePath(cr, record.points[0], record.points[1]);
            Stroke(cr, state.pen);
        }
        cairo_new_path(cr);
        break;
    case DrawOp::SetPixel:
        if (!record.points.empty()) {
            const POINT pt = record.points[0];
            FillBox(cr, {pt.x, pt.y, pt.x + 1, pt.y + 1}, record.color);
        }
        break;
    case DrawOp::DrawEdge:
        DrawEdgeRecord(cr, record);
        break;
    case DrawOp::DrawFocusRect:
        DrawFocusFrame(cr, record.rect);
        break;
    default:
        break;
    }
}

void DrawCheckMark(cairo_t* cr, const RECT& box, COLORREF color) {
    // A short stroke down to the foot, a long one up to the right; 7 by 6 pixels.
    const double x = (box.left + box.right) / 2.0 - 3.5;
    const double y = (box.top + box.bottom) / 2.0 - 3.0;
    cairo_save(cr);
    SetColor(cr, color);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_move_to(cr, x, y + 2.5);
    cairo_line_to(cr, x + 2.5, y + 5.0);
    cairo_line_to(cr, x + 7.0, y + 0.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace hb::display::detail
