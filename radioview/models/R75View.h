#pragma once
// The front panel of the R75 receiver: the mode switch in the R10 order on the R8500 layout.
#include "platform/instruments/CiSwitchSliderX.h"
#include "radioview/RadioView.h"

class CR75View : public CRadioView {
    DECLARE_DYNCREATE(CR75View)

public:
    CR75View();

    void UpdateControlsFromParm(const parm* rec, const CString* info) override;

    CiSwitchSliderX m_modeSwitch;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnModeSwitch();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
