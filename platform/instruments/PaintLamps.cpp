// Lamps and switches: LEDs in their active or inactive colour, bars of LEDs, toggle switches.
#include "platform/instruments/Dispids.h"
#include "platform/instruments/KindPainters.h"
#include "platform/instruments/PaintTools.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"
#include "platform/win/gdi/TextMetrics.h"

#include <algorithm>
#include <cmath>

namespace hb::instruments::detail {

namespace {

constexpr COLORREF kDark = 0x404040;
constexpr COLORREF kMid = 0x808080;

} // namespace

void PaintLedRectangle(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace ledRectangle;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client,
              ColorAt(state, NumberAt(state, kActive) ? kActiveColor : kInactiveColor));
    if (NumberAt(state, kBorderStyle)) {
        SunkenEdge(hdc, client);
    }
    // A caption wider than the lamp is drawn smaller rather than spilling onto its neighbours.
    const std::string caption = TextAt(state, kCaption);
    const int room = client.right - 2;
    SIZE size{};
    GetTextExtentPoint32(hdc, caption.c_str(), static_cast<int>(caption.size()), &size);
    HFONT smaller{};
    if (size.cx > room) {
        TEXTMETRIC metrics;
        GetTextMetrics(hdc, &metrics);
        smaller = MakeFont({}, FittingHeight({}, caption, metrics.tmHeight, room));
    }
    Text(hdc, caption, client, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
         ColorAt(state, kCaptionColor), smaller);
    if (smaller) {
        DeleteObject(smaller);
    }
}

void PaintLedRound(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace ledRound;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackColor));
    const double radius = std::min(client.right, client.bottom) / 2.0 - 1;
    FilledEllipse(hdc, CircleBox(client.right / 2.0, client.bottom / 2.0, radius), kDark,
                  ColorAt(state, NumberAt(state, kActive) ? kActiveColor : kInactiveColor));
}

// Segments side by side, lit from the left (or from the bottom when the bar stands upright) up to
// the position's share of the range.
void PaintLedBar(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace ledBar;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackColor));
    const LONG count = std::clamp(static_cast<LONG>(NumberAt(state, kSegmentCount)), 1, 500);
    const double span = NumberAt(state, kPositionMax) - NumberAt(state, kPositionMin);
    const double share =
        span == 0 ? 0 : (NumberAt(state, kPosition) - NumberAt(state, kPositionMin)) / span;
    const auto lit = static_cast<LONG>(std::lround(std::clamp(share, 0.0, 1.0) * count));
    const bool across = client.right >= client.bottom;
    for (LONG i = 0; i < count; ++i) {
        RECT segment;
        if (across) {
            segment = {client.right * i / count + 1, 1, client.right * (i + 1) / count - 1,
                       client.bottom - 1};
        } else {
            segment = {1, client.bottom - client.bottom * (i + 1) / count + 1, client.right - 1,
                       client.bottom - client.bottom * i / count - 1};
        }
        FillSolid(hdc, segment, ColorAt(state, i < lit ? kActiveColor : kInactiveColor));
    }
    if (NumberAt(state, kBorderStyle)) {
        SunkenEdge(hdc, client);
    }
}

// A track across the instrument with a mark for each pointer at its share of the range; pointer 0
// fills the track up to it.
void PaintLinearGauge(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace linearGauge;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackColor));
    const double minimum = NumberAt(state, kPositionMin);
    const double span = NumberAt(state, kPositionMax) - minimum;
    const auto at = [&](long pointer) {
        const double share = span == 0 ? 0 : (NumberAt(state, pointer) - minimum) / span;
        return static_cast<LONG>(std::lround(std::clamp(share, 0.0, 1.0) * (client.right - 4))) + 2;
    };
    const LONG middle = client.bottom / 2;
    FillSolid(hdc, {2, middle - 3, at(kPointer0Position), middle + 3},
              ColorAt(state, kPointer0Color));
    const LONG average = at(kPointer1Position);
    FillSolid(hdc, {average - 1, 1, average + 2, client.bottom - 1},
              ColorAt(state, kPointer1Color));
    if (NumberAt(state, kBorderStyle)) {
        SunkenEdge(hdc, client);
    }
}

