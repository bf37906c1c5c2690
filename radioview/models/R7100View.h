#pragma once
// The front panel of the R7100 receiver: a seven-position mode switch and an attenuator button.
#include "platform/instruments/CiSwitchSliderX.h"
#include "radioview/RadioView.h"

class CR7100View : public CRadioView {
    DECLARE_DYNCREATE(CR7100View)

public:
    CR7100View();

    void UpdateControlsFromParm(const parm* rec, const CString* info) override;
    void SetupControls() override;

    CiSwitchSliderX m_modeSwitch;
    CXTPButton m_attenuatorButton;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnModeSwitch();
    void OnAttenuator();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
