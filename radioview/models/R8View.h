#pragma once
// The front panel of the R8 receiver: a seven-position mode switch, AGC, attenuator and auxiliary
// switches, the filter-mode switch of the data mode and the bandwidth knob.
#include "platform/instruments/CiSwitchSliderX.h"
#include "radioview/RadioView.h"

class CR8View : public CRadioView {
    DECLARE_DYNCREATE(CR8View)

public:
    CR8View();

    void UpdateControlsFromParm(const parm* rec, const CString* info) override;
    void SetupControls() override;

    CiSwitchSliderX m_modeSwitch;
    CiSwitchSliderX m_agcSwitch;
    CiSwitchSliderX m_attenuatorSwitch;
    CiSwitchSliderX m_auxSwitch;
    CiSwitchSliderX m_filterModeSwitch;
    CiKnobX m_bandwidthKnob;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnModeSwitch();
    void OnAgc();
    void OnAttenuator();
    void OnAux();
    void OnFilterMode();
    void OnBandwidthChange();
    void OnBandwidthReset();
    void StoreBandwidth(double hz);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