void PaintLedMatrix(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace ledMatrix;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackColor));
    const int rows = std::clamp(static_cast<int>(NumberAt(state, kRowCount)), 0, 500);
    const int cols = std::clamp(static_cast<int>(NumberAt(state, kColCount)), 0, 500);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const RECT lamp{client.right * col / cols + 1, client.bottom * row / rows + 1,
                            client.right * (col + 1) / cols - 1,
                            client.bottom * (row + 1) / rows - 1};
            const auto found = state.cells.find({row, col});
            const MatrixCell cell = found == state.cells.end() ? MatrixCell{} : found->second;
            const COLORREF lit = cell.color.value_or(ColorAt(state, kIndicatorActiveColor));
            FillSolid(hdc, lamp, cell.active ? lit : ColorAt(state, kIndicatorInactiveColor));
            if (!cell.caption.empty()) {
                // A caption keeps inside its cell, however small the cells are.
                const HFONT font =
                    MakeFont({}, FittingHeight({}, cell.caption, lamp.bottom - lamp.top,
                                               lamp.right - lamp.left));
                Text(hdc, cell.caption, lamp, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                     ColorAt(state, kCaptionColor), font);
                DeleteObject(font);
            }
        }
    }
}

// A slot with the lever up when the switch is on and down when it is off.
void PaintSwitchToggle(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace switchToggle;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackColor));
    const RECT slot{client.right / 3, 2, client.right - client.right / 3, client.bottom - 2};
    FillSolid(hdc, slot, kMid);
    SunkenEdge(hdc, slot);
    const LONG middle = client.bottom / 2;
    const RECT lever = NumberAt(state, kActive)
                           ? RECT{slot.left + 2, slot.top + 2, slot.right - 2, middle}
                           : RECT{slot.left + 2, middle, slot.right - 2, slot.bottom - 2};
    FillSolid(hdc, lever, kDark);
    RaisedEdge(hdc, lever);
}

// The pressed half is sunk and darker, the raised half catches the light.
void PaintSwitchRocker(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace switchRocker;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackColor));
    const RECT body{client.left + 2, client.top + 2, client.right - 2, client.bottom - 2};
    const LONG middle = (body.top + body.bottom) / 2;
    const RECT upper{body.left, body.top, body.right, middle};
    const RECT lower{body.left, middle, body.right, body.bottom};
    const bool on = NumberAt(state, kPosition) != 0;
    const COLORREF face = ColorAt(state, kFaceColor);
    FillSolid(hdc, on ? upper : lower, face);
    SunkenEdge(hdc, on ? upper : lower);
    FillSolid(hdc, on ? lower : upper, kMid);
    RaisedEdge(hdc, on ? lower : upper);
}

void PaintSwitchQuad(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace switchQuad;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackGroundColor));
    RaisedEdge(hdc, client);
    const LONG cx = client.right / 2;
    const LONG cy = client.bottom / 2;
    // Each arrow's tip lies near its side, its base a little off the centre.
    const LONG reach = std::max<LONG>(3, std::min(cx, cy) - 3);
    const LONG half = std::max<LONG>(2, reach / 2);
    const LONG gap = std::max<LONG>(2, reach / 4);
    const POINT arrows[4][3] = {
        {{cx - reach, cy}, {cx - gap, cy - half}, {cx - gap, cy + half}},
        {{cx, cy - reach}, {cx - half, cy - gap}, {cx + half, cy - gap}},
        {{cx + reach, cy}, {cx + gap, cy - half}, {cx + gap, cy + half}},
        {{cx, cy + reach}, {cx - half, cy + gap}, {cx + half, cy + gap}},
    };
    for (const auto& arrow : arrows) {
        FilledPolygon(hdc, arrow, 3, kDark, kMid);
    }
}

// A push switch: a raised face, pressed in while it is on, with its lamp along the top and its
// caption below, made smaller rather than cut when the switch is narrow.
void PaintSwitchLed(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace switchLed;
    const RECT client = ClientOf(hwnd);
    const bool active = NumberAt(state, kActive) != 0;
    FillSolid(hdc, client, ColorAt(state, kFaceColor));
    if (NumberAt(state, kBevelStyle)) {
        active ? SunkenEdge(hdc, client) : RaisedEdge(hdc, client);
    }
    const LONG lampHeight = std::max<LONG>(2, client.bottom / 5);
    const RECT lamp{3, 3, client.right - 3, 3 + lampHeight};
    FillSolid(hdc, lamp, ColorAt(state, active ? kActiveColor : kInactiveColor));
    const RECT label{2, lamp.bottom, client.right - 2, client.bottom - 2};
    const std::string caption = TextAt(state, kCaption);
    if (caption.empty() || label.bottom <= label.top) {
        return;
    }
    const HFONT font = MakeFont(
        {}, FittingHeight({}, caption, label.bottom - label.top, label.right - label.left));
    Text(hdc, caption, label, DT_CENTER | DT_VCENTER | DT_SINGLELINE, ColorAt(state, kCaptionColor),
         font);
    DeleteObject(font);
}

} // namespace hb::instruments::detail
