// Sliders and rotary switches.
#include "platform/instruments/Dispids.h"
#include "platform/instruments/KindPainters.h"
#include "platform/instruments/PaintTools.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"

#include <algorithm>
#include <string>

namespace hb::instruments::detail {

namespace {

// A rotary switch's positions are shared out clockwise over this arc, from lower left.
constexpr double kRotaryStart = 225;
constexpr double kRotaryTravel = 270;

double RotaryAngle(int position, int count) {
    return count > 1 ? kRotaryStart - kRotaryTravel * position / (count - 1) : 90;
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
