#pragma once
// The front panel of the R10 receiver: the plain panel with a six-position mode switch.
#include "platform/instruments/CiSwitchSliderX.h"
#include "radioview/RadioView.h"

class CR10View : public CRadioView {
    DECLARE_DYNCREATE(CR10View)

public:
    CR10View();

    void UpdateControlsFromParm(const parm* rec, const CString* info) override;

    CiSwitchSliderX m_modeSwitch;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnModeSwitch();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
