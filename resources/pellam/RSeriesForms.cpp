// The panels of the communications receivers with a mode switch of their own. Two later models
// share the layouts of earlier ones.
#include "platform/win/core/Window.h"
#include "resources/ReceiverPanel.h"
#include "resources/ResourceIds.h"
#include "resources/pellam/PellamForms.h"

#include <string>
#include <vector>

namespace hb::resources {

namespace {

using Captions = std::vector<std::string>;

// The forms are built while the program starts, so the captions come from functions rather than
// from objects that may not be made yet. The modes are in the order of the switches' positions.
Captions R8500Modes() {
    return {"FM", "FM-N", "FM-W", "AM", "AM-N", "AM-W", "CW", "CW-N", "USB", "LSB"};
}

Captions R9000Modes() {
    return {"FM", "FM-W", "AM", "CW", "RTTY", "USB", "LSB"};
}

Captions R7100Modes() {
    return {"FM", "FM-N", "FM-W", "AM", "AM-W", "USB", "LSB"};
}

Captions R10Modes() {
    return {"FM", "FM-W", "AM", "USB", "LSB", "CW"};
}

Captions AttenuatorSteps() {
    return {"0", "1", "2", "3"};
}

Controls R8500Controls(const Captions& modes) {
    Controls c = ReceiverCore(kFullPanel);
    Append(c, MemoryBlock(4, 100));
    Append(c, Captioned(SlideSwitch(IDC_MODE_SWITCH, {70, 100, 44, 64}, modes), "Mode"));
    Append(c, Captioned(SlideSwitch(IDC_ATTENUATOR_SWITCH, {176, 100, 50, 20}, AttenuatorSteps()),
                        "ATT"));
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
    Append(c, Captioned(SlideSwitch(IDC_MODE_SWITCH, {70, 100, 44, 64}, R9000Modes()), "Mode"));
    Append(c, Captioned(SlideSwitch(IDC_ATTENUATOR_SWITCH, {176, 100, 50, 20}, AttenuatorSteps()),
                        "ATT"));
    Append(c, Captioned(SlideSwitch(IDC_FILTER_SWITCH, {232, 100, 50, 20}, {"0", "1", "2"}),
                        "Filter"));
    Append(c, Captioned(Knob(IDC_BFO_KNOB, {288, 100, 30, 30}, -128, 127, 0), "BFO"));
    Append(c, Captioned(Knob(IDC_IF_SHIFT_KNOB, {324, 100, 30, 30}, -128, 127, 0), "IF Shift"));
    Append(c, {Knob(IDC_NOTCH_KNOB, {360, 100, 30, 30}, -128, 127, 0),
               Knob(IDC_GAIN_KNOB, {396, 100, 30, 30}, 0, 255, 255)});
    return Form(IDD_R9000_VIEW, 466, 176, kPanelStyle, std::move(c));
}

Controls R7100Controls(const Captions& modes) {
    Controls c = ReceiverCore(
        {.nameField = true, .snapButtons = true, .statusLamps = true, .recorderLamps = true});
    Append(c, MemoryBlock(454, 4));
    Append(c, Captioned(SlideSwitch(IDC_MODE_SWITCH, {454, 44, 40, 58}, modes), "Mode"));
    c.push_back(ToggleButton(IDC_ATTENUATOR_SWITCH, "ATT", {496, 44, 26, 12}));
    return c;
}

DialogTemplate R10Form() {
    Controls c = ReceiverCore(kFullPanel);
    Append(c, MemoryBlock(454, 4));
    c.push_back(SlideSwitch(IDC_MODE_SWITCH, {454, 44, 40, 56}, R10Modes()));
    return Form(IDD_R10_VIEW, 524, 104, kPanelStyle, std::move(c));
}

} // namespace

std::vector<DialogTemplate> RSeriesForms() {
    // The R75 and R20 keep the R8500's and R7100's layouts; their mode switches have the R10's
    // six positions.
    return {Form(IDD_R8500_VIEW, 466, 176, kPanelStyle, R8500Controls(R8500Modes())),
            Form(IDD_R75_VIEW, 466, 176, kPanelStyle, R8500Controls(R10Modes())),
            R9000Form(),
            Form(IDD_R7100_VIEW, 524, 116, kPanelStyle, R7100Controls(R7100Modes())),
            Form(IDD_R20_VIEW, 524, 116, kPanelStyle, R7100Controls(R10Modes())),
            R10Form()};
}

} // namespace hb::resources
