#pragma once
// The front panel of the R8500 receiver: a ten-position mode switch, the attenuator switch, the
// audio peak filter (button and level knob), noise blanker and AGC.
#include "platform/instruments/CiSwitchSliderX.h"
#include "radioview/RadioView.h"

class CR8500View : public CRadioView {
    DECLARE_DYNCREATE(CR8500View)

public:
    CR8500View();

    void UpdateControlsFromParm(const parm* rec, const CString* info) override;
    void NormaliseParm(parm* rec) override;
    void SetupControls() override;

    CiSwitchSliderX m_modeSwitch;
    CiSwitchSliderX m_attenuatorSwitch;
    CiKnobX m_apfKnob;
    CXTPButton m_apfButton;
    CXTPButton m_noiseBlankerButton;
    CXTPButton m_agcButton;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnModeSwitch();
    void OnAttenuator();
    void OnApf();
    void OnNoiseBlanker();
    void OnAgc();
    void OnApfKnobChange();
    void OnApfKnobReset();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    void EnableApfKnob(bool on);
};
