// The panel of the R8 receiver: tuning and memory on the left, the receiver's own switches and its
// bandwidth knob in a row beneath.
#include "platform/win/core/Window.h"
#include "resources/ReceiverPanel.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

DialogTemplate R8Form() {
    Controls c = ReceiverCore(kFullPanel);
    Append(c, MemoryBlock(4, 100));
    const struct {
        DialogControl control;
        const char* caption;
    } captioned[] = {
        {SlideSwitch(IDC_MODE_SWITCH, {70, 100, 44, 64},
                     {"FM", "AM", "CW", "USB", "LSB", "SSB", "AM-SYN"}),
         "Mode"},
        {SlideSwitch(IDC_AGC, {156, 100, 40, 20}, {"0", "1", "2"}), "AGC"},
        {SlideSwitch(IDC_ATTENUATOR, {202, 100, 30, 20}, {"Off", "On"}), "ATT"},
        {SlideSwitch(IDC_AUX_SWITCH, {238, 100, 30, 20}, {"Off", "On"}), "AUX"},
        {SlideSwitch(IDC_FILTER_MODE_SWITCH, {274, 100, 40, 20}, {"0", "1", "2"}), "Filter"},
        {Knob(IDC_BANDWIDTH_KNOB, {320, 100, 30, 30}, 500, 9000, 2800), "Width"},
        {Knob(IDC_BFO_KNOB, {356, 100, 30, 30}, -128, 127, 0), "BFO"},
    };
    for (const auto& [control, caption] : captioned) {
        Append(c, Captioned(control, caption));
    }
    return Form(IDD_R8_VIEW, 456, 176, WS_CHILD | DS_SETFONT | DS_FIXEDSYS, std::move(c));
}

} // namespace hb::resources
