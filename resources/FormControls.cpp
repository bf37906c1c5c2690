#include "resources/FormControls.h"

#include "platform/instruments/Dispids.h"
#include "platform/instruments/PositionCaptions.h"
#include "platform/win/controls/CommonControls.h"
#include "platform/win/controls/ListViewMessages.h"
#include "platform/win/core/Window.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace hb::resources {

namespace {

using hb::afx::StartProperty;
using hb::afx::Value;
using hb::instruments::Kind;
namespace dispid = hb::instruments;

constexpr std::int64_t kPanelFace = 0xC0C0C0;
constexpr std::int64_t kLampOn = 0x00FF00;
constexpr std::int64_t kLampOff = 0x004000;
constexpr std::int64_t kSegmentGreen = 0x00FF00;

DialogControl Standard(UINT id, const char* className, std::string text, DWORD style, Box box) {
    return {.id = id,
            .className = className,
            .text = std::move(text),
            .style = style | WS_VISIBLE,
            .x = box.x,
            .y = box.y,
            .cx = box.cx,
            .cy = box.cy};
}

DialogControl Instrument(Kind kind, UINT id, Box box, std::vector<StartProperty> properties) {
    return {.id = id,
            .className = ClassIdOf(kind),
            .style = WS_VISIBLE | WS_TABSTOP,
            .x = box.x,
            .y = box.y,
            .cx = box.cx,
            .cy = box.cy,
            .properties = std::move(properties)};
}

Value Number(double value) {
    return value;
}

Value Color(std::int64_t value) {
    return value;
}

} // namespace

std::string ClassIdOf(Kind kind) {
    const auto& kinds = hb::instruments::Kinds();
    const auto it = std::ranges::find(kinds, kind, &hb::instruments::KindInfo::kind);
    return it == kinds.end() ? std::string{} : std::string(it->classId);
}

DialogTemplate Form(UINT id, int cx, int cy, DWORD style, Controls controls) {
    return {.id = id,
            .style = style,
            .cx = cx,
            .cy = cy,
            .fontName = "MS Sans Serif",
            .fontSize = 8,
            .controls = std::move(controls)};
}

void Append(Controls& to, const Controls& more) {
    to.insert(to.end(), more.begin(), more.end());
}

Controls Captioned(DialogControl control, std::string caption) {
    const Box below{control.x, control.y + control.cy + 2, control.cx, 8};
    return {std::move(control), Caption(std::move(caption), below)};
}

DialogControl PushButton(UINT id, std::string text, Box box) {
    return Standard(id, "Button", std::move(text), BS_PUSHBUTTON | WS_TABSTOP, box);
}

DialogControl DefaultButton(UINT id, std::string text, Box box) {
    return Standard(id, "Button", std::move(text), BS_DEFPUSHBUTTON | WS_TABSTOP, box);
}

DialogControl ToggleButton(UINT id, std::string text, Box box) {
    return Standard(id, "Button", std::move(text), BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, box);
}

DialogControl IconButton(UINT id, std::string text, Box box) {
    return Standard(id, "Button", std::move(text), BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, box);
}

DialogControl CheckBox(UINT id, std::string text, Box box) {
    return Standard(id, "Button", std::move(text), BS_AUTOCHECKBOX | WS_TABSTOP, box);
}

DialogControl RadioButton(UINT id, std::string text, Box box, bool startsGroup) {
    return Standard(id, "Button", std::move(text),
                    BS_AUTORADIOBUTTON | (startsGroup ? WS_GROUP | WS_TABSTOP : 0), box);
}

DialogControl Caption(std::string text, Box box, DWORD align) {
    return Standard(IDC_STATIC, "Static", std::move(text), align, box);
}

DialogControl Text(UINT id, std::string text, Box box) {
    return Standard(id, "Static", std::move(text), SS_LEFT, box);
}

DialogControl GroupBox(std::string text, Box box) {
    return Standard(IDC_STATIC, "Button", std::move(text), BS_GROUPBOX, box);
}

