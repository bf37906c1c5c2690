#pragma once
// The audio logger as a dockable rack bar: the state lamp, transport, file name and messages, the
// channel being recorded, the segment's date and time, position counters, signal and VU bars, and
// the volume, mode and voice-inversion controls. The bar's 100 ms timer drives the logger and its
// window takes the sound devices' messages.

#include "audio/AudioLogClient.h"
#include "platform/instruments/CiKnobX.h"
#include "platform/instruments/CiLabelX.h"
#include "platform/instruments/CiLedBarX.h"
#include "platform/instruments/CiLedRectangleX.h"
#include "platform/instruments/CiSevenSegmentAnalogX.h"
#include "platform/instruments/CiSevenSegmentClockX.h"
#include "platform/instruments/CiSevenSegmentIntegerX.h"
#include "platform/instruments/CiSliderX.h"
#include "platform/instruments/CiSwitchLedX.h"
#include "platform/instruments/CiSwitchSliderX.h"
#include "platform/toolkit/CXTPButton.h"
#include "radioview/Rack.h"

class CAudioRack : public CRack, public CAudioLogClient {
    DECLARE_DYNAMIC(CAudioRack)

public:
    static constexpr UINT kTemplateId = 27460;
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kTimerMs = 100;

    // `section` is the radio's profile section joined to "AudioRecorder", `name` the radio's.
    CAudioRack(const char* section, const char* name);
    // The logger leaves its rig first.
    ~CAudioRack() override;

    // The bar, then the logger on it. FALSE without a sound card: the bar stays and says so, and
    // no timer runs.
    BOOL Create(CWnd* parent, UINT templateId, UINT style);
    using CRack::Create;
    void OnDestroy() override {}
    int SetRole(int role) override;
    void DestroyClientWindow() override;

    void UpdateStatus() override;
    void UpdatePosition() override;
    void UpdateTime(std::uint32_t time, int n) override;
    void UpdateInfo(const dal* record, const char* text) override;
    void UpdateIndicators(int kind, int value) override;
    void UpdateAnnotation(const wlseg*) override {}
    void UpdateVUMeter(int left, int right) override;

    // Control events, as the event sink delivers them.
    void OnModeSwitch();
    void OnPositionSeek();
    void OnSkipClick();
    void OnMuteClick();
    void OnChainClick();
    void OnPositionHold(short button, short shift, long x, long y);
    void OnPositionRelease(short button, short shift, long x, long y);
    void OnStateLampEvent() {}
    void OnInvertMode();
    void OnVolumeKnob();
    void OnInvertKnob();
    void OnInvertKnobReleased(short button, short shift, long x, long y);

    CString m_message;
    CiLabelX m_fileName;
    CiSevenSegmentClockX m_clock;
    CiSevenSegmentAnalogX m_frequency;
    CiSevenSegmentAnalogX m_id;
    CiLedRectangleX m_stateLamp;
    CiLedBarX m_signal;
    CiSevenSegmentIntegerX m_index;
    CiSevenSegmentIntegerX m_position;
    CiSevenSegmentIntegerX m_day;
    CiSevenSegmentIntegerX m_year;
    CiSevenSegmentIntegerX m_month;
    CiSwitchSliderX m_modeSwitch;
    CiLedRectangleX m_kindLamp;
    CiSliderX m_positionSlider;
    CiSwitchLedX m_skipSwitch;
    CiSwitchLedX m_muteSwitch;
    CiSwitchLedX m_chainSwitch;
    CiLedRectangleX m_indicator;
    CiLedBarX m_vu;
    CiLabelX m_label;
    CiKnobX m_volumeKnob;
    CiKnobX m_invertFrequencyKnob;
    CiSwitchSliderX m_invertModeSwitch;
    CXTPButton m_settingsButton;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTimer(UINT_PTR id);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    LRESULT OnWomDone(WPARAM wParam, LPARAM lParam);
    LRESULT OnWimData(WPARAM wParam, LPARAM lParam);
    LRESULT OnWomClose(WPARAM wParam, LPARAM lParam);
    LRESULT OnWimClose(WPARAM wParam, LPARAM lParam);
    void OnRewind() { OnRewindButton(); }
    void OnForward() { OnForwardButton(); }
    void OnBack() { OnBackButton(); }
    void OnEnd() { OnEndButton(); }
    void OnStop() { OnStopButton(); }
    void OnPause() { OnPauseButton(); }
    void OnPlay() { OnPlayButton(); }
    void OnFile() { OnFileButton(); }
    void OnAutoFile() { OnAutoFileButton(); }
    void OnErase() { OnFileErase(); }
    void OnZeroize() { OnFileZeroize(); }
    void OnSettings() { Settings(); }
    void OnMainWindowCommand();
    void OnNoAction() {}

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    void ShowStateLamp();
    void ShowMessage(const CString& text);
    bool Present(const CWnd& control) const { return control.GetSafeHwnd() != HWND{}; }
    // The colour scheme's control colour on the switches, knobs and label, and its display
    // colours on the seven-segment displays.
    void ApplyColors();

    bool m_seekGuard = false;
    bool m_created = false;
};
