#pragma once
// The audio logger as a form view: the radio window's "Audio Recorder" tab and the recordings
// player's view. Besides what the rack bar shows it has push buttons for the transport, skip,
// mute and chain, a second VU bar, a level gauge with its running average, the channel's names
// on labels of their own, a lamp for each kind of ID, the segment's elapsed time, input level
// controls, voice-inversion presets, and buttons for the system's volume and recording mixers
// and the recordings folder. A rig that links the logger holds it only while the view lives.

#include "audio/AudioLogClient.h"
#include "platform/instruments/CiKnobX.h"
#include "platform/instruments/CiLabelX.h"
#include "platform/instruments/CiLedBarX.h"
#include "platform/instruments/CiLedRectangleX.h"
#include "platform/instruments/CiLinearGaugeX.h"
#include "platform/instruments/CiModeComboBoxX.h"
#include "platform/instruments/CiSevenSegmentAnalogX.h"
#include "platform/instruments/CiSevenSegmentClockX.h"
#include "platform/instruments/CiSevenSegmentIntegerX.h"
#include "platform/instruments/CiSliderX.h"
#include "platform/instruments/CiSwitchSliderX.h"
#include "platform/tessary/app/EnhancedFormView.h"
#include "platform/toolkit/CXTPButton.h"

#include <array>

class CAudioView : public CEnhancedFormView, public CAudioLogClient {
    DECLARE_DYNCREATE(CAudioView)

public:
    static constexpr UINT kRecorderForm = 28497;
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kTimerMs = 100;
    // "InvertPresetCount" is read up to this many.
    static constexpr int kMostPresets = 256;

    // For dynamic creation, as the audio player's document template names this class: the
    // recorder's form with no settings section and no radio.
    CAudioView() : CAudioView("", "", kRecorderForm) {}
    // `name` keys the view's settings; `secondName` is the rig's name; `form` its form.
    CAudioView(CString name, CString secondName, UINT form);
    // The rig holding the logger lets it go.
    ~CAudioView() override;

    CAudioLogClient* GetLogClient() { return this; }

    // The view at 10, 10, 100, 100 in `parent`; a second call makes nothing new.
    virtual BOOL Create(CWnd* parent, UINT id, DWORD style, CCreateContext* context);
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    void OnInitialUpdate() override;
    virtual void LoadInvertPresets();
    virtual void SaveInvertPresets();

    int SetRole(int role) override;
    void DestroyClientWindow() override;

    void UpdateStatus() override;
    void UpdateSegment(const char* file, const wlseg* segment, std::uint32_t n) override;
    void UpdatePosition() override;
    void UpdateTime(std::uint32_t time, int n) override;
    void UpdateInfo(const dal* record, const char* text) override;
    void UpdateIndicators(int kind, int value) override;
    void UpdateAnnotation(const wlseg* segment) override;
    void UpdateVUMeter(int left, int right) override;

    // Called by the radio window's audio commands too.
    void OnMuteButton();
    void OnMutePeers();

    // Commands and control events.
    void OnVolumeMixer();
    void OnRecordingMixer();
    void OnExploreFolder();
    void OnAddPreset();
    void OnRemovePreset();
    // The spin's step: up (0 or more) goes to the entry before, down to the one after.
    void StepPreset(int step);
    void OnPresetChosen();
    void OnGaugeClick();
    void OnVolumeKnob();
    void OnVolumeDown(short, short, long, long) { m_volumeDrag = 1; }
    void OnVolumeUp(short, short, long, long) { m_volumeDrag = 0; }
    void OnVolumeDragEnd() { m_volumeDrag = 0; }
    void OnInvertKnob();
    void OnInvertKnobReleased(short button, short shift, long x, long y);
    void OnManualLevelKnob();
    void OnManualLevelReleased(short button, short shift, long x, long y);
    void OnInvertMode();
    void OnManualLevelSwitch();
    void OnRecordLevelSwitch();
    void OnPlaybackLevelSwitch();
    void OnModeSwitch();
    void OnPositionSeek();
    void OnPositionHold(short button, short shift, long x, long y);
    void OnPositionRelease(short button, short shift, long x, long y);

