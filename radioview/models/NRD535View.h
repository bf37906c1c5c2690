#pragma once
// The front panel of the NRD535 receiver: a nine-position mode switch, AGC, attenuator, auxiliary,
// noise-blanker and filter switches, and a continuous second filter.
#include "platform/instruments/CiSwitchSliderX.h"
#include "radioview/RadioView.h"

class CNRD535View : public CRadioView {
    DECLARE_DYNCREATE(CNRD535View)

public:
    CNRD535View();

    void UpdateControlsFromParm(const parm* rec, const CString* info) override;
    void NormaliseParm(parm* rec) override;
    void SetupControls() override;
    // The second filter: read again from the knob, applied to the active VFO, saved as "Filter".
    void ResetFilter2() override;
    void ApplyFilter2() override;
    void SaveFilter2() override;

    CiSwitchSliderX m_modeSwitch;
    CiSwitchSliderX m_agcSwitch;
    CiSwitchSliderX m_attenuatorSwitch;
    CiSwitchSliderX m_auxSwitch;
    CiSwitchSliderX m_noiseBlankerSwitch;
    CiSwitchSliderX m_filterSwitch;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnModeSwitch();
    void OnAgc();
    void OnAttenuator();
    void OnAux();
    void OnNoiseBlanker();
    void OnFilter();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
