#pragma once
// One painter per kind; Paint (Painting.cpp) picks it. Not part of the public surface.
#include "platform/instruments/InstrumentInternals.h"

namespace hb::instruments::detail {

void PaintKnob(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintAngularGauge(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintLedRectangle(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintLedRound(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintLedBar(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintLinearGauge(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintModeComboBox(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintSwitchToggle(HWND hwnd, HDC hdc, const InstrumentState& state);
// A rocker with its pressed half sunk.
void PaintSwitchRocker(HWND hwnd, HDC hdc, const InstrumentState& state);
// A raised face with an arrow pointing out towards each side.
void PaintSwitchQuad(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintSwitchLed(HWND hwnd, HDC hdc, const InstrumentState& state);
// Both seven-segment kinds.
void PaintSevenSegment(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintLabel(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintPhonePad(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintPanel(HWND hwnd, HDC hdc, const InstrumentState& state);
// A grid of lamps, each with its caption.
void PaintLedMatrix(HWND hwnd, HDC hdc, const InstrumentState& state);
// Each character of the text in a cell of 5 x 7 dots.
void PaintLCDMatrix(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintAnalogOutput(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintSlider(HWND hwnd, HDC hdc, const InstrumentState& state);
// A sliding switch: its slot, its pointer and its positions' captions.
void PaintSwitchSlider(HWND hwnd, HDC hdc, const InstrumentState& state);
void PaintSwitchRotary(HWND hwnd, HDC hdc, const InstrumentState& state);
// A slider's free space at each end of its track, and its position under x.
int SliderMargin(const RECT& client);
double SliderPositionAt(const RECT& client, long x, double minimum, double maximum);
// The text a numeric entry shows: what the user is typing, else its value at its precision.
std::string AnalogOutputText(const InstrumentState& state);

// The character heights that knobs and labels write in at their size.
int KnobTextHeight(const RECT& client);
int LabelTextHeight(const RECT& client);

} // namespace hb::instruments::detail
