#include "platform/instruments/Dispids.h"
#include "platform/instruments/KindPainters.h"
#include "platform/instruments/PaintTools.h"

namespace hb::instruments::detail {

void Paint(HWND hwnd, HDC hdc, const InstrumentState& state) {
    switch (state.kind->kind) {
    case Kind::Knob:
        return PaintKnob(hwnd, hdc, state);
    case Kind::AngularGauge:
        return PaintAngularGauge(hwnd, hdc, state);
    case Kind::LedRectangle:
        return PaintLedRectangle(hwnd, hdc, state);
    case Kind::LedRound:
        return PaintLedRound(hwnd, hdc, state);
    case Kind::LedBar:
        return PaintLedBar(hwnd, hdc, state);
    case Kind::LinearGauge:
        return PaintLinearGauge(hwnd, hdc, state);
    case Kind::SwitchToggle:
        return PaintSwitchToggle(hwnd, hdc, state);
    case Kind::SwitchRocker:
        return PaintSwitchRocker(hwnd, hdc, state);
    case Kind::SwitchLed:
        return PaintSwitchLed(hwnd, hdc, state);
    case Kind::SwitchQuad:
        return PaintSwitchQuad(hwnd, hdc, state);
    case Kind::SevenSegmentAnalog:
    case Kind::SevenSegmentInteger:
    case Kind::SevenSegmentClock:
        return PaintSevenSegment(hwnd, hdc, state);
    case Kind::Label:
        return PaintLabel(hwnd, hdc, state);
    case Kind::PhonePad:
        return PaintPhonePad(hwnd, hdc, state);
    case Kind::Panel:
        return PaintPanel(hwnd, hdc, state);
    case Kind::AnalogOutput:
        return PaintAnalogOutput(hwnd, hdc, state);
    case Kind::LedMatrix:
        return PaintLedMatrix(hwnd, hdc, state);
    case Kind::LCDMatrix:
        return PaintLCDMatrix(hwnd, hdc, state);
    case Kind::Slider:
        return PaintSlider(hwnd, hdc, state);
    case Kind::SwitchSlider:
        return PaintSwitchSlider(hwnd, hdc, state);
    case Kind::SwitchRotary:
        return PaintSwitchRotary(hwnd, hdc, state);
    case Kind::ModeComboBox:
        return PaintModeComboBox(hwnd, hdc, state);
    default:
        // Kinds without a picture of their own yet: their background.
        return FillSolid(hdc, ClientOf(hwnd), ColorAt(state, kBackColor));
    }
}

HFONT CreateTextFont(HWND hwnd, const InstrumentState& state) {
    switch (state.kind->kind) {
    case Kind::Knob:
        return MakeFont(TextAt(state, knob::kFont), KnobTextHeight(ClientOf(hwnd)));
    case Kind::Label:
        return MakeFont(TextAt(state, label::kFont), LabelTextHeight(ClientOf(hwnd)));
    case Kind::Panel:
        return MakeFont(TextAt(state, panel::kFont), LabelTextHeight(ClientOf(hwnd)));
    default:
        return {};
    }
}

} // namespace hb::instruments::detail
