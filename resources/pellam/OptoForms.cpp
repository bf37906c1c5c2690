// The panels of the two models with tone and ID decoders.
#include "platform/win/core/Window.h"
#include "resources/ReceiverPanel.h"
#include "resources/ResourceIds.h"
#include "resources/pellam/PellamForms.h"

namespace hb::resources {

namespace {

// The decoder sits in a row beneath the receiver's controls, so the panel is no wider than theirs.
DialogTemplate OptoComForm() {
    Controls c = ReceiverCore({.statusLamps = true, .recorderLamps = true});
    Append(c, {SlideSwitch(IDC_MODE_SWITCH, {4, 100, 34, 36}, {"FM", "FM-W", "AM"}),
               Caption("Mode", {4, 138, 34, 8}),
               SlideSwitch(IDC_DECODER_SWITCH, {44, 100, 76, 20}, {"PL", "LTR", "ED", "M1", "M2"}),
               Caption("Decoder", {44, 122, 76, 8}),
               FrequencyDisplay(IDC_DECODER_DISPLAY, {126, 100, 92, 20}, 7, 1),
               Label(IDC_DECODER_TEXT, "", {126, 122, 92, 10})});
    const std::pair<UINT, const char*> kinds[] = {{IDC_KIND_PL, "PL"},   {IDC_KIND_DPL, "DPL"},
                                                  {IDC_KIND_LTR, "LTR"}, {IDC_KIND_M1, "M1"},
                                                  {IDC_KIND_M2, "M2"},   {IDC_KIND_ED, "ED"}};
    for (int i = 0; i < 6; ++i) {
        c.push_back(
            Lamp(kinds[i].first, kinds[i].second, {224 + (i % 3) * 31, 100 + (i / 3) * 11, 29, 9}));
    }
    Append(c, {Lamp(IDC_TRUNK_LAMP, "Trunk", {224, 122, 44, 9}),
               Lamp(IDC_ID_HOLD_LAMP, "ID Hold", {272, 122, 44, 9})});
    return Form(IDD_OPTOCOM_VIEW, 454, 148, kPanelStyle, std::move(c));
}

DialogTemplate OptoScanForm() {
    Controls c = ReceiverCore({.recorderLamps = true});
    Append(c,
           {SlideSwitch(IDC_MODE_SWITCH, {454, 4, 20, 40}, {"FM", "FM-W", "AM"}),
            Caption("Mode", {454, 46, 20, 8}),
            FrequencyDisplay(IDC_DECODER_DISPLAY, {478, 4, 32, 16}, 5, 1),
            Lamp(IDC_KIND_PL, "PL", {478, 22, 15, 9}), Lamp(IDC_KIND_DPL, "DPL", {495, 22, 15, 9}),
            Label(IDC_DECODER_TEXT, "", {454, 58, 56, 10})});
    return Form(IDD_OPTOSCAN_VIEW, 514, 102, kPanelStyle, std::move(c));
}

} // namespace

std::vector<DialogTemplate> OptoForms() {
    return {OptoComForm(), OptoScanForm()};
}

} // namespace hb::resources
