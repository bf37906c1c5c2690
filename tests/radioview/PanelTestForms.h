#pragma once
// A form with every setting knob of the model panels, the VSC knob under its second id and a
// button whose tooltip string only this module has, joined to the resource chain for a test.
#include "platform/afx/res/CDynLinkLibrary.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"

namespace hb::app::test {

class PanelTestForms {
public:
    static constexpr UINT kForm = 64000;
    static constexpr UINT kTipButton = 64001;
    static constexpr const char* kTip = "The test button";
    static constexpr UINT kVscKnob = 29360;

    PanelTestForms() {
        AfxInitExtensionModule(m_state, HMODULE(0x7E57u));
        new CDynLinkLibrary(m_state);
    }
    ~PanelTestForms() { AfxTermExtensionModule(m_state); }
    PanelTestForms(const PanelTestForms&) = delete;
    PanelTestForms& operator=(const PanelTestForms&) = delete;

private:
    static hb::afx::ResourceModule Module() {
        using namespace hb::resources;
        Controls c{
            FrequencyDisplay(IDC_FREQUENCY_DISPLAY, {4, 4, 150, 24}, 10, 4),
            EditBox(IDC_KEYPAD_ENTRY, {160, 4, 64, 12}),
            Knob(IDC_TUNING_KNOB, {230, 4, 64, 58}, 0, 1000000, 0),
            Meter(IDC_S_METER, {300, 4, 76, 56}, 0, 1, ""),
            Knob(IDC_VOLUME_KNOB, {4, 64, 30, 30}, 0, 100, 50),
            Lamp(IDC_LIVE_PLAY_LAMP, "", {40, 64, 37, 9}),
            Lamp(IDC_LIVE_LED, "Live", {40, 76, 37, 9}),
            Lamp(IDC_HOLD_LED, "Hold", {40, 88, 37, 9}),
            PushButton(kTipButton, "Tip", {80, 64, 30, 12}),
        };
        const UINT knobs[] = {IDC_VOLUME_SETTING,
                              IDC_SQUELCH_KNOB,
                              IDC_GAIN_KNOB,
                              IDC_BFO_KNOB,
                              IDC_IF_SHIFT_KNOB,
                              IDC_VOICE_INVERSION_KNOB,
                              IDC_NOTCH_KNOB,
                              IDC_AGC_ATTACK_KNOB,
                              IDC_AGC_HANG_KNOB,
                              IDC_AGC_DECAY_KNOB,
                              IDC_FILTER_KNOB,
                              IDC_FILTER_2_KNOB,
                              kVscKnob};
        int x = 4;
        for (UINT id : knobs) {
            c.push_back(Knob(id, {x, 110, 30, 30}, 0, 1, 0.5));
            x += 32;
        }
        for (UINT n = 0; n < 5; ++n) {
            c.push_back(
                ToggleButton(IDC_VFO_1 + n, "V", {120 + static_cast<int>(n) * 25, 64, 23, 12}));
        }
        return hb::afx::ResourceModule{"PanelTestForms",
                                       {.dialogs = {Form(kForm, 460, 150, WS_CHILD, std::move(c))},
                                        .strings = {{kTipButton, kTip}}}};
    }

    hb::afx::ResourceModule m_module = Module();
    AFX_EXTENSION_MODULE m_state{&m_module};
};

} // namespace hb::app::test
