#pragma once
// The dispatch ids of each kind's properties. The style code and the start properties of the
// forms address properties by these numbers; the wrappers' named accessors use the same ones.

namespace hb::instruments {

// The standard background colour, for kinds without one of their own.
inline constexpr long kBackColor = -501;

namespace knob {
inline constexpr long kFont = 1;
inline constexpr long kPosition = 2;
inline constexpr long kPositionMin = 3;
inline constexpr long kKnobColor = 4;
inline constexpr long kKnobEdgeColor = 5;
inline constexpr long kPositionMax = 6;
inline constexpr long kUnitsText = 7;
inline constexpr long kRotationDegrees = 8;
inline constexpr long kIncrement = 9;
inline constexpr long kKnobStyle = 11;
inline constexpr long kTicksVisible = 13;
inline constexpr long kIndicatorStyle = 16;
inline constexpr long kBackGroundColor = 18;
inline constexpr long kTickLabelColor = 25;
inline constexpr long kTickColor = 29;
inline constexpr long kTransparent = 49;
inline constexpr long kIndicatorHubColor = 71;
inline constexpr long kIndicatorColor = 73;
// Whether the position and its unit show under the dial; a tuning knob turns this off.
inline constexpr long kPositionLabelVisible = 200;
} // namespace knob

namespace ledRectangle {
inline constexpr long kBorderStyle = 2;
inline constexpr long kShowReflection = 3;
inline constexpr long kActive = 4;
inline constexpr long kCaption = 5;
inline constexpr long kCaptionColor = 6;
inline constexpr long kActiveColor = 9;
inline constexpr long kInactiveColor = 10;
inline constexpr long kBevelOuter = 13;
inline constexpr long kBevelInner = 14;
} // namespace ledRectangle

namespace sevenSegmentAnalog {
inline constexpr long kValue = 2;
inline constexpr long kPrecision = 3;
inline constexpr long kDigitCount = 4;
inline constexpr long kSegmentColor = 9;
inline constexpr long kLeadingZeros = 12;
inline constexpr long kBackGroundColor = 14;
inline constexpr long kBorderStyle = 15;
} // namespace sevenSegmentAnalog

namespace sevenSegmentInteger {
inline constexpr long kValue = 2;
inline constexpr long kDigitCount = 4;
inline constexpr long kSegmentColor = 8;
inline constexpr long kLeadingZeros = 11;
inline constexpr long kBackGroundColor = 13;
inline constexpr long kBorderStyle = 14;
} // namespace sevenSegmentInteger

namespace angularGauge {
inline constexpr long kPosition = 2;
inline constexpr long kPositionMin = 3;
inline constexpr long kPositionMax = 4;
inline constexpr long kCaption = 5;
inline constexpr long kLabelVisible = 6;
inline constexpr long kLabelText = 7;
inline constexpr long kTickMajorCount = 8;
inline constexpr long kSectionCount = 10;
// Section n (1 to 3) ends at kSection1End + 2 * (n - 1); its colour follows its end.
inline constexpr long kSection1End = 11;
inline constexpr long kSection1Color = 12;
inline constexpr long kSection2End = 13;
inline constexpr long kSection2Color = 14;
inline constexpr long kSection3End = 15;
inline constexpr long kSection3Color = 16;
inline constexpr long kPointerColor = 19;
inline constexpr long kBackGroundColor = 39;
inline constexpr long kBorderStyle = 40;
inline constexpr long kArcColor = 98;
inline constexpr long kTickColor = 99;
inline constexpr int kMaxSections = 3;
} // namespace angularGauge

namespace ledBar {
inline constexpr long kPosition = 2;
inline constexpr long kPositionMin = 3;
inline constexpr long kPositionMax = 4;
inline constexpr long kSegmentCount = 5;
inline constexpr long kActiveColor = 6;
inline constexpr long kBorderStyle = 7;
inline constexpr long kInactiveColor = 8;
} // namespace ledBar

namespace switchToggle {
inline constexpr long kActive = 2;
inline constexpr long kSwitchStyle = 4;
inline constexpr long kBorderStyle = 5;
} // namespace switchToggle

namespace label {
inline constexpr long kFont = 1;
inline constexpr long kCaption = 2;
inline constexpr long kBorderStyle = 3;
inline constexpr long kShrinkToFit = 5;
inline constexpr long kTransparent = 8;
inline constexpr long kBackGroundColor = 12;
inline constexpr long kHighlight = 14;
inline constexpr long kFontColor = 39;
// Edit-like: the label takes keys and fires its change, mouse-down and key events.
inline constexpr long kEditable = 40;
} // namespace label

namespace ledRound {
inline constexpr long kActive = 4;
inline constexpr long kActiveColor = 9;
inline constexpr long kInactiveColor = 10;
} // namespace ledRound

namespace switchSlider {
inline constexpr long kPosition = 1;
inline constexpr long kActiveColor = 2;
inline constexpr long kInactiveColor = 3;
inline constexpr long kPositionCount = 4;
inline constexpr long kPointerStyle = 7;
inline constexpr long kPointerColor = 9;
inline constexpr long kPointerHighlight = 10;
inline constexpr long kBackGroundColor = 11;
inline constexpr long kTickLabelColor = 20;
inline constexpr long kTransparent = 24;
inline constexpr long kBorderStyle = 27;
inline constexpr long kShowFocusRect = 33;
inline constexpr long kTrackColor = 46;
inline constexpr long kTrackEdgeColor = 47;
inline constexpr long kTickColor = 59;
inline constexpr long kTickShadowColor = 60;
// The positions' captions from position 0 on, one a line.
inline constexpr long kPositionCaptions = 61;
} // namespace switchSlider

namespace switchLed {
inline constexpr long kActive = 2;
inline constexpr long kCaption = 3;
inline constexpr long kTransparent = 10;
inline constexpr long kBevelStyle = 28;
inline constexpr long kActiveColor = 29;
inline constexpr long kCaptionColor = 30;
inline constexpr long kFaceColor = 31;
inline constexpr long kInactiveColor = 42;
} // namespace switchLed

namespace sevenSegmentClock {
// The time shown, as a fraction of a day.
inline constexpr long kTime = 2;
inline constexpr long kSegmentColor = 8;
inline constexpr long kLeadingZeros = 11;
inline constexpr long kBackGroundColor = 13;
inline constexpr long kBorderStyle = 14;
} // namespace sevenSegmentClock

namespace sevenSegmentClockSMPTE {
inline constexpr long kSegmentColor = 10;
inline constexpr long kLeadingZeros = 13;
inline constexpr long kBackGroundColor = 15;
inline constexpr long kBorderStyle = 16;
} // namespace sevenSegmentClockSMPTE

namespace edit {
inline constexpr long kFontColor = 30;
inline constexpr long kBorderStyle = 52;
} // namespace edit

namespace analogOutput {
inline constexpr long kValue = 1;
inline constexpr long kPrecision = 2;
inline constexpr long kFont = 3;
inline constexpr long kLowerLimit = 4;
inline constexpr long kUpperLimit = 5;
inline constexpr long kBorderStyle = 42;
inline constexpr long kFontColor = 54;
} // namespace analogOutput

namespace switchQuad {
inline constexpr long kTransparent = 1;
inline constexpr long kBackGroundColor = 15;
} // namespace switchQuad

namespace slider {
// Our own: the position and its range (0 to 100 at first).
inline constexpr long kPosition = 1;
inline constexpr long kPositionMin = 4;
inline constexpr long kPositionMax = 5;
inline constexpr long kTrackColor = 2;
inline constexpr long kPointerColor = 3;
inline constexpr long kTransparent = 11;
inline constexpr long kTrackEdgeColor = 12;
inline constexpr long kBackGroundColor = 16;
inline constexpr long kTickColor = 21;
inline constexpr long kTickLabelColor = 25;
inline constexpr long kBorderStyle = 38;
inline constexpr long kShowFocusRect = 45;
} // namespace slider

// All ours: a rotary switch of PositionCount positions, position 0 first.
namespace switchRotary {
inline constexpr long kPosition = 1;
inline constexpr long kPositionCount = 2;
inline constexpr long kKnobColor = 3;
inline constexpr long kPointerColor = 4;
inline constexpr long kTickLabelColor = 5;
inline constexpr long kBackGroundColor = 6;
} // namespace switchRotary

namespace panel {
inline constexpr long kBackGroundColor = 1;
inline constexpr long kBorderStyle = 2;
inline constexpr long kCaption = 3;
inline constexpr long kFontColor = 4;
inline constexpr long kFont = 5;
inline constexpr long kEdgeColor = 11;
} // namespace panel

namespace analogDisplay {
inline constexpr long kBackGroundColor = 6;
inline constexpr long kBorderStyle = 7;
inline constexpr long kFontColor = 38;
} // namespace analogDisplay

namespace ledMatrix {
inline constexpr long kRowCount = 1;
inline constexpr long kColCount = 2;
// The colour of a lit cell that has none of its own.
inline constexpr long kIndicatorActiveColor = 3;
inline constexpr long kIndicatorInactiveColor = 4;
inline constexpr long kCaptionColor = 5;
} // namespace ledMatrix

namespace lcdMatrix {
inline constexpr long kIndicatorActiveColor = 2;
inline constexpr long kIndicatorInactiveColor = 3;
inline constexpr long kColumnCount = 8;
// The standard text property.
inline constexpr long kText = -517;
} // namespace lcdMatrix

namespace linearGauge {
inline constexpr long kPositionMin = 2;
inline constexpr long kPositionMax = 3;
// The positions of pointer 0 and pointer 1.
inline constexpr long kPointer0Position = 4;
inline constexpr long kPointer1Position = 5;
inline constexpr long kPointer0Color = 6;
inline constexpr long kPointer1Color = 7;
inline constexpr long kBorderStyle = 8;
} // namespace linearGauge

namespace modeComboBox {
inline constexpr long kFontColor = 33;
inline constexpr long kButtonColor = 53;
} // namespace modeComboBox

namespace switchRocker {
// 0 rocked down (off), 1 rocked up (on).
inline constexpr long kPosition = 1;
inline constexpr long kFaceColor = 2;
} // namespace switchRocker

} // namespace hb::instruments
