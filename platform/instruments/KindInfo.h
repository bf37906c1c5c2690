#pragma once
// What each kind of instrument publishes: its window class, the class id that templates name it
// by, its properties and the events its user gestures fire.
#include "platform/afx/Value.h"

#include <string_view>
#include <vector>

namespace hb::instruments {

enum class Kind {
    Knob,
    LedRectangle,
    SevenSegmentAnalog,
    SevenSegmentInteger,
    AngularGauge,
    LedBar,
    SwitchToggle,
    Label,
    PhonePad,
    LedRound,
    SwitchSlider,
    SwitchLed,
    LedMatrix,
    SwitchRocker,
    SpectrumDisplay,
    SevenSegmentClock,
    Edit,
    AnalogOutput,
    SevenSegmentClockSMPTE,
    SwitchQuad,
    Slider,
    Panel,
    AnalogDisplay,
    ModeComboBox,
    LCDMatrix,
    SwitchRotary,
    LinearGauge,
};

// How a property is stored and what hb::afx::Value alternative it reads back as: Int as int32,
// Double as double, Color (a COLORREF) as int64, Bool as bool, Text as a string, Font as its
// face name.
enum class PropType { Int, Double, Color, Bool, Text, Font };

struct PropertySpec {
    long dispid;
    const char* name;
    PropType type;
    hb::afx::Value initial;
};

// The user actions that fire events. One gesture may fire several event ids: every alias that
// containers bind for it.
enum class Gesture {
    PositionChange,
    Click,
    DoubleClick,
    MouseDown,
    MouseMove,
    MouseUp,
    DragEnd,
    Key,
    Change,
    // A numeric entry's typing ended with Enter.
    Commit,
    // A four-way switch pressed on one of its arrows.
    PushLeft,
    PushUp,
    PushRight,
    PushDown
};

// Short arguments arrive as int16, Long ones as int32.
enum class ArgType { Short, Long };

struct EventArgSpec {
    const char* name;
    ArgType type;
};

struct EventSpec {
    long dispid;
    Gesture gesture;
    std::vector<EventArgSpec> args;
};

struct KindInfo {
    Kind kind;
    const char* className;
    const char* classId;
    std::vector<PropertySpec> properties;
    std::vector<EventSpec> events;

    const PropertySpec* FindProperty(long dispid) const;
};

const std::vector<KindInfo>& Kinds();
// Both without case; null when no kind has it.
const KindInfo* FindKindByClassId(std::string_view classId);
const KindInfo* FindKindByClassName(std::string_view className);

} // namespace hb::instruments
