#pragma once
// The front panel of the R9000 receiver: mode, attenuator and filter switches.
#include "platform/instruments/CiSwitchSliderX.h"
#include "radioview/RadioView.h"

class CR9000View : public CRadioView {
    DECLARE_DYNCREATE(CR9000View)

public:
    CR9000View();

    void UpdateControlsFromParm(const parm* rec, const CString* info) override;
    void NormaliseParm(parm* rec) override;
    void SetupControls() override;

    CiSwitchSliderX m_modeSwitch;
    CiSwitchSliderX m_attenuatorSwitch;
    CiSwitchSliderX m_filterSwitch;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnModeSwitch();
    void OnAttenuator();
    void OnFilter();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
