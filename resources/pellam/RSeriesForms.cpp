// The panels of the communications receivers with a mode switch of their own. Two later models
// share the layouts of earlier ones.
#include "platform/win/core/Window.h"
#include "resources/ReceiverPanel.h"
#include "resources/ResourceIds.h"
#include "resources/pellam/PellamForms.h"

namespace hb::resources {

namespace {

Controls R8500Controls(int modePositions) {
    Controls c = ReceiverCore(kFullPanel);
    Append(c, MemoryBlock(4, 100));
    Append(c, Captioned(SlideSwitch(IDC_MODE_SWITCH, {70, 100, 100, 20}, modePositions), "Mode"));
    Append(c, Captioned(SlideSwitch(IDC_ATTENUATOR_SWITCH, {176, 100, 50, 20}, 4), "ATT"));
    Append(c, Captioned(Knob(IDC_APF_KNOB, {232, 100, 30, 30}, 0, 255, 128), "APF"));
    Append(c, Captioned(Knob(IDC_BFO_KNOB, {268, 100, 30, 30}, -128, 127, 0), "BFO"));
    Append(c, Captioned(Knob(IDC_IF_SHIFT_KNOB, {304, 100, 30, 30}, -128, 127, 0), "IF Shift"));
    Append(c, {ToggleButton(IDC_APF, "APF", {340, 100, 30, 12}),
               ToggleButton(IDC_NOISE_BLANKER, "NB", {372, 100, 30, 12}),
               ToggleButton(IDC_AGC, "AGC", {404, 100, 30, 12})});
    return c;
}

DialogTemplate R9000Form() {
    Controls c = ReceiverCore(kFullPanel);
    Append(c, MemoryBlock(4, 100));
    Append(c, Captioned(SlideSwitch(IDC_MODE_SWITCH, {70, 100, 100, 20}, 7), "Mode"));
    Append(c, Captioned(SlideSwitch(IDC_ATTENUATOR_SWITCH, {176, 100, 50, 20}, 4), "ATT"));
    Append(c, Captioned(SlideSwitch(IDC_FILTER_SWITCH, {232, 100, 50, 20}, 3), "Filter"));
    Append(c, Captioned(Knob(IDC_BFO_KNOB, {288, 100, 30, 30}, -128, 127, 0), "BFO"));
    Append(c, Captioned(Knob(IDC_IF_SHIFT_KNOB, {324, 100, 30, 30}, -128, 127, 0), "IF Shift"));
    Append(c, {Knob(IDC_NOTCH_KNOB, {360, 100, 30, 30}, -128, 127, 0),
               Knob(IDC_GAIN_KNOB, {396, 100, 30, 30}, 0, 255, 255)});
    return Form(IDD_R9000_VIEW, 466, 162, kPanelStyle, std::move(c));
}

Controls R7100Controls(int modePositions) {
    Controls c = ReceiverCore(
        {.nameField = true, .snapButtons = true, .statusLamps = true, .recorderLamps = true});
    Append(c, MemoryBlock(454, 4));
    Append(c, Captioned(SlideSwitch(IDC_MODE_SWITCH, {454, 44, 66, 20}, modePositions), "Mode"));
    c.push_back(ToggleButton(IDC_ATTENUATOR_SWITCH, "ATT", {454, 78, 30, 12}));
    return c;
}

DialogTemplate R10Form() {
    Controls c = ReceiverCore(kFullPanel);
    Append(c, MemoryBlock(454, 4));
    c.push_back(SlideSwitch(IDC_MODE_SWITCH, {454, 44, 66, 20}, 6));
    return Form(IDD_R10_VIEW, 524, 104, kPanelStyle, std::move(c));
}

} // namespace

std::vector<DialogTemplate> RSeriesForms() {
    // The R75 keeps the R8500's layout; its mode switch has the R10's six positions.
    return {Form(IDD_R8500_VIEW, 466, 166, kPanelStyle, R8500Controls(10)),
            Form(IDD_R75_VIEW, 466, 166, kPanelStyle, R8500Controls(6)),
            R9000Form(),
            Form(IDD_R7100_VIEW, 524, 106, kPanelStyle, R7100Controls(7)),
            Form(IDD_R20_VIEW, 524, 106, kPanelStyle, R7100Controls(6)),
            R10Form()};
}

} // namespace hb::resources
