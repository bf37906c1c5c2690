// The panels of the computer-controlled receivers: the two wide-band models with DSP and tone
// squelch, and the small one with rocker switches.
#include "platform/win/core/Window.h"
#include "resources/ReceiverPanel.h"
#include "resources/ResourceIds.h"
#include "resources/pellam/PellamForms.h"

namespace hb::resources {

namespace {

// The first model carries a status lamp that the second lacks.
DialogTemplate WideBandForm(UINT id, bool statusLamp) {
    Controls c = ReceiverCore(kFullPanel);
    Append(c, MemoryBlock(454, 4));
    Append(c, {
                  SlideSwitch(IDC_MODE_SWITCH, {4, 100, 44, 48},
                              {"FM", "FM-W", "AM", "CW", "USB", "LSB"}),
                  Caption("Mode", {4, 150, 44, 8}),
                  SlideSwitch(IDC_FILTER_SWITCH, {70, 100, 50, 20}, {"0", "1", "2", "3", "4"}),
                  Caption("Filter", {70, 122, 50, 8}),
                  Knob(IDC_DSP_KNOB, {126, 100, 30, 30}, 0, 16, 0),
                  Caption("DSP", {126, 132, 30, 8}),
                  Knob(IDC_BFO_KNOB, {162, 100, 30, 30}, -128, 127, 0),
                  Caption("BFO", {162, 132, 30, 8}),
                  Knob(IDC_IF_SHIFT_KNOB, {198, 100, 30, 30}, -128, 127, 0),
                  Caption("IF Shift", {198, 132, 30, 8}),
                  ToggleButton(IDC_ATTENUATOR, "ATT", {236, 100, 28, 12}),
                  ToggleButton(IDC_NOISE_BLANKER, "NB", {266, 100, 28, 12}),
                  ToggleButton(IDC_AGC, "AGC", {296, 100, 28, 12}),
                  ToggleButton(IDC_DSP, "DSP", {326, 100, 28, 12}),
                  ToggleButton(IDC_NOTCH, "Notch", {356, 100, 28, 12}),
                  FrequencyDisplay(IDC_DECODER_DISPLAY, {236, 116, 60, 20}, 5, 1),
                  SpinButton(IDC_TONE_SPIN, {298, 116, 10, 20}),
                  ToggleButton(IDC_TONE_SQUELCH, "On", {310, 116, 24, 12}),
                  Caption("Tone", {310, 130, 24, 8}),
                  Lamp(IDC_DSP_LAMP, "DSP", {390, 100, 40, 10}),
                  Lamp(IDC_CENTER_LAMP, "Center", {390, 112, 40, 10}),
                  Lamp(IDC_TONE_LAMP, "Tone", {390, 124, 40, 10}),
                  Label(IDC_DECODER_TEXT, "", {236, 140, 194, 10}),
                  Lamp(IDC_CHANGE_LED, "", {436, 112, 40, 10}),
              });
    if (statusLamp) {
        c.push_back(Lamp(IDC_STATUS_LAMP, "OK", {436, 100, 40, 10}));
    }
    return Form(id, 516, 160, kPanelStyle | DS_ABSALIGN, std::move(c));
}

DialogTemplate SmallForm() {
    Controls c = ReceiverCore(kFullPanel);
    Append(c, MemoryBlock(454, 4));
    Append(c, {SlideSwitch(IDC_MODE_SWITCH, {454, 44, 50, 16}, {"FM", "FM-W", "AM"}),
               Caption("Mode", {454, 62, 50, 8}),
               SlideSwitch(IDC_FILTER_SWITCH, {508, 44, 54, 16}, {"0", "1", "2", "3"}),
               RockerSwitch(IDC_ATTENUATOR, {454, 74, 24, 20}),
               RockerSwitch(IDC_NOISE_BLANKER, {482, 74, 24, 20})});
    return Form(IDD_PCR100_VIEW, 566, 112, kPanelStyle | DS_ABSALIGN, std::move(c));
}

} // namespace

std::vector<DialogTemplate> PcrForms() {
    return {WideBandForm(IDD_PCR1000_VIEW, true), WideBandForm(IDD_PCR1500_VIEW, false),
            SmallForm()};
}

} // namespace hb::resources
