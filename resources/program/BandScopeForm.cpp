// The band scope's form: the radio's name, run lamp and command buttons; the peak panel with the
// frequency and level of the activity and of the point under the mouse; the radio's three knobs;
// range, bandwidth, mode and radio option selectors; the switches of the scope and the alert; the
// threshold slider, the range buttons and the plot. Also the icons its buttons show.
#include "platform/win/core/Window.h"
#include "resources/BandScopeIds.h"
#include "resources/FormControls.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

// A control with its caption above it; `captionId` names the caption where the view removes it.
Controls Headed(DialogControl control, std::string caption, UINT captionId = IDC_STATIC) {
    const Box box{control.x, control.y - 9, control.cx, 8};
    return {Text(captionId, std::move(caption), box), std::move(control)};
}

Controls Knobbed(UINT id, UINT captionId, std::string caption, int x) {
    return {Knob(id, {x, 18, 34, 34}, 0, 100, 0),
            Text(captionId, std::move(caption), {x, 52, 34, 8})};
}

Controls Switched(UINT id, std::string caption, int x) {
    return {SlideSwitch(id, {x, 98, 30, 12}, {"Off", "On"}),
            Caption(std::move(caption), {x, 89, 40, 8})};
}

} // namespace

DialogTemplate BandScopeForm() {
    Controls controls = {
        Label(IDC_SWEEP_RIG_NAME, "", {4, 4, 100, 12}),
        Lamp(IDC_SWEEP_RUN_LAMP, "Paused", {108, 4, 44, 12}),
        IconButton(ID_SCOPE_START, "Start", {158, 2, 18, 16}),
        IconButton(ID_SCOPE_PAUSE, "Pause", {178, 2, 18, 16}),
        IconButton(ID_SCOPE_RESTART, "Restart", {198, 2, 18, 16}),
        IconButton(ID_SCOPE_SELECT_BAND, "Band", {218, 2, 18, 16}),
        IconButton(ID_SCOPE_AXES, "Axes", {238, 2, 18, 16}),
        IconButton(ID_SCOPE_SEARCH, "Search", {258, 2, 18, 16}),
        IconButton(ID_SCOPE_ACTIVITY_LOG, "Log", {278, 2, 18, 16}),
        PushButton(ID_SCOPE_RESET_MAXIMUM, "Max", {302, 3, 26, 14}),
        PushButton(ID_SCOPE_RESET_MINIMUM, "Min", {330, 3, 26, 14}),
        PushButton(ID_SCOPE_MARK_STEP, "Mark", {360, 3, 28, 14}),
        PushButton(ID_SCOPE_CLEAR_MARKS, "Clear", {390, 3, 28, 14}),
        Panel(IDC_SWEEP_PEAK_PANEL, {4, 20, 150, 10}),
        FrequencyDisplay(IDC_SWEEP_FREQUENCY, {4, 32, 100, 16}, 10, 6),
        FrequencyDisplay(IDC_SWEEP_LEVEL, {106, 32, 48, 16}, 4, 0),
        Caption("Pointer", {160, 21, 60, 8}),
        FrequencyDisplay(IDC_SCOPE_POINTER_FREQUENCY, {160, 32, 100, 16}, 10, 6),
        FrequencyDisplay(IDC_SCOPE_POINTER_LEVEL, {262, 32, 48, 16}, 4, 0),
        Lamp(IDC_SCOPE_ALERT_LAMP, "Off", {316, 34, 42, 12}),
        Caption("Alert hold", {316, 21, 42, 8}),
    };
    Append(controls, Knobbed(IDC_SCOPE_VOLUME, IDC_SCOPE_VOLUME_CAPTION, "Volume", 364));
    Append(controls, Knobbed(IDC_SCOPE_SQUELCH, IDC_SCOPE_SQUELCH_CAPTION, "Squelch", 402));
    Append(controls, Knobbed(IDC_SCOPE_THIRD_KNOB, IDC_SCOPE_THIRD_CAPTION, "Gain", 440));
    Append(controls, Headed(NumberEntry(IDC_SCOPE_START, {4, 72, 52, 12}, 6), "Start MHz"));
    Append(controls, Headed(NumberEntry(IDC_SCOPE_END, {58, 72, 52, 12}, 6), "End MHz"));
    Append(controls, Headed(NumberEntry(IDC_SCOPE_STEP, {112, 72, 40, 12}, 3), "Step kHz"));
    Append(controls, Headed(ModeBox(IDC_SCOPE_BANDWIDTH, {156, 72, 44, 12}), "RES BW"));
    Append(controls,
           Headed(ModeBox(IDC_SCOPE_MODE, {204, 72, 40, 12}), "Mode", IDC_SCOPE_MODE_CAPTION));
    Append(controls, Headed(ModeBox(IDC_SCOPE_LIST_A, {248, 72, 62, 12}), "Attenuator",
                            IDC_SCOPE_LIST_A_CAPTION));
    Append(controls, Headed(ModeBox(IDC_SCOPE_LIST_B, {314, 72, 50, 12}), "Preamp",
                            IDC_SCOPE_LIST_B_CAPTION));
    Append(controls,
           Headed(ModeBox(IDC_SCOPE_LIST_C, {368, 72, 50, 12}), "AGC", IDC_SCOPE_LIST_C_CAPTION));
    Append(controls, Headed(ModeBox(IDC_SCOPE_COLOR_SCHEME, {422, 72, 54, 12}), "Colours"));
    Append(controls, Switched(IDC_SCOPE_FAST_MODE, "Fast", 4));
    Append(controls, Switched(IDC_SCOPE_DISPLAY_MODE, "Display", 40));
    Append(controls, Switched(IDC_SCOPE_RECORD, "Record", 76));
    Append(controls, Switched(IDC_SCOPE_ALERT_LOG, "Alert log", 112));
    Append(controls, Switched(IDC_SCOPE_ALERT_HOLD, "Alert hold", 148));
    Append(controls, Headed(ModeBox(IDC_SCOPE_ALERT_SOUND, {186, 98, 44, 12}), "Alert sound"));
    Append(controls, Headed(ModeBox(IDC_SCOPE_ALERT_DELAY, {234, 98, 36, 12}), "Delay"));
    Append(controls, Headed(ModeBox(IDC_SCOPE_TIME_OUT, {274, 98, 36, 12}), "Time-out"));
    Append(controls,
           Headed(Slider(IDC_SCOPE_THRESHOLD_SLIDER, {314, 98, 70, 12}, -130, 0), "Threshold"));
    Append(controls, {FrequencyDisplay(IDC_SCOPE_THRESHOLD, {386, 97, 30, 14}, 4, 0),
                      QuadSwitch(IDC_SCOPE_RANGE_BUTTONS, {420, 94, 56, 18}),
                      Plot(IDC_SCOPE_PLOT, {4, 116, 472, 142})});
    return Form(IDD_BAND_SCOPE, 480, 262, WS_CHILD | DS_SETFONT, std::move(controls));
}

// Restart (27423) and band selection (27585) share the analyzer's icons.
std::vector<hb::afx::IconResource> BandScopeIcons() {
    const std::vector<SIZE> sizes{{32, 32}, {16, 16}};
    return {{ID_SCOPE_SEARCH, sizes, "search"}, {ID_SCOPE_ACTIVITY_LOG, sizes, "history"}};
}

} // namespace hb::resources
