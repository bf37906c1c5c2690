// Text in the stand-in faces the layout measured with, placed by the same metrics: each run fills
// the box MeasureText gives it and never more, so what a window laid out is what shows.
#include "platform/display/RenderSteps.h"
#include "platform/win/gdi/CodePoints.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Fonts.h"
#include "platform/win/gdi/StandInFace.h"
#include "platform/win/gdi/TextDrawing.h"
#include "platform/win/gdi/TextMetrics.h"

#include <algorithm>
#include <string>
#include <string_view>

using hb::win::DrawOp;
using hb::win::DrawRecord;
using hb::win::FontState;

namespace hb::display::detail {

namespace {

constexpr std::string_view kEllipsis = "...";

// The font of a run: the stand-in face the layout measured, at its size and stretch, with
// unhinted advances so that a run is as wide as MeasureText said.
void SelectFont(cairo_t* cr, const FontState& font) {
    const hb::win::StandInFace face = hb::win::StandInFaceOf(font);
    cairo_select_font_face(cr, face.Name(),
                           face.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           face.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    const hb::win::FontScale scale = hb::win::ScaleOf(font);
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, scale.emSize * scale.stretch, scale.emSize);
    cairo_set_font_matrix(cr, &matrix);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

// How a run sits in its box when it is narrower than the box: 0 left, 0.5 centred, 1 right.
using Placement = double;

// One run of text in the box at (left, top) that MeasureText gives it, in the DC's text colour,
// on the background colour when `opaque`.
void DrawRun(cairo_t* cr, const hb::win::DcState& state, std::string_view text, double left,
             double top, Placement placement, bool opaque) {
    const FontState& font = state.font;
    const SIZE box = hb::win::MeasureText(font, text);
    const TEXTMETRIC metrics = hb::win::MetricsOf(font);
    if (opaque) {
        FillBox(cr,
                {static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(left) + box.cx,
                 static_cast<LONG>(top) + box.cy},
                state.bkColor);
    }
    if (text.empty() || box.cx <= 0) {
        return;
    }
    const std::string utf8 = hb::win::Utf8Of(hb::win::CodePointsOf(text));
    cairo_save(cr);
    cairo_rectangle(cr, left, top, box.cx, box.cy);
    cairo_clip(cr);
    SelectFont(cr, font);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8.c_str(), &extents);
    const double width = extents.x_advance;
    // Only a face other than the stand-in (fonts missing on this machine) can be wider.
    const double squeeze = width > box.cx ? box.cx / width : 1.0;
    const double x = left + (box.cx - width * squeeze) * placement;
    const double baseline = top + metrics.tmAscent;
    cairo_translate(cr, x, baseline);
    cairo_scale(cr, squeeze, 1.0);
    SetColor(cr, state.textColor);
    cairo_move_to(cr, 0, 0);
    cairo_show_text(cr, utf8.c_str());
    if (font.underline) {
        cairo_rectangle(cr, 0, 1, width, 1);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// TextOut and ExtTextOut: the reference point placed by the DC's text alignment.
void DrawAtPoint(cairo_t* cr, const DrawRecord& record) {
    if (record.points.empty()) {
        return;
    }
    const hb::win::DcState& state = record.state;
    if (record.op == DrawOp::ExtTextOut && (record.flags & ETO_OPAQUE)) {
        FillBox(cr, record.rect, state.bkColor);
    }
    if (record.op == DrawOp::ExtTextOut && (record.flags & ETO_CLIPPED)) {
        const RECT& r = record.rect;
        cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
        cairo_clip(cr);
    }
    const SIZE box = hb::win::MeasureText(state.font, record.text);
    const TEXTMETRIC metrics = hb::win::MetricsOf(state.font);
    const POINT at = record.points[0];
    const UINT horizontal = state.textAlign & TA_CENTER;
    const UINT vertical = state.textAlign & TA_BASELINE;
    const double left = horizontal == TA_CENTER  ? at.x - box.cx / 2.0
                        : horizontal == TA_RIGHT ? at.x - box.cx
                                                 : at.x;
    const double top = vertical == TA_BASELINE ? at.y - metrics.tmAscent
                       : vertical == TA_BOTTOM ? at.y - box.cy
                                               : at.y;
    const Placement placement = horizontal == TA_CENTER ? 0.5 : horizontal == TA_RIGHT ? 1.0 : 0.0;
    DrawRun(cr, state, record.text, left, top, placement, state.bkMode == OPAQUE);
}

// Cuts the line to what fits in `width` with "..." after it.
std::string WithEllipsis(const FontState& font, std::string line, LONG width) {
    if (hb::win::MeasureText(font, line).cx <= width) {
        return line;
    }
    while (!line.empty() && hb::win::MeasureText(font, line + std::string(kEllipsis)).cx > width) {
        do {
            line.pop_back();
        } while (!line.empty() && (static_cast<unsigned char>(line.back()) & 0xC0) == 0x80);
    }
    return line + std::string(kEllipsis);
}

// DrawText: the lines DrawText laid out, aligned in the box and clipped to it.
void DrawInBox(cairo_t* cr, const DrawRecord& record) {
    const hb::win::DcState& state = record.state;
    const RECT& box = record.rect;
    const UINT format = record.flags;
    const LONG width = box.right - box.left;
    const std::vector<std::string> lines =
        hb::win::DrawTextLines(record.text, format, width, state.font);
    const LONG lineHeight = hb::win::MetricsOf(state.font).tmHeight;
    const LONG height = lineHeight * static_cast<LONG>(lines.size());
    double top = box.top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER)) {
        top = box.top + (box.bottom - box.top - height) / 2;
    } else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM)) {
        top = box.bottom - height;
    }
    cairo_rectangle(cr, box.left, box.top, width, box.bottom - box.top);
    cairo_clip(cr);
    const Placement placement = (format & DT_CENTER) ? 0.5 : (format & DT_RIGHT) ? 1.0 : 0.0;
    for (const std::string& text : lines) {
        const std::string line =
            (format & DT_END_ELLIPSIS) ? WithEllipsis(state.font, text, width) : text;
        const LONG lineWidth = hb::win::MeasureText(state.font, line).cx;
        const double left = box.left + (width - lineWidth) * placement;
        DrawRun(cr, state, line, left, top, placement, state.bkMode == OPAQUE);
        top += lineHeight;
    }
}

} // namespace

void DrawTextRecord(cairo_t* cr, const DrawRecord& record) {
    if (record.op == DrawOp::DrawText) {
        DrawInBox(cr, record);
    } else {
        DrawAtPoint(cr, record);
    }
}

} // namespace hb::display::detail