DialogControl EditBox(UINT id, Box box, DWORD style) {
    DialogControl control = Standard(id, "Edit", {}, ES_AUTOHSCROLL | WS_TABSTOP | style, box);
    control.exStyle = WS_EX_CLIENTEDGE;
    return control;
}

DialogControl SpinButton(UINT id, Box box, DWORD style) {
    return Standard(id, UPDOWN_CLASS, {}, style, box);
}

DialogControl DropList(UINT id, Box box, std::vector<std::string> entries) {
    DialogControl control = Standard(id, "ComboBox", {}, CBS_DROPDOWNLIST | WS_TABSTOP, box);
    control.strings = std::move(entries);
    return control;
}

DialogControl ListBox(UINT id, Box box) {
    DialogControl control = Standard(id, "ListBox", {}, LBS_NOTIFY | WS_TABSTOP | WS_VSCROLL, box);
    control.exStyle = WS_EX_CLIENTEDGE;
    return control;
}

DialogControl ListView(UINT id, Box box, DWORD style) {
    DialogControl control = Standard(id, "SysListView32", {}, style | WS_TABSTOP, box);
    control.exStyle = WS_EX_CLIENTEDGE;
    return control;
}

DialogControl DatePicker(UINT id, Box box) {
    return Standard(id, "SysDateTimePick32", {}, WS_TABSTOP, box);
}

DialogControl ProgressBar(UINT id, Box box) {
    return Standard(id, PROGRESS_CLASS, {}, 0, box);
}

DialogControl Knob(UINT id, Box box, double min, double max, double position) {
    using namespace dispid::knob;
    return Instrument(Kind::Knob, id, box,
                      {{kPositionMax, Number(max)},
                       {kPositionMin, Number(min)},
                       {kPosition, Number(position)},
                       {kBackGroundColor, Color(kPanelFace)}});
}

DialogControl TuningKnob(UINT id, Box box, double min, double max) {
    DialogControl knob = Knob(id, box, min, max, min);
    knob.properties.push_back({dispid::knob::kPositionLabelVisible, false});
    return knob;
}

DialogControl Lamp(UINT id, std::string caption, Box box) {
    using namespace dispid::ledRectangle;
    return Instrument(Kind::LedRectangle, id, box,
                      {{kCaption, std::move(caption)},
                       {kActiveColor, Color(kLampOn)},
                       {kInactiveColor, Color(kLampOff)}});
}

DialogControl RoundLamp(UINT id, Box box, COLORREF activeColor) {
    using namespace dispid::ledRound;
    return Instrument(Kind::LedRound, id, box,
                      {{kActiveColor, Color(activeColor)}, {kInactiveColor, Color(kLampOff)}});
}

DialogControl FrequencyDisplay(UINT id, Box box, int digits, int precision) {
    using namespace dispid::sevenSegmentAnalog;
    return Instrument(Kind::SevenSegmentAnalog, id, box,
                      {{kDigitCount, std::int32_t{digits}},
                       {kPrecision, std::int32_t{precision}},
                       {kSegmentColor, Color(kSegmentGreen)},
                       {kBackGroundColor, Color(0)}});
}

DialogControl CountDisplay(UINT id, Box box, int digits) {
    using namespace dispid::sevenSegmentInteger;
    return Instrument(Kind::SevenSegmentInteger, id, box,
                      {{kDigitCount, std::int32_t{digits}},
                       {kSegmentColor, Color(kSegmentGreen)},
                       {kBackGroundColor, Color(0)}});
}

DialogControl Meter(UINT id, Box box, double min, double max, std::string caption) {
    using namespace dispid::angularGauge;
    const double span = max - min;
    return Instrument(Kind::AngularGauge, id, box,
                      {{kPositionMax, Number(max)},
                       {kPositionMin, Number(min)},
                       {kPosition, Number(min)},
                       {kCaption, std::move(caption)},
                       {kLabelVisible, true},
                       {kSectionCount, std::int32_t{3}},
                       {kSection1End, Number(min + span * 0.6)},
                       {kSection2End, Number(min + span * 0.85)},
                       {kSection3End, Number(max)}});
}

