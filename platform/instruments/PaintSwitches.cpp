// Sliders, sliding switches and rotary switches.
#include "platform/instruments/Dispids.h"
#include "platform/instruments/KindPainters.h"
#include "platform/instruments/PaintTools.h"
#include "platform/instruments/SwitchSliderLayout.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"
#include "platform/win/gdi/TextMetrics.h"

#include <algorithm>
#include <string>
#include <vector>

namespace hb::instruments::detail {

namespace {

// A rotary switch's positions are shared out clockwise over this arc, from lower left.
constexpr double kRotaryStart = 225;
constexpr double kRotaryTravel = 270;

double RotaryAngle(int position, int count) {
    return count > 1 ? kRotaryStart - kRotaryTravel * position / (count - 1) : 90;
}

// The captions of a sliding switch, each in the share of the band (or column) nearest its stop,
// all in one size that lets the longest fit.
void PaintSwitchCaptions(HDC hdc, const SwitchSliderLayout& layout,
                         const std::vector<std::string>& captions, COLORREF color) {
    const int count = static_cast<int>(captions.size());
    const RECT& band = layout.captions;
    std::vector<RECT> cells;
    for (int n = 0; n < count; ++n) {
        const int stop = SwitchStop(layout, n, count);
        const int before = n == 0 ? 0 : (SwitchStop(layout, n - 1, count) + stop) / 2;
        const int after = n + 1 == count ? 0 : (stop + SwitchStop(layout, n + 1, count)) / 2;
        if (layout.across) {
            cells.push_back({n == 0 ? band.left : before, band.top,
                             n + 1 == count ? band.right : after, band.bottom});
        } else {
            cells.push_back({band.left, n == 0 ? band.top : before, band.right,
                             n + 1 == count ? band.bottom : after});
        }
    }
    const int room = static_cast<int>(band.bottom - band.top) /
                     (layout.across ? 1 : std::max(count, 1));
    int height = std::min(room, 13);
    hb::win::FontState line;
    for (; height > 6; --height) {
        line.height = -height;
        if (hb::win::MeasureText(line, "Ag").cy <= room) {
            break;
        }
    }
    for (int n = 0; n < count; ++n) {
        height = std::min(height, FittingHeight({}, captions[n], height,
                                                static_cast<int>(cells[n].right - cells[n].left)));
    }
    const HFONT font = MakeFont({}, height);
    const UINT format =
        layout.across ? DT_CENTER | DT_TOP | DT_SINGLELINE : DT_LEFT | DT_VCENTER | DT_SINGLELINE;
    for (int n = 0; n < count; ++n) {
        Text(hdc, captions[n], cells[n], format, color, font);
    }
    DeleteObject(font);
}

} // namespace

int SliderMargin(const RECT& client) {
    return std::max(3, static_cast<int>(client.bottom / 4));
}

double SliderPositionAt(const RECT& client, long x, double minimum, double maximum) {
    const int margin = SliderMargin(client);
    const double travel = client.right - 2.0 * margin;
    if (travel <= 0) {
        return minimum;
    }
    return minimum + std::clamp((x - margin) / travel, 0.0, 1.0) * (maximum - minimum);
}

// The track along the middle and the pointer standing across it at the position.
void PaintSlider(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace slider;
    const RECT client = ClientOf(hwnd);
    if (!NumberAt(state, kTransparent)) {
        FillSolid(hdc, client, ColorAt(state, kBackGroundColor));
    }
    const int margin = SliderMargin(client);
    const LONG middle = client.bottom / 2;
    const RECT track{margin, middle - 2, client.right - margin, middle + 2};
    FillSolid(hdc, track, ColorAt(state, kTrackColor));
    SunkenEdge(hdc, track);
    const double minimum = NumberAt(state, kPositionMin);
    const double maximum = NumberAt(state, kPositionMax);
    const double span = maximum - minimum;
    const double fraction =
        span == 0 ? 0 : std::clamp((NumberAt(state, kPosition) - minimum) / span, 0.0, 1.0);
    const auto x = static_cast<LONG>(margin + fraction * (client.right - 2.0 * margin));
    const RECT pointer{x - margin / 2 - 1, 2, x + margin / 2 + 1, client.bottom - 2};
    FillSolid(hdc, pointer, ColorAt(state, kPointerColor));
    RaisedEdge(hdc, pointer);
}

// A slot with the pointer standing in it at the position, and the positions' captions beside.
void PaintSwitchSlider(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace switchSlider;
    const RECT client = ClientOf(hwnd);
    if (!NumberAt(state, kTransparent)) {
        FillSolid(hdc, client, ColorAt(state, kBackGroundColor));
    }
    const int count = std::max(1, static_cast<int>(NumberAt(state, kPositionCount)));
    const int position = std::clamp(static_cast<int>(NumberAt(state, kPosition)), 0, count - 1);
    const std::vector<std::string> captions = CaptionsOf(TextAt(state, kPositionCaptions), count);
    const bool captioned = AnyCaption(captions);
    const SwitchSliderLayout layout = LayOutSwitchSlider(client, count, captioned);
    const RECT& s = layout.slot;
    const int half = layout.pointer / 2;
    const int first = SwitchStop(layout, 0, count) - half;
    const int last = SwitchStop(layout, count - 1, count) + half;
    const int stop = SwitchStop(layout, position, count);
    RECT track;
    RECT pointer;
    if (layout.across) {
        const LONG middle = (s.top + s.bottom) / 2;
        const LONG thickness = std::max<LONG>(2, (s.bottom - s.top) / 6);
        track = {first, middle - thickness, last, middle + thickness};
        pointer = {stop - half, s.top + 2, stop - half + layout.pointer, s.bottom - 2};
    } else {
        const LONG middle = (s.left + s.right) / 2;
        const LONG thickness = std::max<LONG>(2, (s.right - s.left) / 6);
        track = {middle - thickness, first, middle + thickness, last};
        pointer = {s.left + 2, stop - half, s.right - 2, stop - half + layout.pointer};
    }
    FillSolid(hdc, track, ColorAt(state, kTrackColor));
    SunkenEdge(hdc, track);
    FillSolid(hdc, pointer, ColorAt(state, kPointerColor));
    RaisedEdge(hdc, pointer);
    if (captioned) {
        PaintSwitchCaptions(hdc, layout, captions, ColorAt(state, kTickLabelColor));
    }
}

// A knob with a pointer to the position and the position numbers round it.
void PaintSwitchRotary(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace switchRotary;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackGroundColor));
    const double cx = client.right / 2.0;
    const double cy = client.bottom / 2.0;
    const double radius = std::min(cx, cy) - 2;
    if (radius < 6) {
        return;
    }
    const int count = std::max(1, static_cast<int>(NumberAt(state, kPositionCount)));
    const int position = std::clamp(static_cast<int>(NumberAt(state, kPosition)), 0, count - 1);
    const double body = radius * 0.6;
    const int height = std::max(8, static_cast<int>(radius * 0.3));
    const HFONT font = MakeFont("MS Sans Serif", height);
    for (int n = 0; n < count; ++n) {
        const POINT at = OnCircle(cx, cy, radius * 0.82, RotaryAngle(n, count));
        Text(hdc, std::to_string(n),
             {at.x - height, at.y - height / 2, at.x + height, at.y + height},
             DT_CENTER | DT_TOP | DT_SINGLELINE, ColorAt(state, kTickLabelColor), font);
    }
    DeleteObject(font);
    FilledEllipse(hdc, CircleBox(cx, cy, body), ColorAt(state, kTickLabelColor),
                  ColorAt(state, kKnobColor));
    const double angle = RotaryAngle(position, count);
    Line(hdc, OnCircle(cx, cy, body * 0.2, angle), OnCircle(cx, cy, body * 0.95, angle),
         ColorAt(state, kPointerColor), 2);
}

} // namespace hb::instruments::detail
