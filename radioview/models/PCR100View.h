#pragma once
// The front panel of the PCR100 receiver: three modes, four filters and rocker switches for the
// attenuator and the noise blanker. The receiver takes only some filters in each mode, and only AM
// on short wave; the panel puts a record right before it is sent.
#include "platform/instruments/CiSwitchRockerX.h"
#include "platform/instruments/CiSwitchSliderX.h"
#include "radioview/RadioView.h"

class CPCR100View : public CRadioView {
    DECLARE_DYNCREATE(CPCR100View)

public:
    CPCR100View();

    void UpdateControlsFromParm(const parm* rec, const CString* info) override;
    void SetupControls() override;
    void CommitActiveVfo() override;

    CiSwitchSliderX m_modeSwitch;
    CiSwitchSliderX m_filterSwitch;
    CiSwitchRockerX m_attenuatorRocker;
    CiSwitchRockerX m_noiseBlankerRocker;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnModeSwitch();
    void OnFilterSwitch();
    void OnAttenuator();
    void OnNoiseBlanker();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
