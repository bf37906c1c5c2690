// Text in DejaVu, placed by the text metrics every layout was made with: each run fills the box
// MeasureText gives it and never more (a wider run is pressed to fit), so what a window laid out
// is what shows.
#include "platform/display/RenderSteps.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Fonts.h"
#include "platform/win/gdi/TextDrawing.h"
#include "platform/win/gdi/TextMetrics.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

using hb::win::DrawOp;
using hb::win::DrawRecord;
using hb::win::FontState;

namespace hb::display::detail {

namespace {

constexpr std::string_view kEllipsis = "...";

struct Face {
    const char* family;
    cairo_font_slant_t slant;
    cairo_font_weight_t weight;

    auto Key() const { return std::tuple(std::string_view(family), slant, weight); }
};

bool Contains(std::string face, std::string_view part) {
    std::transform(face.begin(), face.end(), face.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return face.find(part) != std::string::npos;
}

// Fixed-pitch requests and the typewriter faces get the monospaced face, everything else the
// proportional one.
Face FaceOf(const FontState& font) {
    const bool fixed = (font.pitchAndFamily & 0x03) == FIXED_PITCH ||
                       (font.pitchAndFamily & 0xF0) == FF_MODERN ||
                       Contains(font.face, "courier") || Contains(font.face, "mono") ||
                       Contains(font.face, "console") || Contains(font.face, "fixedsys") ||
                       Contains(font.face, "terminal");
    return {fixed ? "DejaVu Sans Mono" : "DejaVu Sans",
            font.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
            font.weight >= FW_SEMIBOLD ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL};
}

// What a face measures at a size of 1: its cell (ascent plus descent) and the mean advance of
// ordinary text, so that the metrics a layout used map to a font size.
struct FaceScale {
    double cell = 1.0;
    double advance = 0.5;
};

FaceScale ScaleOf(cairo_t* cr, const Face& face) {
    static std::map<decltype(face.Key()), FaceScale> known;
    const auto it = known.find(face.Key());
    if (it != known.end()) {
        return it->second;
    }
    constexpr double kProbeSize = 100;
    constexpr std::string_view kSample = "Radio Scanner 146.520 MHz, Memory Bank 12 quick fox";
    cairo_save(cr);
    cairo_select_font_face(cr, face.family, face.slant, face.weight);
    cairo_set_font_size(cr, kProbeSize);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    cairo_text_extents_t sample;
    cairo_text_extents(cr, std::string(kSample).c_str(), &sample);
    cairo_restore(cr);
    FaceScale scale;
    if (font.ascent + font.descent > 0) {
        scale.cell = (font.ascent + font.descent) / kProbeSize;
    }
    if (sample.x_advance > 0) {
        scale.advance = sample.x_advance / kProbeSize / static_cast<double>(kSample.size());
    }
    known.emplace(face.Key(), scale);
    return scale;
}

// Bytes that are not UTF-8 are taken as Latin-1, one character each, as MeasureText counts them.
std::string AsUtf8(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80             ? 1
                                   : (c & 0xE0) == 0xC0 ? 2
                                   : (c & 0xF0) == 0xE0 ? 3
                                   : (c & 0xF8) == 0xF0 ? 4
                                                        : 0;
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        }
        if (valid) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
            ++i;
        }
    }
    return out;
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
    const Face face = FaceOf(font);
    const std::string utf8 = AsUtf8(text);
    cairo_save(cr);
    cairo_rectangle(cr, left, top, box.cx, box.cy);
    cairo_clip(cr);
    cairo_select_font_face(cr, face.family, face.slant, face.weight);
    // One size for every run of a font, the largest that fills the line height and keeps ordinary
    // text within the layout's character width; a run still too wide gets narrower letters.
    const FaceScale scale = ScaleOf(cr, face);
    cairo_set_font_size(
        cr, std::min(metrics.tmHeight / scale.cell, metrics.tmAveCharWidth / scale.advance));
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8.c_str(), &extents);
    const double width = extents.x_advance;
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
