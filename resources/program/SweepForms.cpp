// The forms of the sweep displays. Both have the run lamp, the peak panel with its frequency and
// level displays, and the radio's name; the analyzer adds its plot, range entries, markers, trace
// switches and command buttons.
#include "platform/win/core/Window.h"
#include "resources/AnalyzerIds.h"
#include "resources/FormControls.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

DialogTemplate AnalyzerForm() {
    Controls controls = {
        Label(IDC_SWEEP_RIG_NAME, "", {4, 4, 110, 12}),
        Lamp(IDC_SWEEP_RUN_LAMP, "Paused", {118, 4, 48, 12}),
        PushButton(ID_ANALYZER_START, "Start", {172, 3, 34, 14}),
        PushButton(ID_ANALYZER_PAUSE, "Pause", {208, 3, 34, 14}),
        PushButton(ID_ANALYZER_RESTART, "Restart", {244, 3, 38, 14}),
        PushButton(ID_ANALYZER_SELECT_BAND, "Band", {284, 3, 34, 14}),
        PushButton(ID_ANALYZER_AXES, "Axes", {320, 3, 34, 14}),
        PushButton(ID_ANALYZER_FIT_LEVELS, "Fit", {356, 3, 34, 14}),
        PushButton(ID_ANALYZER_ZOOM_MARKERS, "Zoom", {392, 3, 34, 14}),
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
        Plot(IDC_ANALYZER_PLOT, {4, 100, 472, 158}),
    };
    return Form(IDD_SPECTRUM_ANALYZER, 480, 262, WS_CHILD | DS_SETFONT, std::move(controls));
}

} // namespace

std::vector<DialogTemplate> SweepForms() {
    return {AnalyzerForm()};
}

} // namespace hb::resources
