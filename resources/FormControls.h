#pragma once
// Building blocks of the resource tables: standard controls and instruments with their start
// appearance, placed in dialog units.
#include "platform/afx/res/DialogTemplate.h"
#include "platform/instruments/KindInfo.h"

#include <string>
#include <vector>

namespace hb::resources {

// Dialog template styles.
inline constexpr DWORD DS_ABSALIGN = 0x01;
inline constexpr DWORD DS_FIXEDSYS = 0x08;
inline constexpr DWORD DS_SETFONT = 0x40;
inline constexpr DWORD DS_MODALFRAME = 0x80;
inline constexpr DWORD DS_CENTER = 0x800;

using hb::afx::DialogControl;
using hb::afx::DialogTemplate;
using Controls = std::vector<DialogControl>;

struct Box {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

// A form in the panel font.
DialogTemplate Form(UINT id, int cx, int cy, DWORD style, Controls controls);
void Append(Controls& to, const Controls& more);
// The control with a caption right below it.
Controls Captioned(DialogControl control, std::string caption);

// ---- Standard controls.
DialogControl PushButton(UINT id, std::string text, Box box);
DialogControl DefaultButton(UINT id, std::string text, Box box);
// A push button that stays down while checked.
DialogControl ToggleButton(UINT id, std::string text, Box box);
// A push button that shows an icon.
DialogControl IconButton(UINT id, std::string text, Box box);
DialogControl CheckBox(UINT id, std::string text, Box box);
DialogControl RadioButton(UINT id, std::string text, Box box, bool startsGroup);
// A label no code addresses.
DialogControl Caption(std::string text, Box box, DWORD align = 0);
DialogControl Text(UINT id, std::string text, Box box);
DialogControl GroupBox(std::string text, Box box);
DialogControl EditBox(UINT id, Box box, DWORD style = 0);
DialogControl SpinButton(UINT id, Box box, DWORD style = 0);
DialogControl DropList(UINT id, Box box, std::vector<std::string> entries = {});
DialogControl ListBox(UINT id, Box box);
DialogControl ListView(UINT id, Box box, DWORD style);
DialogControl DatePicker(UINT id, Box box);
DialogControl ProgressBar(UINT id, Box box);

// ---- Instruments.
DialogControl Knob(UINT id, Box box, double min, double max, double position);
// A knob without the position under its dial: the frequency display shows what it tunes.
DialogControl TuningKnob(UINT id, Box box, double min, double max);
DialogControl Lamp(UINT id, std::string caption, Box box);
DialogControl RoundLamp(UINT id, Box box, COLORREF activeColor);
// Seven segments: a frequency with its decimals, or a whole number.
DialogControl FrequencyDisplay(UINT id, Box box, int digits, int precision);
DialogControl CountDisplay(UINT id, Box box, int digits);
DialogControl Meter(UINT id, Box box, double min, double max, std::string caption);
DialogControl LevelBar(UINT id, Box box, double max, int segments);
DialogControl ToggleSwitch(UINT id, Box box);
DialogControl Label(UINT id, std::string caption, Box box);
DialogControl EditableLabel(UINT id, Box box);
DialogControl PhonePad(UINT id, Box box);
DialogControl SlideSwitch(UINT id, Box box, int positions);
// A slide switch with a position for each caption, in order.
DialogControl SlideSwitch(UINT id, Box box, const std::vector<std::string>& captions);
DialogControl Slider(UINT id, Box box);
DialogControl LedMatrix(UINT id, Box box);
DialogControl LedMatrix(UINT id, Box box, int rows, int columns);
DialogControl RockerSwitch(UINT id, Box box);
// A switch of four arrows: left, up, right and down.
DialogControl QuadSwitch(UINT id, Box box);
DialogControl LedSwitch(UINT id, Box box, std::string caption = {});
DialogControl SpectrumDisplay(UINT id, Box box);
DialogControl ClockDisplay(UINT id, Box box);
// A flat heading panel with a caption.
DialogControl Panel(UINT id, Box box);
// A horizontal slider over min..max, and a rotary switch of positions 0 to positions - 1.
DialogControl Slider(UINT id, Box box, double min, double max);
DialogControl RotarySwitch(UINT id, Box box, int positions);
// A numeric entry showing `precision` decimals.
DialogControl NumberEntry(UINT id, Box box, int precision);

// A scale with two pointers, and a list of modes chosen by clicking.
DialogControl LinearGauge(UINT id, Box box, double max);
DialogControl ModeBox(UINT id, Box box);
// The sweep plot.
DialogControl Plot(UINT id, Box box);

// The class id by which templates name an instrument kind.
std::string ClassIdOf(hb::instruments::Kind kind);

} // namespace hb::resources
