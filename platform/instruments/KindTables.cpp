#include "platform/instruments/Dispids.h"
#include "platform/instruments/KindInfo.h"
#include "platform/win/core/NoCase.h"

#include <cstdint>
#include <string>

namespace hb::instruments {

namespace {

PropertySpec Int(long dispid, const char* name, int initial) {
    return {dispid, name, PropType::Int, std::int32_t{initial}};
}
PropertySpec Double(long dispid, const char* name, double initial) {
    return {dispid, name, PropType::Double, initial};
}
PropertySpec Color(long dispid, const char* name, std::int64_t initial) {
    return {dispid, name, PropType::Color, initial};
}
PropertySpec Bool(long dispid, const char* name, bool initial) {
    return {dispid, name, PropType::Bool, initial};
}
PropertySpec Text(long dispid, const char* name, const char* initial) {
    return {dispid, name, PropType::Text, std::string(initial)};
}
PropertySpec Font(long dispid) {
    return {dispid, "Font", PropType::Font, std::string("MS Sans Serif")};
}
PropertySpec BackColor(std::int64_t initial) {
    return Color(kBackColor, "BackColor", initial);
}

constexpr std::int64_t kFace = 0xC0C0C0;
constexpr std::int64_t kGreen = 0x00FF00;
constexpr std::int64_t kDarkGreen = 0x004000;

// The kinds that forms only colour: a background and the properties the program's styles set.
void AddStyledKinds(std::vector<KindInfo>& kinds) {
    {
        using namespace edit;
        kinds.push_back({Kind::Edit,
                         "TiEdit",
                         "{C5412DFB-2E2F-11D3-85BF-00105AC8B715}",
                         {BackColor(0xFFFFFF), Color(kFontColor, "FontColor", 0),
                          Int(kBorderStyle, "BorderStyle", 1)},
                         {}});
    }
    {
        using namespace analogOutput;
        kinds.push_back({Kind::AnalogOutput,
                         "TiAnalogOutput",
                         "{C5412E0B-2E2F-11D3-85BF-00105AC8B715}",
                         {BackColor(0xFFFFFF), Int(kBorderStyle, "BorderStyle", 1),
                          Color(kFontColor, "FontColor", 0), Double(kValue, "Value", 0),
                          Int(kPrecision, "Precision", 3), Double(kLowerLimit, "LowerLimit", 0),
                          Double(kUpperLimit, "UpperLimit", 0), Font(kFont)},
                         {{1, Gesture::Change, {}}, {10, Gesture::Commit, {}}}});
    }
    {
        using namespace sevenSegmentClockSMPTE;
        kinds.push_back(
            {Kind::SevenSegmentClockSMPTE,
             "TiSevenSegmentClockSMPTE",
             "{0A362375-2E5E-11D3-85BF-00105AC8B715}",
             {BackColor(0), Color(kSegmentColor, "SegmentColor", kGreen),
              Bool(kLeadingZeros, "LeadingZeros", true),
              Color(kBackGroundColor, "BackGroundColor", 0), Int(kBorderStyle, "BorderStyle", 1)},
             {}});
    }
    {
        using namespace switchQuad;
        kinds.push_back({Kind::SwitchQuad,
                         "TiSwitchQuad",
                         "{0A36239C-2E5E-11D3-85BF-00105AC8B715}",
                         {BackColor(kFace), Bool(kTransparent, "Transparent", false),
                          Color(kBackGroundColor, "BackGroundColor", kFace)},
                         {{1, Gesture::PushLeft, {}},
                          {2, Gesture::PushUp, {}},
                          {3, Gesture::PushRight, {}},
                          {4, Gesture::PushDown, {}}}});
    }
    {
        using namespace panel;
        kinds.push_back(
            {Kind::Panel,
             "TiPanel",
             "{C5412E3F-2E2F-11D3-85BF-00105AC8B715}",
             {BackColor(kFace), Color(kBackGroundColor, "BackGroundColor", kFace),
              Int(kBorderStyle, "BorderStyle", 1), Color(kEdgeColor, "EdgeColor", 0),
              Text(kCaption, "Caption", ""), Color(kFontColor, "FontColor", 0), Font(kFont)},
             {}});
    }
    {
        using namespace analogDisplay;
        kinds.push_back({Kind::AnalogDisplay,
                         "TiAnalogDisplay",
                         "{C5412E4B-2E2F-11D3-85BF-00105AC8B715}",
                         {BackColor(0xFFFFFF), Color(kBackGroundColor, "BackGroundColor", 0xFFFFFF),
                          Int(kBorderStyle, "BorderStyle", 1), Color(kFontColor, "FontColor", 0)},
                         {}});
    }
    {
        using namespace modeComboBox;
        kinds.push_back({Kind::ModeComboBox,
                         "TiModeComboBox",
                         "{C5412E57-2E2F-11D3-85BF-00105AC8B715}",
                         {BackColor(0xFFFFFF), Color(kFontColor, "FontColor", 0),
                          Color(kButtonColor, "ButtonColor", kFace)},
                         {{2, Gesture::Change, {}}}});
    }
}

// Made with the tables rather than as globals of their own: the window classes are registered,
// and the tables built, while this module's globals are still being initialised.
std::vector<KindInfo> MakeKinds() {
    using G = Gesture;
    const std::vector<EventArgSpec> kMouseArgs{{"Button", ArgType::Short},
                                               {"Shift", ArgType::Short},
                                               {"X", ArgType::Long},
                                               {"Y", ArgType::Long}};
    const std::vector<EventArgSpec> kKeyArgs{{"KeyCode", ArgType::Short},
                                             {"Shift", ArgType::Short}};
    std::vector<KindInfo> kinds;
    {
        using namespace knob;
        kinds.push_back(
            {Kind::Knob,
             "TiKnob",
             "{C5412DC7-2E2F-11D3-85BF-00105AC8B715}",
             {Font(kFont), Double(kPosition, "Position", 0), Double(kPositionMin, "PositionMin", 0),
              Color(kKnobColor, "KnobColor", 0x808080),
              Color(kKnobEdgeColor, "KnobEdgeColor", 0x404040),
              Double(kPositionMax, "PositionMax", 100), Text(kUnitsText, "UnitsText", ""),
              Double(kRotationDegrees, "RotationDegrees", 300), Double(kIncrement, "Increment", 1),
              Int(kKnobStyle, "KnobStyle", 0), Bool(kTicksVisible, "TicksVisible", true),
              Int(kIndicatorStyle, "IndicatorStyle", 0),
              Color(kBackGroundColor, "BackGroundColor", kFace),
              Color(kTickLabelColor, "TickLabelColor", 0), Color(kTickColor, "TickColor", 0),
              Bool(kTransparent, "Transparent", false),
              Color(kIndicatorHubColor, "IndicatorHubColor", 0x404040),
              Color(kIndicatorColor, "IndicatorColor", 0xFFFFFF),
              Bool(kPositionLabelVisible, "PositionLabelVisible", true)},
             {{4, G::PositionChange, {}},
              {18, G::PositionChange, {}},
              {8, G::DoubleClick, {}},
              {9, G::MouseDown, kMouseArgs},
              {11, G::MouseUp, kMouseArgs},
              {13, G::DragEnd, {}}}});
    }
    {
        using namespace ledRectangle;
        kinds.push_back(
            {Kind::LedRectangle,
             "TiLedRectangle",
             "{0A362345-2E5E-11D3-85BF-00105AC8B715}",
             {BackColor(kFace), Int(kBorderStyle, "BorderStyle", 1),
              Bool(kShowReflection, "ShowReflection", true), Bool(kActive, "Active", false),
              Text(kCaption, "Caption", ""), Color(kCaptionColor, "CaptionColor", 0),
              Color(kActiveColor, "ActiveColor", kGreen),
              Color(kInactiveColor, "InactiveColor", kDarkGreen), Int(kBevelOuter, "BevelOuter", 1),
              Int(kBevelInner, "BevelInner", 0)},
             {{2, G::Click, {}},
              {3, G::Click, {}},
              {9, G::MouseDown, kMouseArgs},
              {10, G::MouseMove, kMouseArgs},
              {11, G::MouseUp, kMouseArgs}}});
    }
    {
        using namespace sevenSegmentAnalog;
        kinds.push_back(
            {Kind::SevenSegmentAnalog,
             "TiSevenSegmentAnalog",
             "{C5412E33-2E2F-11D3-85BF-00105AC8B715}",
             {Double(kValue, "Value", 0), Int(kPrecision, "Precision", 2),
              Int(kDigitCount, "DigitCount", 8), Color(kSegmentColor, "SegmentColor", kGreen),
              Bool(kLeadingZeros, "LeadingZeros", false),
              Color(kBackGroundColor, "BackGroundColor", 0), Int(kBorderStyle, "BorderStyle", 1)},
             {}});
    }
    {
        using namespace sevenSegmentInteger;
        kinds.push_back(
            {Kind::SevenSegmentInteger,
             "TiSevenSegmentInteger",
             "{0A362383-2E5E-11D3-85BF-00105AC8B715}",
             {Int(kValue, "Value", 0), Int(kDigitCount, "DigitCount", 4),
              Color(kSegmentColor, "SegmentColor", kGreen),
              Bool(kLeadingZeros, "LeadingZeros", false),
              Color(kBackGroundColor, "BackGroundColor", 0), Int(kBorderStyle, "BorderStyle", 1)},
             {}});
    }
    {
        using namespace angularGauge;
        kinds.push_back(
            {Kind::AngularGauge,
             "TiAngularGauge",
             "{C5412DD5-2E2F-11D3-85BF-00105AC8B715}",
             {Double(kPosition, "Position", 0), Double(kPositionMin, "PositionMin", 0),
              Double(kPositionMax, "PositionMax", 100), Text(kCaption, "Caption", ""),
              Bool(kLabelVisible, "LabelVisible", false), Text(kLabelText, "LabelText", ""),
              Int(kTickMajorCount, "TickMajorCount", 5), Int(kSectionCount, "SectionCount", 0),
              Double(kSection1End, "Section1End", 0),
              Color(kSection1Color, "Section1Color", kGreen),
              Double(kSection2End, "Section2End", 0),
              Color(kSection2Color, "Section2Color", 0x00FFFF),
              Double(kSection3End, "Section3End", 0),
              Color(kSection3Color, "Section3Color", 0x0000FF),
              Color(kPointerColor, "PointerColor", 0x0000FF),
              Color(kBackGroundColor, "BackGroundColor", 0xFFFFFF),
              Int(kBorderStyle, "BorderStyle", 1), Color(kArcColor, "ArcColor", 0),
              Color(kTickColor, "TickColor", 0)},
             {}});
    }
    {
        using namespace ledBar;
        kinds.push_back(
            {Kind::LedBar,
             "TiLedBar",
             "{C5412E14-2E2F-11D3-85BF-00105AC8B715}",
             {BackColor(0), Double(kPosition, "Position", 0),
              Double(kPositionMin, "PositionMin", 0), Double(kPositionMax, "PositionMax", 100),
              Int(kSegmentCount, "SegmentCount", 10), Color(kActiveColor, "ActiveColor", kGreen),
              Int(kBorderStyle, "BorderStyle", 1),
              Color(kInactiveColor, "InactiveColor", kDarkGreen)},
             {}});
    }
    {
        using namespace switchToggle;
        kinds.push_back({Kind::SwitchToggle,
                         "TiSwitchToggle",
                         "{0A362397-2E5E-11D3-85BF-00105AC8B715}",
                         {BackColor(kFace), Bool(kActive, "Active", false),
                          Int(kSwitchStyle, "SwitchStyle", 0), Int(kBorderStyle, "BorderStyle", 1)},
                         {{1, G::Change, {}}}});
    }
    {
        using namespace label;
        kinds.push_back(
            {Kind::Label,
             "TiLabel",
             "{EBF31E97-980B-4C2B-9645-8FEBD518356B}",
             {Font(kFont), Text(kCaption, "Caption", ""), Int(kBorderStyle, "BorderStyle", 0),
              Bool(kShrinkToFit, "ShrinkToFit", false), Bool(kTransparent, "Transparent", false),
              Color(kBackGroundColor, "BackGroundColor", kFace),
              Bool(kHighlight, "Highlight", false), Color(kFontColor, "FontColor", 0),
              Bool(kEditable, "Editable", false)},
             {{2, G::Change, {}}, {8, G::MouseDown, kMouseArgs}, {11, G::Key, kKeyArgs}}});
    }
    kinds.push_back({Kind::PhonePad,
                     "TiPhonePad",
                     "{A8BB3D6D-ACF3-4516-9090-FF76D4EEC5FA}",
                     {BackColor(kFace)},
                     {{1, G::Key, kKeyArgs}}});
    {
        using namespace ledRound;
        kinds.push_back({Kind::LedRound,
                         "TiLedRound",
                         "{0A362353-2E5E-11D3-85BF-00105AC8B715}",
                         {BackColor(kFace), Bool(kActive, "Active", false),
                          Color(kActiveColor, "ActiveColor", kGreen),
                          Color(kInactiveColor, "InactiveColor", kDarkGreen)},
                         {}});
    }
    {
        using namespace switchSlider;
        kinds.push_back(
            {Kind::SwitchSlider,
             "TiSwitchSlider",
             "{46B4AAB4-2E6B-11D3-85BF-00105AC8B715}",
             {BackColor(kFace), Int(kPosition, "Position", 0),
              Color(kActiveColor, "ActiveColor", kGreen),
              Color(kInactiveColor, "InactiveColor", kDarkGreen),
              Int(kPositionCount, "PositionCount", 2), Int(kPointerStyle, "PointerStyle", 0),
              Color(kPointerColor, "PointerColor", 0x808080),
              Bool(kPointerHighlight, "PointerHighlight", false),
              Color(kBackGroundColor, "BackGroundColor", kFace),
              Color(kTickLabelColor, "TickLabelColor", 0), Bool(kTransparent, "Transparent", false),
              Int(kBorderStyle, "BorderStyle", 1), Bool(kShowFocusRect, "ShowFocusRect", true),
              Color(kTrackColor, "TrackColor", 0), Color(kTrackEdgeColor, "TrackEdgeColor", 0),
              Color(kTickColor, "TickColor", 0), Color(kTickShadowColor, "TickShadowColor", 0),
              Text(kPositionCaptions, "PositionCaptions", "")},
             {{1, G::PositionChange, {}}, {4, G::PositionChange, {}}}});
    }
    {
        using namespace switchLed;
        kinds.push_back(
            {Kind::SwitchLed,
             "TiSwitchLed",
             "{0A36238C-2E5E-11D3-85BF-00105AC8B715}",
             {BackColor(kFace), Bool(kActive, "Active", false), Text(kCaption, "Caption", ""),
              Bool(kTransparent, "Transparent", false), Int(kBevelStyle, "BevelStyle", 1),
              Color(kActiveColor, "ActiveColor", kGreen), Color(kCaptionColor, "CaptionColor", 0),
              Color(kFaceColor, "FaceColor", kFace),
              Color(kInactiveColor, "InactiveColor", kDarkGreen)},
             {{1, G::Click, {}}, {2, G::Click, {}}}});
    }
    {
        using namespace ledMatrix;
        kinds.push_back(
            {Kind::LedMatrix,
             "TiLedMatrix",
             "{A8B345A5-74B5-11D3-85C2-00105AC8B715}",
             {BackColor(0), Int(kRowCount, "RowCount", 1), Int(kColCount, "ColCount", 8),
              Color(kIndicatorActiveColor, "IndicatorActiveColor", kGreen),
              Color(kIndicatorInactiveColor, "IndicatorInactiveColor", kDarkGreen),
              Color(kCaptionColor, "CaptionColor", 0)},
             {{1, G::Click, {{"Row", ArgType::Short}, {"Col", ArgType::Short}}},
              {9, G::MouseDown, kMouseArgs},
              {10, G::MouseMove, kMouseArgs},
              {11, G::MouseUp, kMouseArgs}}});
    }
    {
        using namespace switchRocker;
        kinds.push_back({Kind::SwitchRocker,
                         "TiSwitchRocker",
                         "{E5F63B8D-D2A6-11D3-85C2-00A0CC3A58C9}",
                         {BackColor(kFace), Int(kPosition, "Position", 0),
                          Color(kFaceColor, "FaceColor", 0x404040)},
                         {{1, G::Change, {}}}});
    }
    kinds.push_back({Kind::SpectrumDisplay,
                     "TiSpectrumDisplay",
                     "{62B89339-CB7D-4F5E-B22E-6D2CE7DE2791}",
                     {BackColor(0)},
                     {}});
    {
        using namespace sevenSegmentClock;
        kinds.push_back(
            {Kind::SevenSegmentClock,
             "TiSevenSegmentClock",
             "{0A362370-2E5E-11D3-85BF-00105AC8B715}",
             {BackColor(0), Double(kTime, "Time", 0), Color(kSegmentColor, "SegmentColor", kGreen),
              Bool(kLeadingZeros, "LeadingZeros", true),
              Color(kBackGroundColor, "BackGroundColor", 0), Int(kBorderStyle, "BorderStyle", 1)},
             {}});
    }
    {
        using namespace lcdMatrix;
        kinds.push_back(
            {Kind::LCDMatrix,
             "TiLCDMatrix",
             "{7D3A1C40-5B2E-4F61-9C0A-2B8E4D6F1A53}",
             {BackColor(0x102010), Int(kColumnCount, "ColumnCount", 16), Text(kText, "Text", ""),
              Color(kIndicatorActiveColor, "IndicatorActiveColor", kGreen),
              Color(kIndicatorInactiveColor, "IndicatorInactiveColor", 0x183018)},
             {}});
    }
    {
        using namespace slider;
        kinds.push_back(
            {Kind::Slider,
             "TiSlider",
             "{C5412E23-2E2F-11D3-85BF-00105AC8B715}",
             {BackColor(kFace), Color(kTrackColor, "TrackColor", 0),
              Color(kPointerColor, "PointerColor", 0x808080),
              Bool(kTransparent, "Transparent", false), Color(kTrackEdgeColor, "TrackEdgeColor", 0),
              Color(kBackGroundColor, "BackGroundColor", kFace), Color(kTickColor, "TickColor", 0),
              Color(kTickLabelColor, "TickLabelColor", 0), Int(kBorderStyle, "BorderStyle", 1),
              Bool(kShowFocusRect, "ShowFocusRect", true), Double(kPosition, "Position", 0),
              Double(kPositionMin, "PositionMin", 0), Double(kPositionMax, "PositionMax", 100)},
             {{4, G::PositionChange, {}},
              {18, G::PositionChange, {}},
              {9, G::MouseDown, kMouseArgs},
              {11, G::MouseUp, kMouseArgs}}});
    }
    {
        using namespace switchRotary;
        kinds.push_back(
            {Kind::SwitchRotary,
             "TiSwitchRotary",
             "{5E2B7A31-84C6-4D0F-9B3E-61A7C2D4F980}",
             {BackColor(kFace), Int(kPosition, "Position", 0),
              Int(kPositionCount, "PositionCount", 2), Color(kKnobColor, "KnobColor", 0x808080),
              Color(kPointerColor, "PointerColor", 0xFFFFFF),
              Color(kTickLabelColor, "TickLabelColor", 0),
              Color(kBackGroundColor, "BackGroundColor", kFace)},
             {{1, G::Change, {}}}});
    }
    {
        using namespace linearGauge;
        kinds.push_back({Kind::LinearGauge,
                         "TiLinearGauge",
                         "{5B1E4A20-7C3D-4E8F-9A61-2D0B7C94E3A5}",
                         {BackColor(0), Double(kPositionMin, "PositionMin", 0),
                          Double(kPositionMax, "PositionMax", 100),
                          Double(kPointer0Position, "Pointer0Position", 0),
                          Double(kPointer1Position, "Pointer1Position", 0),
                          Color(kPointer0Color, "Pointer0Color", kGreen),
                          Color(kPointer1Color, "Pointer1Color", 0x00FFFF),
                          Int(kBorderStyle, "BorderStyle", 1)},
                         {{5, G::Click, {}}}});
    }
    AddStyledKinds(kinds);
    return kinds;
}

} // namespace

const PropertySpec* KindInfo::FindProperty(long dispid) const {
    for (const PropertySpec& spec : properties) {
        if (spec.dispid == dispid) {
            return &spec;
        }
    }
    return nullptr;
}

const std::vector<KindInfo>& Kinds() {
    static const std::vector<KindInfo> kinds = MakeKinds();
    return kinds;
}

const KindInfo* FindKindByClassId(std::string_view classId) {
    for (const KindInfo& info : Kinds()) {
        if (hb::win::EqualNoCase(info.classId, classId)) {
            return &info;
        }
    }
    return nullptr;
}

const KindInfo* FindKindByClassName(std::string_view className) {
    for (const KindInfo& info : Kinds()) {
        if (hb::win::EqualNoCase(info.className, className)) {
            return &info;
        }
    }
    return nullptr;
}

} // namespace hb::instruments
