// Knobs and angular gauges: a dial with a pointer at the position.
#include "platform/instruments/Dispids.h"
#include "platform/instruments/KindPainters.h"
#include "platform/instruments/PaintTools.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"

#include <algorithm>

namespace hb::instruments::detail {

namespace {

// Where the position lies between minimum and maximum, from 0 to 1.
double FractionOf(double position, double minimum, double maximum) {
    const double span = maximum - minimum;
    return span == 0 ? 0 : std::clamp((position - minimum) / span, 0.0, 1.0);
}

// A gauge's scale runs clockwise through 270 degrees, from lower left to lower right.
constexpr double kGaugeStart = 225;
constexpr double kGaugeTravel = 270;
constexpr double kHalfRootTwo = 0.70710678;

} // namespace

int KnobTextHeight(const RECT& client) {
    return std::max(8, static_cast<int>(std::min(client.right, client.bottom) / 6));
}

// The travel arc, the knob, a pointer line at the position (clockwise from the minimum, the
// travel shared out symmetrically about 12 o'clock) and, unless turned off, the position with its
// unit in the gap.
void PaintKnob(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace knob;
    const RECT client = ClientOf(hwnd);
    if (!NumberAt(state, kTransparent)) {
        FillSolid(hdc, client, ColorAt(state, kBackGroundColor));
    }
    const double cx = client.right / 2.0;
    const double cy = client.bottom / 2.0;
    const double radius = std::min(cx, cy) - 2;
    if (radius < 4) {
        return;
    }
    const double travel = std::max(NumberAt(state, kRotationDegrees), 0.0);
    const double shown = std::min(travel, 360.0);
    if (NumberAt(state, kTicksVisible)) {
        ArcOf(hdc, cx, cy, radius, 90 - shown / 2, 90 + shown / 2, ColorAt(state, kTickColor), 1);
    }
    const double body = radius * 0.8;
    FilledEllipse(hdc, CircleBox(cx, cy, body), ColorAt(state, kKnobEdgeColor),
                  ColorAt(state, kKnobColor));
    FilledEllipse(hdc, CircleBox(cx, cy, body * 0.2), ColorAt(state, kIndicatorHubColor),
                  ColorAt(state, kIndicatorHubColor));
    const double position = NumberAt(state, kPosition);
    const double minimum = NumberAt(state, kPositionMin);
    const double maximum = NumberAt(state, kPositionMax);
    const double angle = 90 + shown / 2 - FractionOf(position, minimum, maximum) * travel;
    Line(hdc, OnCircle(cx, cy, body * 0.35, angle), OnCircle(cx, cy, body * 0.95, angle),
         ColorAt(state, kIndicatorColor), 2);
    if (!NumberAt(state, kPositionLabelVisible)) {
        return;
    }
    const int height = KnobTextHeight(client);
    const HFONT font = MakeFont(TextAt(state, kFont), height);
    Text(hdc, NumberText(position) + TextAt(state, kUnitsText),
         {0, client.bottom - height, client.right, client.bottom},
         DT_CENTER | DT_BOTTOM | DT_SINGLELINE, ColorAt(state, kTickLabelColor), font);
    DeleteObject(font);
}

// The scale arc with its coloured sections and major ticks, the needle at the position, the
// caption at the foot of the face and, when shown, the label text under the caption.
void PaintAngularGauge(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace angularGauge;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackGroundColor));
    if (NumberAt(state, kBorderStyle)) {
        SunkenEdge(hdc, client);
    }
    const double cx = client.right / 2.0;
    const double cy = client.bottom / 2.0;
    const double radius = std::min(cx, cy) - 4;
    if (radius < 4) {
        return;
    }
    const double minimum = NumberAt(state, kPositionMin);
    const double maximum = NumberAt(state, kPositionMax);
    const auto angleOf = [&](double value) {
        return kGaugeStart - FractionOf(value, minimum, maximum) * kGaugeTravel;
    };
    ArcOf(hdc, cx, cy, radius, kGaugeStart - kGaugeTravel, kGaugeStart, ColorAt(state, kArcColor),
          1);
    const int sections =
        std::clamp(static_cast<int>(NumberAt(state, kSectionCount)), 0, kMaxSections);
    double sectionStart = minimum;
    for (int i = 0; i < sections; ++i) {
        const double end = NumberAt(state, kSection1End + 2 * i);
        ArcOf(hdc, cx, cy, radius * 0.92, angleOf(end), angleOf(sectionStart),
              ColorAt(state, kSection1Color + 2 * i), 4);
        sectionStart = end;
    }
    const int ticks = std::clamp(static_cast<int>(NumberAt(state, kTickMajorCount)), 1, 100);
    for (int i = 0; i <= ticks; ++i) {
        const double angle = kGaugeStart - kGaugeTravel * i / ticks;
        Line(hdc, OnCircle(cx, cy, radius * 0.8, angle), OnCircle(cx, cy, radius, angle),
             ColorAt(state, kTickColor), 1);
    }
    const double needle = angleOf(NumberAt(state, kPosition));
    Line(hdc, {static_cast<LONG>(cx), static_cast<LONG>(cy)},
         OnCircle(cx, cy, radius * 0.85, needle), ColorAt(state, kPointerColor), 2);
    // The needle reaches no lower than 45 degrees below the centre, so the foot of the face
    // between the ends of the scale is clear of it.
    const bool label = NumberAt(state, kLabelVisible) != 0;
    const LONG lines = label ? 2 : 1;
    const LONG clearBelow = static_cast<LONG>(cy + radius * 0.85 * kHalfRootTwo) + 1;
    const LONG room = client.bottom - 3 - clearBelow;
    const LONG line = std::max(LONG{8}, room / lines);
    const LONG top = std::max(clearBelow, client.bottom - 3 - lines * line);
    // The character cell is a little taller than the character height asked for.
    const HFONT font = MakeFont({}, line * 4 / 5);
    Text(hdc, TextAt(state, kCaption), {0, top, client.right, top + line},
         DT_CENTER | DT_SINGLELINE, ColorAt(state, kTickColor), font);
    if (label) {
        Text(hdc, TextAt(state, kLabelText), {0, top + line, client.right, top + 2 * line},
             DT_CENTER | DT_SINGLELINE, ColorAt(state, kPointerColor), font);
    }
    DeleteObject(font);
}

} // namespace hb::instruments::detail
