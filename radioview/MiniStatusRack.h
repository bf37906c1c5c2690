#pragma once
// The panel of the mini status window: the radio's frequency, signal, scan state, current ID and
// VFO lamps, with buttons and lamps that start and stop the radio, lock out channels, pick a VFO
// and set the audio volume without bringing the radio window forward. One class serves the four
// panel templates; a control the template lacks is simply not there.

#include "platform/instruments/CiAngularGaugeX.h"
#include "platform/instruments/CiKnobX.h"
#include "platform/instruments/CiLabelX.h"
#include "platform/instruments/CiLedBarX.h"
#include "platform/instruments/CiLedRectangleX.h"
#include "platform/instruments/CiSevenSegmentAnalogX.h"
#include "platform/instruments/CiSwitchLedX.h"
#include "platform/tessary/app/CoolButton.h"
#include "platform/toolkit/CXTPButton.h"
#include "radioview/IDDisplay.h"
#include "radioview/Rack.h"
#include "radioview/TuningLedMatrix.h"

#include <array>
#include <cstdint>

class CRadioFrame;
class CRadioView;
class CRig;

class CMiniStatusRack : public CRack {
    DECLARE_DYNAMIC(CMiniStatusRack)

public:
    static constexpr int kVfoLamps = 5;
    static constexpr UINT_PTR kVfoTimerId = 1;
    static constexpr UINT kVfoTimerMs = 333;

    // The panel on the template; with a front panel behind it, its pictures, colours, meter
    // scale and tuning strip are set up.
    virtual BOOL Create(CWnd* parent, UINT templateId, UINT style);
    // The status refresh of the front panel. The device status is the refresh's own copy: with
    // the squelch closed its ID words are cleared for what the refresh does next.
    virtual void UpdateStatus(CString text, const BYTE* engineStatus, BYTE* deviceStatus, CRig* rig,
                              BYTE audioState);
    // Lights the switch of the front panel's active VFO.
    virtual void ShowVfoLamps();
    // The frequency as the radio shows it: MHz with four decimals for VHF radios, kHz with three
    // for HF radios, or MHz with six when the front panel shows HF in MHz.
    virtual void ShowFrequency(UINT hz);

    CRadioFrame* frame = nullptr;
    std::uint32_t lastFrequency = 0;
    // 0xFF on the trunk-tracker template with the trunk lamp.
    std::uint8_t trunkLamp = 0;

    CiLedRectangleX m_scanningLamp;
    CiLedRectangleX m_stoppedLamp;
    CiLedRectangleX m_hitLamp;
    CiLedRectangleX m_signalLamp;
    CiLedRectangleX m_recordingLamp;
    CiSevenSegmentAnalogX m_frequency;
    CTuningLedMatrix m_tuningStrip;
    CXTPButton m_muteButton;
    CXTPButton m_mutePeersButton;
    CiLedBarX m_levelBar;
    CXTPButton m_scanKey;
    CXTPButton m_resumeKey;
    CXTPButton m_lockOutKey;
    CXTPButton m_holdKey;
    CXTPButton m_key11;
    CXTPButton m_key12;
    CXTPButton m_resetKey;
    CCoolButton m_startButton;
    CCoolButton m_stopButton;
    CCoolButton m_lockOutButton;
    CCoolButton m_tempLockOutButton;
    CCoolButton m_lockOutIdButton;
    CCoolButton m_holdIdButton;
    CiKnobX m_volumeKnob;
    CiLedRectangleX m_trunkLamp;
    CiLedRectangleX m_idHoldLamp;
    std::array<CiLabelX, 3> m_nameLines;
    CiLabelX m_statusLine;
    CiLabelX m_radioName;
    CiAngularGaugeX m_sMeter;
    CIDDisplay m_idDisplay;
    std::array<CiSwitchLedX, kVfoLamps> m_vfoLamps;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTimer(UINT_PTR nIDEvent);
    void SendToFrontPanel(UINT id);
    void SendToRadioWindow(UINT id);
    void OnStartLamp();
    void OnStopLamp();
    void OnRecordingLamp();
    void OnVolumeKnob();
    // The switch of VFO n + 1.
    template <int n>
    void OnVfoLamp() {
        SelectVfo(n);
    }

private:
    CRadioView* FrontPanel() const;
    void SetUpPictures();
    void SetUpMeter();
    void ShowState(BYTE state, const BYTE* deviceStatus);
    void ShowSignal(const BYTE* deviceStatus, CRig* rig);
    void CommandRadioWindow(UINT id);
    void SelectVfo(int n);
};