    CString m_name;
    CString m_secondName;
    UINT m_form = 0;
    CString m_message;
    double m_average = 0;
    BYTE m_volumeDrag = 0;

    CiKnobX m_volumeKnob;
    CiKnobX m_invertKnob;
    CiKnobX m_levelKnob;
    std::array<CXTPButton, 7> m_transport;
    // The command, file, folder and mixer buttons with icons.
    std::array<CXTPButton, 9> m_iconButtons;
    CXTPButton m_skipButton;
    CXTPButton m_muteButton;
    CXTPButton m_chainButton;
    // Add preset, remove preset, and the button without an action.
    std::array<CXTPButton, 3> m_plainButtons;
    CiLabelX m_frequencyText;
    CiLabelX m_idText;
    CiLabelX m_fileTitle;
    CiLabelX m_fileName;
    CiLabelX m_radioName;
    std::array<CiLabelX, 3> m_names;
    CiLedBarX m_signal;
    CiLedBarX m_vuLeft;
    CiLedBarX m_vuRight;
    CiSliderX m_positionSlider;
    CiLinearGaugeX m_gauge;
    CiSwitchSliderX m_modeSwitch;
    CiSwitchSliderX m_invertModeSwitch;
    CiSwitchSliderX m_recordLevelSwitch;
    CiSwitchSliderX m_playbackLevelSwitch;
    CiSwitchSliderX m_manualLevelSwitch;
    CiModeComboBoxX m_presets;
    CiLedRectangleX m_kindLamp;
    CiLedRectangleX m_stateLamp;
    CiLedRectangleX m_indicator;
    std::array<CiLedRectangleX, 6> m_idKindLamps;
    CiLedRectangleX m_roleLamp;
    CiSevenSegmentClockX m_clock;
    CiSevenSegmentClockX m_elapsedClock;
    CiSevenSegmentAnalogX m_frequency;
    CiSevenSegmentAnalogX m_id;
    CiSevenSegmentIntegerX m_day;
    CiSevenSegmentIntegerX m_year;
    CiSevenSegmentIntegerX m_month;
    CiSevenSegmentIntegerX m_index;
    CiSevenSegmentIntegerX m_position;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnTimer(UINT_PTR id);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    LRESULT OnWomDone(WPARAM wParam, LPARAM lParam) { return ProcessWOMDone(wParam, lParam); }
    LRESULT OnWimData(WPARAM wParam, LPARAM lParam) { return ProcessWIMData(wParam, lParam); }
    LRESULT OnWomClose(WPARAM wParam, LPARAM lParam) { return ProcessWOMClose(wParam, lParam); }
    LRESULT OnWimClose(WPARAM wParam, LPARAM lParam) { return ProcessWIMClose(wParam, lParam); }
    void OnSpin(NMHDR* header, LRESULT* result);
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
    void OnSkipClick() { OnClickSkip(); }
    void OnChainClick() { OnClickChain(); }
    void OnNothing() {}
    // The profile hook SetRole and the initial update call; it does nothing here.
    virtual void OnRoleHook() {}

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    bool Present(const CWnd& control) const { return control.GetSafeHwnd() != HWND{}; }
    void ShowTime(CiSevenSegmentClockX& clock, double time) {
        if (Present(clock)) {
            clock.SetTime(time);
        }
    }
    void ShowMessage(const CString& text);
    void ShowStateLamp();
    void WriteInt(const char* entry, int value) const;
    int ReadInt(const char* entry, int value) const;
    // The inversion frequency takes the chosen preset's value.
    void TakePreset(int index);
    void SelectPresetOf(int value);
    void RunVolumeProgram(bool record) const;

    bool m_created = false;
    bool m_seekGuard = false;
};