DialogControl LevelBar(UINT id, Box box, double max, int segments) {
    using namespace dispid::ledBar;
    return Instrument(Kind::LedBar, id, box,
                      {{kPositionMax, Number(max)}, {kSegmentCount, std::int32_t{segments}}});
}

DialogControl ToggleSwitch(UINT id, Box box) {
    return Instrument(Kind::SwitchToggle, id, box, {});
}

DialogControl Label(UINT id, std::string caption, Box box) {
    using namespace dispid::label;
    return Instrument(Kind::Label, id, box, {{kCaption, std::move(caption)}, {kShrinkToFit, true}});
}

DialogControl EditableLabel(UINT id, Box box) {
    using namespace dispid::label;
    return Instrument(Kind::Label, id, box, {{kEditable, true}, {kBorderStyle, std::int32_t{1}}});
}

DialogControl PhonePad(UINT id, Box box) {
    return Instrument(Kind::PhonePad, id, box, {});
}

DialogControl SlideSwitch(UINT id, Box box, int positions) {
    return Instrument(Kind::SwitchSlider, id, box,
                      {{dispid::switchSlider::kPositionCount, std::int32_t{positions}}});
}

DialogControl SlideSwitch(UINT id, Box box, const std::vector<std::string>& captions) {
    using namespace dispid::switchSlider;
    return Instrument(Kind::SwitchSlider, id, box,
                      {{kPositionCount, static_cast<std::int32_t>(captions.size())},
                       {kPositionCaptions, hb::instruments::JoinCaptions(captions)}});
}

DialogControl Slider(UINT id, Box box) {
    return Instrument(Kind::Slider, id, box, {});
}

DialogControl LedMatrix(UINT id, Box box) {
    return Instrument(Kind::LedMatrix, id, box, {});
}

DialogControl LedMatrix(UINT id, Box box, int rows, int columns) {
    using namespace dispid::ledMatrix;
    return Instrument(Kind::LedMatrix, id, box,
                      {{kRowCount, std::int32_t{rows}}, {kColCount, std::int32_t{columns}}});
}

DialogControl RockerSwitch(UINT id, Box box) {
    return Instrument(Kind::SwitchRocker, id, box, {});
}

DialogControl QuadSwitch(UINT id, Box box) {
    return Instrument(Kind::SwitchQuad, id, box, {});
}

DialogControl LedSwitch(UINT id, Box box, std::string caption) {
    return Instrument(Kind::SwitchLed, id, box,
                      {{dispid::switchLed::kCaption, std::move(caption)}});
}

DialogControl SpectrumDisplay(UINT id, Box box) {
    return Instrument(Kind::SpectrumDisplay, id, box, {});
}

DialogControl ClockDisplay(UINT id, Box box) {
    return Instrument(Kind::SevenSegmentClock, id, box, {});
}

DialogControl Panel(UINT id, Box box) {
    return Instrument(Kind::Panel, id, box, {});
}

DialogControl Slider(UINT id, Box box, double min, double max) {
    using namespace dispid::slider;
    return Instrument(Kind::Slider, id, box,
                      {{kPositionMax, Number(max)}, {kPositionMin, Number(min)}});
}

DialogControl RotarySwitch(UINT id, Box box, int positions) {
    return Instrument(Kind::SwitchRotary, id, box,
                      {{dispid::switchRotary::kPositionCount, std::int32_t{positions}}});
}

DialogControl NumberEntry(UINT id, Box box, int precision) {
    return Instrument(Kind::AnalogOutput, id, box,
                      {{dispid::analogOutput::kPrecision, std::int32_t{precision}}});
}

DialogControl LinearGauge(UINT id, Box box, double max) {
    return Instrument(Kind::LinearGauge, id, box,
                      {{dispid::linearGauge::kPositionMax, Number(max)}});
}

DialogControl ModeBox(UINT id, Box box) {
    return Instrument(Kind::ModeComboBox, id, box, {});
}

DialogControl Plot(UINT id, Box box) {
    return {.id = id,
            .className = "TiPlot",
            .text = {},
            .style = WS_CHILD | WS_VISIBLE,
            .x = box.x,
            .y = box.y,
            .cx = box.cx,
            .cy = box.cy};
}

} // namespace hb::resources
