// The spectrum analyzer's form: the run lamp, the peak panel with its frequency and level displays
// and the radio's name, then its plot, range entries, markers, trace switches, command buttons and
// the receiver settings above the plot.
#include "platform/win/core/Window.h"
#include "resources/AnalyzerIds.h"
#include "resources/FormControls.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

// The receiver settings in a row above the plot: the filter, mode and option selectors, the
// three knobs and the pan and zoom switch.
Controls ReceiverRow() {
    constexpr int y = 100;
    constexpr int narrow = 52;
    Controls controls = {
        Panel(IDC_ANALYZER_FORM_PANEL, {2, y - 2, 478, 42}),
        Caption("Filter", {6, y, narrow, 9}),
        ModeBox(IDC_ANALYZER_FILTER, {6, y + 10, narrow, 12}),
    };
    const struct {
        UINT selector;
        UINT caption;
        const char* text;
        int width;
    } selectors[] = {
        {IDC_ANALYZER_MODE, IDC_ANALYZER_MODE_CAPTION, "Mode", narrow},
        {IDC_ANALYZER_LIST_A, IDC_ANALYZER_LIST_A_CAPTION, "Attenuator", 84},
        {IDC_ANALYZER_LIST_B, IDC_ANALYZER_LIST_B_CAPTION, "Preamp", 66},
        {IDC_ANALYZER_LIST_C, IDC_ANALYZER_LIST_C_CAPTION, "AGC", 66},
    };
    int x = 6 + narrow + 4;
    for (const auto& selector : selectors) {
        controls.push_back(Text(selector.caption, selector.text, {x, y, selector.width, 9}));
        controls.push_back(ModeBox(selector.selector, {x, y + 10, selector.width, 12}));
        x += selector.width + 4;
    }
    const struct {
        UINT knob;
        UINT caption;
        const char* text;
    } knobs[] = {
        {IDC_ANALYZER_VOLUME, IDC_ANALYZER_VOLUME_CAPTION, "Volume"},
        {IDC_ANALYZER_SQUELCH, IDC_ANALYZER_SQUELCH_CAPTION, "Squelch"},
        {IDC_ANALYZER_GAIN, IDC_ANALYZER_GAIN_CAPTION, "Gain"},
    };
    for (const auto& knob : knobs) {
        controls.push_back(Knob(knob.knob, {x, y - 1, 32, 28}, 0, 100, 0));
        controls.push_back(Text(knob.caption, knob.text, {x, y + 28, 32, 9}));
        x += 34;
    }
    controls.push_back(QuadSwitch(IDC_ANALYZER_PAN_ZOOM, {x, y - 1, 28, 38}));
    return controls;
}

DialogTemplate AnalyzerForm() {
    Controls controls = {
        Label(IDC_SWEEP_RIG_NAME, "", {4, 4, 110, 12}),
        Lamp(IDC_SWEEP_RUN_LAMP, "Paused", {118, 4, 48, 12}),
        IconButton(ID_ANALYZER_START, "Start", {172, 2, 20, 16}),
        IconButton(ID_ANALYZER_PAUSE, "Pause", {194, 2, 20, 16}),
        IconButton(ID_ANALYZER_RESTART, "Restart", {216, 2, 20, 16}),
        IconButton(ID_ANALYZER_SELECT_BAND, "Band", {238, 2, 20, 16}),
        IconButton(ID_ANALYZER_AXES, "Axes", {260, 2, 20, 16}),
        IconButton(ID_ANALYZER_FIT_LEVELS, "Fit", {282, 2, 20, 16}),
        IconButton(ID_ANALYZER_ZOOM_MARKERS, "Zoom", {304, 2, 20, 16}),
        PushButton(ID_ANALYZER_LOG, "Log", {326, 3, 30, 14}),
        PushButton(ID_ANALYZER_OPTIONS, "Options", {358, 3, 34, 14}),
        Panel(IDC_SWEEP_PEAK_PANEL, {4, 20, 176, 12}),
        FrequencyDisplay(IDC_SWEEP_FREQUENCY, {8, 34, 110, 16}, 10, 6),
        FrequencyDisplay(IDC_SWEEP_LEVEL, {122, 34, 54, 16}, 4, 0),
        Caption("Pointer", {186, 22, 60, 9}),
        FrequencyDisplay(IDC_ANALYZER_POINTER_FREQUENCY, {186, 34, 110, 16}, 10, 6),
        FrequencyDisplay(IDC_ANALYZER_POINTER_LEVEL, {300, 34, 54, 16}, 4, 0),
        Caption("Start MHz", {4, 58, 40, 9}),
        NumberEntry(IDC_ANALYZER_START, {4, 68, 60, 12}, 6),
        Caption("End MHz", {68, 58, 40, 9}),
        NumberEntry(IDC_ANALYZER_END, {68, 68, 60, 12}, 6),
        Caption("Detail", {132, 58, 36, 9}),
        ModeBox(IDC_ANALYZER_DETAIL, {132, 68, 36, 12}),
        Caption("Colours", {172, 58, 40, 9}),
        ModeBox(IDC_ANALYZER_COLOR_SCHEME, {172, 68, 40, 12}),
        LedSwitch(IDC_ANALYZER_SIGNAL_TRACE, {218, 58, 40, 22}, "Signal"),
        LedSwitch(IDC_ANALYZER_AVERAGE_TRACE, {260, 58, 40, 22}, "Average"),
        LedSwitch(IDC_ANALYZER_MINIMUM_TRACE, {302, 58, 40, 22}, "Minimum"),
        LedSwitch(IDC_ANALYZER_MAXIMUM_TRACE, {344, 58, 40, 22}, "Maximum"),
        LedSwitch(IDC_ANALYZER_MARKERS, {386, 58, 40, 22}, "Markers"),
        LedSwitch(IDC_ANALYZER_BAND_SNAP, {428, 58, 44, 22}, "Band snap"),
        PushButton(ID_ANALYZER_RESET_AVERAGE, "Avg", {360, 20, 34, 12}),
        PushButton(ID_ANALYZER_RESET_MAXIMUM, "Max", {396, 20, 34, 12}),
        PushButton(ID_ANALYZER_RESET_MINIMUM, "Min", {432, 20, 34, 12}),
        Caption("Markers MHz", {4, 84, 50, 9}),
        NumberEntry(IDC_ANALYZER_MARKER_ONE, {56, 83, 58, 12}, 6),
        NumberEntry(IDC_ANALYZER_MARKER_TWO, {116, 83, 58, 12}, 6),
        NumberEntry(IDC_ANALYZER_FIRST_DIFFERENCE, {176, 83, 50, 12}, 6),
        NumberEntry(IDC_ANALYZER_MARKER_THREE, {240, 83, 58, 12}, 6),
        NumberEntry(IDC_ANALYZER_MARKER_FOUR, {300, 83, 58, 12}, 6),
        NumberEntry(IDC_ANALYZER_SECOND_DIFFERENCE, {360, 83, 50, 12}, 6),
        Plot(IDC_ANALYZER_PLOT, {4, 142, 472, 158}),
    };
    Append(controls, ReceiverRow());
    return Form(IDD_SPECTRUM_ANALYZER, 480, 304, WS_CHILD | DS_SETFONT, std::move(controls));
}

} // namespace

std::vector<DialogTemplate> SweepForms() {
    return {AnalyzerForm()};
}

} // namespace hb::resources
