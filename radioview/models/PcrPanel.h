#pragma once
// What the two wide-band PC receiver panels share: switches for attenuator, noise blanker, AGC,
// notch and DSP (refused on a radio without the DSP unit), tone squelch with its tone list, the
// filter switch and the DSP noise reducer knob. Each panel is its own class on its own form;
// both list the same handlers in their maps through the entry macros below.
#include "platform/afx/CSpinButtonCtrl.h"
#include "platform/instruments/CiSwitchSliderX.h"
#include "radioview/RadioView.h"

#include <array>
#include <cstdint>

namespace hb::radioview {

// The tones of tone squelch in tenths of Hz; index 0 is no tone.
inline constexpr std::array<std::uint16_t, 52> kPcrTones = {
    0,    670,  694,  710,  719,  744,  770,  797,  825,  854,  885,  915,  948,
    974,  1000, 1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462,
    1514, 1567, 1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899,
    1928, 1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

// The tone list's index of a tone, or 0.
int PcrToneIndex(std::uint32_t tenths);
// One step through the list, wrapping between 1 and the last tone.
int NextPcrTone(int index, int delta);

class PcrPanel : public CRadioView {
public:
    // The noise reducer level kept in the radio's section (spelled as the program has always).
    static constexpr const char* kNoiseReducerEntry = "DSPNoiceReducer";
    static constexpr std::uint8_t kToneSquelchKind = 4;
    // The record comparison's codes of a changed tone and a changed DSP switch.
    static constexpr ParmChangeCode kToneChanged = 8255;
    static constexpr ParmChangeCode kDspChanged = 8259;

    explicit PcrPanel(UINT form);

    void AppendDtmf(const DtmfRecord* rec) override;
    void UpdateStatusDisplay(const BYTE* engineStatus, BYTE* deviceStatus, Object* channel,
                             Object* user) override;
    void UpdateControlsFromParm(const parm* rec, const CString* info) override;
    void NormaliseParm(parm* rec) override;
    void SetupControls() override;
    ParmChangeCode CompareParm(const parm& a, const parm& b) override;
    void ShowAudioState(CAudioLog* log) override;

    CiSwitchSliderX m_modeSwitch;
    CiSwitchSliderX m_filterSwitch;
    CiKnobX m_dspKnob;
    CiSevenSegmentAnalogX m_toneDisplay;
    CXTPButton m_attenuatorButton;
    CXTPButton m_noiseBlankerButton;
    CXTPButton m_agcButton;
    CXTPButton m_dspButton;
    CXTPButton m_notchButton;
    CXTPButton m_toneButton;
    CSpinButtonCtrl m_toneSpin;
    CiLedRectangleX m_dspLamp;
    CiLedRectangleX m_centerLamp;
    CiLedRectangleX m_toneLamp;
    CiLabelX m_dtmfLabel;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnModeSwitch();
    void OnFilterSwitch();
    void OnAttenuator();
    void OnNoiseBlanker();
    void OnAgc();
    void OnNotch();
    void OnDsp();
    void OnToneSquelch();
    void OnToneSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDspKnobChange();
    void OnDspKnobChanged();
    void OnDspKnobReset();

private:
    void ShowTone(int index);
    int ShownTone() const;
    void EnableDspKnob(bool on);
};

} // namespace hb::radioview

// clang-format off
#define HB_PCR_PANEL_MESSAGES(View)                                                                \
    ON_BN_CLICKED(IDC_ATTENUATOR, &View::OnAttenuator)                                             \
    ON_BN_CLICKED(IDC_NOISE_BLANKER, &View::OnNoiseBlanker)                                        \
    ON_BN_CLICKED(IDC_AGC, &View::OnAgc)                                                           \
    ON_BN_CLICKED(IDC_NOTCH, &View::OnNotch)                                                       \
    ON_BN_CLICKED(IDC_DSP, &View::OnDsp)                                                           \
    ON_BN_CLICKED(IDC_TONE_SQUELCH, &View::OnToneSquelch)                                          \
    ON_NOTIFY(UDN_DELTAPOS, IDC_TONE_SPIN, &View::OnToneSpin)

#define HB_PCR_PANEL_EVENTS(View)                                                                  \
    ON_EVENT(View, IDC_MODE_SWITCH, 1, &View::OnModeSwitch)                                        \
    ON_EVENT(View, IDC_FILTER_SWITCH, 1, &View::OnFilterSwitch)                                    \
    ON_EVENT(View, IDC_DSP_KNOB, 18, &View::OnDspKnobChange)                                       \
    ON_EVENT(View, IDC_DSP_KNOB, 4, &View::OnDspKnobChange)                                        \
    ON_EVENT(View, IDC_DSP_KNOB, 11, &View::OnDspKnobChanged)                                      \
    ON_EVENT(View, IDC_DSP_KNOB, 8, &View::OnDspKnobReset)
// clang-format on
