// The panel of the receiver with five front switches and a continuous second filter.
#include "platform/win/core/Window.h"
#include "resources/ReceiverPanel.h"
#include "resources/ResourceIds.h"
#include "resources/pellam/PellamForms.h"

namespace hb::resources {

DialogTemplate Nrd535Form() {
    Controls c = ReceiverCore(kFullPanel);
    Append(c, MemoryBlock(4, 100));
    const struct {
        DialogControl control;
        const char* caption;
    } captioned[] = {
        {SlideSwitch(IDC_MODE_SWITCH, {70, 100, 44, 64},
                     {"RTTY", "CW", "USB", "LSB", "AM", "FM", "FAX", "ECSS-U", "ECSS-L"}),
         "Mode"},
        {SlideSwitch(IDC_AGC, {166, 100, 40, 20}, {"0", "1", "2"}), "AGC"},
        {SlideSwitch(IDC_ATTENUATOR, {212, 100, 30, 20}, {"Off", "On"}), "ATT"},
        {SlideSwitch(IDC_AUX_SWITCH, {248, 100, 40, 20}, {"0", "1", "2"}), "AUX"},
        {SlideSwitch(IDC_NB_SWITCH, {294, 100, 30, 20}, {"Off", "On"}), "NB"},
        {SlideSwitch(IDC_FILTER_SWITCH, {330, 100, 50, 20}, {"0", "1", "2", "3"}), "Filter"},
        {Knob(IDC_FILTER_2_KNOB, {386, 100, 30, 30}, 500, 6000, 2400), "Width"},
        {Knob(IDC_BFO_KNOB, {422, 100, 30, 30}, -128, 127, 0), "BFO"},
        {Knob(IDC_GAIN_KNOB, {458, 100, 30, 30}, 0, 255, 255), "Gain"},
    };
    for (const auto& [control, caption] : captioned) {
        Append(c, Captioned(control, caption));
    }
    return Form(IDD_NRD535_VIEW, 494, 176, kPanelStyle, std::move(c));
}

} // namespace hb::resources
