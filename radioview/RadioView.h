#pragma once
// The front panel of one radio window: a form of instruments (knobs, displays, lamps) and buttons
// through which the user tunes the radio. The radio frame chooses the class for its rig
// (GetViewClass), creates it through its runtime class, owns it and gives it the rig before the
// first update; the first update starts the radio. The panel keeps six VFO records of the radio
// and stores them in the radio's section when it is destroyed, but only when its first update
// loaded them, so a window that failed to open never overwrites them.
//
// Per-model and trunk-tracker panels derive from it with their own form and override single
// operations; every operation below is called by name.
#include "platform/afx/CEdit.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CSpinButtonCtrl.h"
#include "platform/afx/CToolTipCtrl.h"
#include "platform/instruments/Instruments.h"
#include "platform/records/Band.h"
#include "platform/records/Dal.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/DtmfRecord.h"
#include "platform/records/HistoryRecord.h"
#include "platform/records/Parm.h"
#include "platform/records/Wlseg.h"
#include "platform/tessary/app/EnhancedFormView.h"
#include "platform/toolkit/CXTPButton.h"
#include "radioview/CompareParm.h"
#include "radioview/FocusColorEdit.h"

#include <array>
#include <cstdint>

class CAudioLog;
class CRadioFrame;
namespace hb::radioview {
enum class SettingKnobKind : std::uint8_t;
}
class CRig;
class Object;
class Radio;
class Roster;

class CRadioView : public CEnhancedFormView {
    DECLARE_DYNCREATE(CRadioView)

public:
    static constexpr int kVfoCount = 6;
    static constexpr int kVfoButtonCount = 5;
    static constexpr std::uint8_t kOn = 0xFF;
    // Timers of the panel.
    static constexpr UINT_PTR kPanelTimer = 1;
    static constexpr UINT_PTR kStatusTimer = 2;
    static constexpr UINT_PTR kFrequencyTimer = 3;
    static constexpr UINT_PTR kDisplayTimer = 4;

    CRadioView();
    explicit CRadioView(UINT nIDTemplate);
    ~CRadioView() override;

    // The panel class for the rig's radio.
    static CRuntimeClass* GetViewClass(CRig* rig);

    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    bool IsManualMode() const { return m_manualMode != 0; }
    // WM_RADIO_DEVICE_OPEN: the device status is read again.
    LRESULT OnDeviceOpen(WPARAM wParam, LPARAM lParam);

    // ---- The panel's own operations, in their fixed order.
    virtual void UpdateFrequencyDisplay(UINT hz);
    // A null record empties the DTMF text.
    virtual void AppendDtmf(const DtmfRecord* rec);
    virtual void LogHit(HistoryRecord* rec, Object* channel, Object* user);
    virtual void OnRecorderState(CAudioLog* log);
    // The device status is the caller's own copy: the display may clear parts of it.
    virtual void UpdateStatusDisplay(const BYTE* engineStatus, BYTE* deviceStatus, Object* channel,
                                     Object* user);
    // `info` may be null.
    virtual void UpdateControlsFromParm(const parm* rec, const CString* info);
    virtual void ShowMeterValue(CAudioLog* log, int kind, int value);
    // Model fix-ups of a record before it is sent; nothing here.
    virtual void NormaliseParm(parm* rec);
    virtual void LoadParmIntoActiveVfo(parm* rec, int notify);
    virtual void TuneFrequency(UINT hz, int notify);
    virtual void SetManualChannel(UINT hz, BYTE mode);
    virtual UINT SnapToRadioBand(UINT hz);
    // Ranges and start values of the instruments.
    virtual void SetupControls();
    virtual void EnterManualMode();
    virtual void SelectVfo(BYTE n, BOOL on);
    virtual void CommitActiveVfo();
    // Which setting differs; a frequency change is marked first.
    virtual ParmChangeCode CompareParm(const parm& a, const parm& b);
    virtual std::uint16_t FastWriteVfo(const parm* rec);
    virtual void StepFromSpin(UINT id);
    virtual void SnapToBandGrid();
    // The cleaned text as shown.
    virtual CString ShowChannelName(const CString& text);
    virtual void ToggleHold();
    virtual void NotifyAudioLog(dal* rec, BYTE decision, BYTE channelFlag, const BYTE* engineStatus,
                                const BYTE* deviceStatus);
    virtual void FormatFrequency(UINT hz);
    virtual void FormatStep(const parm* rec);
    virtual void ShowStep(UINT step);
    virtual UINT ParseStepEntry(UINT current);
    virtual void SetTuningStep(UINT hz);
    virtual void CentreTuningKnob(UINT hz);
    // The document's title becomes the radio's section name.
    virtual void UpdateTitle();
    virtual void OnFrequencyChanged();
    virtual void NotifyEngineCheck(CRadioFrame* frame);
    virtual void TuneBySteps(int n);
    virtual void RefreshFromDevice();
    virtual void EmptyOperation();
    virtual void ShowAudioState(CAudioLog* log);
    // The logger's annotation: the receiver panel ignores it.
    virtual void ShowAnnotation(CAudioLog* log, const wlseg* segment);
    virtual void OnAudioStateEvent(CAudioLog* log, const char* file, const wlseg* segment);
    // The time of a replayed record: the receiver panel ignores it.
    virtual void ShowRecordTime(const dal* rec, std::uint32_t time, BYTE flag);
    virtual void ShowPlaybackChannel(CAudioLog* log, const dal* rec, BYTE flag);
    // The logger's time: the receiver panel ignores it.
    virtual void ShowAudioTime(CAudioLog* log, std::uint32_t time, int n);
    virtual void SetAuxMeter(CAudioLog* log, int value);
    // A setting knob was pressed: the user takes the radio over.
    virtual void OnInstrumentClick();
    // Per setting knob: back to the radio's default, apply to the radio or the active VFO, save to
    // the radio's section. A knob the form lacks makes them do nothing.
    virtual void ResetSquelch();
    virtual void ApplySquelch();
    virtual void SaveSquelch();
    virtual void ResetVolume();
    virtual void ApplyVolume();
    virtual void SaveVolume();
    virtual void ResetBFO();
    virtual void ApplyBFO();
    virtual void SaveBFO();
    virtual void ResetGain();
    virtual void ApplyGain();
    virtual void SaveGain();
    virtual void ResetFilter2();
    virtual void ApplyFilter2();
    virtual void SaveFilter2();
    virtual void ResetFilter();
    virtual void ApplyFilter();
    virtual void SaveFilter();
    virtual void ResetNotch();
    virtual void ApplyNotch();
    virtual void SaveNotch();
    virtual void ResetVSC();
    virtual void ApplyVSC();
    virtual void SaveVSC();
    virtual void ResetVoiceInversion();
    virtual void ApplyVoiceInversion();
    virtual void SaveVoiceInversion();
    virtual void ResetIFShift();
    virtual void ApplyIFShift();
    virtual void SaveIFShift();
    virtual void ResetAGCAttack();
    virtual void ApplyAGCAttack();
    virtual void SaveAGCAttack();
    virtual void ResetAGCHang();
    virtual void ApplyAGCHang();
    virtual void SaveAGCHang();
    virtual void ResetAGCDecay();
    virtual void ApplyAGCDecay();
    virtual void SaveAGCDecay();

    // ---- Tuning: the knob, the step LEDs and entry, the snap and band buttons, the memories.
    // The step LEDs repeat at the first period, then at the second.
    static constexpr UINT kSpinFirstMs = 300;
    static constexpr UINT kSpinRepeatMs = 100;
    // WM_TUNE_DIGIT_STEP: wParam the amount in Hz; lParam bits 0-7 truncate, bits 8-15 downward.
    LRESULT OnTuneDigitStep(WPARAM wParam, LPARAM lParam);

    // ---- Controls; all but the tuning knob, the keypad entry and the frequency display are bound
    // only when the form has them.
    CiKnobX m_tuningKnob;
    CFocusColorEdit m_keypadEntry;
    CiSevenSegmentAnalogX m_frequencyDisplay;
    CXTPButton m_enterButton;
    CXTPButton m_khzButton;
    CXTPButton m_followButton;
    CXTPButton m_bandStepSnapButton;
    CXTPButton m_tuningStepSnapButton;
    CXTPButton m_snapToBandButton;
    CXTPButton m_snapToStepButton;
    CXTPButton m_scanListButton;
    CXTPButton m_storeButton;
    CXTPButton m_recallButton;
    CiSevenSegmentIntegerX m_memoryChannel;
    CSpinButtonCtrl m_memorySpin;
    // V1-V5: 27745-27749, or the trunk forms' 28488-28492.
    std::array<CXTPButton, kVfoButtonCount> m_vfoButtons;
    CSpinButtonCtrl m_stepSpin;
    CEdit m_stepEntry;
    CiLedRectangleX m_stepDown;
    CiLedRectangleX m_stepUp;
    CiLedRectangleX m_khzLamp;
    CiLedRectangleX m_mhzLamp;
    CiAngularGaugeX m_sMeter;
    CiLedBarX m_vuBar;
    // The audio logger's volume.
    CiKnobX m_volumeKnob;
    CiSwitchToggleX m_holdSwitch;
    CiLedRectangleX m_livePlayLamp;
    CiLedRectangleX m_recorderStatus;
    CiLedRectangleX m_liveLed;
    CiLedRectangleX m_holdLed;
    CiLabelX m_radioName;
    CiLabelX m_channelLabel;
    CiLabelX m_nameField;
    CiPhonePadX m_keypad;
    CiLedRectangleX m_signalLamp;
    CiLedRectangleX m_scanningLamp;
    CiLedRectangleX m_stoppedLamp;
    CiLedRectangleX m_hitLamp;
    CiLedRectangleX m_changeLed;
    CiLedRectangleX m_statusLamp;
    CiLedRectangleX m_activityLamp1;
    CiLedRectangleX m_activityLamp2;
    CiLabelX m_stepLabel;
    CiSevenSegmentIntegerX m_signalValue;
    CXTPButton m_bandSelectButton;
    CXTPButton m_recordingMarkButton;
    // The radio's setting knobs.
    CiKnobX m_volumeSetting;
    CiKnobX m_squelchKnob;
    CiKnobX m_gainKnob;
    CiKnobX m_bfoKnob;
    CiKnobX m_ifShiftKnob;
    CiKnobX m_voiceInversionKnob;
    CiKnobX m_notchKnob;
    CiKnobX m_agcAttackKnob;
    CiKnobX m_agcHangKnob;
    CiKnobX m_agcDecayKnob;
    CiKnobX m_filterKnob;
    CiKnobX m_filter2Knob;
    // 27582, or 29360 on a form without it.
    CiKnobX m_vscKnob;
    CXTPButton m_vscButton;
    CiLedRectangleX m_localRemoteLamp;

    // ---- State.
    CRadioFrame* m_frame = nullptr;
    // Set by the radio frame before the first update.
    CRig* m_rig = nullptr;
    CFont m_boldFont;
    // The record last recalled or sent.
    parm m_working;
    // VFO 0 is the manual VFO, 1-5 belong to V1-V5.
    std::array<parm, kVfoCount> m_vfo;
    std::array<CString, kVfoCount> m_vfoInfo;
    CString m_keypadText;
    std::array<CString, 2> m_workText;
    // 0 or kOn unless said.
    std::uint8_t m_busy = 0;
    std::uint8_t m_manualMode = 0;
    // 0-5.
    std::uint8_t m_activeVfo = 0;
    std::uint8_t m_bandStepSnap = 0;
    std::uint8_t m_tuningStepSnap = 0;
    std::uint8_t m_mhzDisplay = 0;
    // The display is frozen by the audio recorder.
    std::uint8_t m_hold = 0;
    // kOn at first, so that the first audio display paints.
    std::uint8_t m_holdShown = kOn;
    std::uint8_t m_frequencyChanged = 0;
    std::uint8_t m_recalled = 0;
    std::uint8_t m_nameEditing = 0;
    // The channel hold of the engine notifications.
    std::uint8_t m_channelHold = 0;
    // DTMF digits heard since the last logged hit.
    CString m_dtmfText;
    // Per VFO: selecting it interrupted scanning.
    std::array<std::uint8_t, kVfoCount> m_enteredFromScanning{};
    std::uint32_t m_knobOrigin = 0;
    // 0 until the tuning knob is first set up.
    std::uint32_t m_knobUnit = 0;
    // The band the active frequency was last found in.
    band m_bandCache;
    std::uint16_t m_spinShift = 0;
    std::uint16_t m_spinButton = 0;
    std::uint8_t m_volumeDrag = 0;
    // GetTickCount of the last document update.
    DWORD m_updateTick = 0;
    // Shows the V buttons' and the bank buttons' texts.
    CToolTipCtrl m_toolTip;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    BOOL OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

    // ---- Tuning handlers.
    void OnTimer(UINT_PTR nIDEvent);
    void OnTuningKnobPosition();
    void OnTuningKnobTouched();
    void OnTuningKnobMouse(short button, short shift, long x, long y);
    void OnStepDownMouseDown(short button, short shift, long x, long y);
    void OnStepDownMouseMove(short button, short shift, long x, long y);
    void OnStepDownMouseUp(short button, short shift, long x, long y);
    void OnStepUpMouseDown(short button, short shift, long x, long y);
    void OnStepUpMouseMove(short button, short shift, long x, long y);
    void OnStepUpMouseUp(short button, short shift, long x, long y);
    void OnStepSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void OnStepEntryKillFocus();
    void OnBandStepSnap();
    void OnTuningStepSnap();
    void OnSnapToBand();
    void OnSnapToStep();
    void OnFrequencyFollowing();
    void OnBandSelect();
    void OnMemoryStore();
    void OnMemoryRecall();
    void OnMemorySpin(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    // The application's colour table entries of the panel's numeric displays.
    static constexpr int kDisplayForeground = 12;
    static constexpr int kDisplayBackground = 13;

    bool HasChild(UINT id) const;
    CString Section() const;
    // The radio's check of a VFO record, in place.
    void CheckVfo(parm& record) const;
    void SetStartVfos();
    void LoadVfos();
    void SaveVfos();
    void WriteScanListFile();
    void StartRadio();
    void ShowMemoryChannel();
    void RestoreSnaps();
    static void SetSnap(std::uint8_t& snap, CXTPButton& button, std::uint8_t& other,
                        CXTPButton& otherButton, bool on);
    void RegisterToolTips();
    // The tooltip of V1-V5 (n = 1-5).
    CString VfoToolTip(int n) const;
    void SetupKnobRanges();

    // ---- Tuning helpers.
    Radio* TheRadio() const;
    parm& ActiveVfo();
    CString& ActiveInfo();
    void SnapActiveToStep();
    void SnapActiveToBand(const band& found);
    // The knob's position := the active frequency - its origin.
    void PlaceTuningKnob();
    // The active VFO's step := step, shown and kept as "TuningStep".
    void SaveStep(UINT step);
    void SaveSetting(LPCSTR entry, int value);
    void FocusKeypad();
    CiLedRectangleX& SpinLed(UINT id);
    void SpinPressed(UINT id, short button, short shift);
    void SpinReleased(UINT id);
    void SpinMoved(UINT id, long x, long y);
    void ChooseSnap(CXTPButton& button, CXTPButton& other, std::uint8_t& snap,
                    std::uint8_t& otherSnap, LPCSTR entry, LPCSTR otherEntry);
    // The form shows a memory channel and the radio has memory channels.
    bool MemoryUsable() const;

    // The first update read the stored VFOs: only then are they written back.
    bool m_vfosLoaded = false;
    CString m_toolTipText;

    // ---- Keypad, keyboard, VFO buttons and setting knobs.
public:
    // Keys for the keypad field, the knobs and the frame; everything else reaches the tooltips.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // V1-V5 (27745-27749, or 28488-28492): toggles button n and selects or releases VFO n.
    void OnVfoButton(UINT id);

protected:
    void OnDigit(UINT id);
    void OnClearKeypad();
    void OnKeypadKey(long key);
    void OnEnterMhz();
    void OnEnterKhz();
    void OnVsc();
    void OnDeviceControl(UINT id);
    // A press other than the left one copies the active VFO into VFO n.
    template <BYTE N>
    void OnVfoButtonMouse(short button, short, long, long) {
        CopyActiveVfoInto(N, button);
    }
    void OnNameFieldMouseDown();
    void OnNameFieldKey(short* key, short shift);
    void OnNameFieldChange();

private:
    void TypeIntoKeypad(char c);
    // Tunes the active VFO to the keypad field's frequency in MHz ('M') or kHz ('K').
    void EnterFrequency(char unit);
    void CopyActiveVfoInto(BYTE n, short button);
    void StartNameEditing();
    void EndNameEditing();
    bool RoutesKey(const MSG& msg);
    void ResetKnob(hb::radioview::SettingKnobKind kind);
    void ApplyKnob(hb::radioview::SettingKnobKind kind);
    void SaveKnob(hb::radioview::SettingKnobKind kind);

    // The last record whose write the radio refused: it beeps once, not on every retry.
    parm m_refusedRecord;
    bool m_refusedBeeped = false;
    // ---- Engine notifications.
public:
    // The idle timer of key routing: the focus goes back to the keypad entry.
    static constexpr UINT_PTR kIdleTimer = 29933;
    // The "Scan" bar's command that logs the current hit by hand.
    static constexpr UINT kCommandLogNow = 28033;
    // The recording decision handed to the audio logger.
    static constexpr BYTE kDecisionNotOpen = 1;
    static constexpr BYTE kDecisionRecord = 2;
    static constexpr BYTE kDecisionSkip = 8;

    // WM_RADIO_STATUS: the panel, the audio logger and the alarms brought up to date from the
    // engine and the device; always 0.
    LRESULT OnRadioStatus(WPARAM wParam, LPARAM lParam);
    // The current hit logged by hand; a beep when the engine cannot tell what it is.
    void OnLogNow();

    // Set by the status display while the engine scans.
    std::uint8_t m_scanning = 0;
    // kOn while the radio is operated from its own front panel and the panel follows it.
    std::uint8_t m_following = 0;
    std::uint32_t m_lastReportedHz = 0;
    BYTE m_recordDecision = 0;
    // Handles of the held channel and user ID, 0 = none.
    std::uint32_t m_heldObject = 0;
    std::uint32_t m_heldUser = 0;
    // The channel and user ID whose alarm was raised last, 0 = none.
    std::uint32_t m_alarmObject = 0;
    std::uint32_t m_alarmUser = 0;
    // The counters of the two activity lamps last seen.
    std::array<std::uint32_t, 2> m_activityCounts{};
    hb::records::DeviceStatus m_cachedDeviceStatus;

protected:
    LRESULT OnRadioHistory(WPARAM wParam, LPARAM lParam);
    LRESULT OnRadioDtmf(WPARAM wParam, LPARAM lParam);
    LRESULT OnRadioEngineStatus(WPARAM wParam, LPARAM lParam);
    LRESULT OnAudioMode(WPARAM wParam, LPARAM lParam);
    LRESULT OnRestartRequest(WPARAM wParam, LPARAM lParam);
    LRESULT OnRadioFlag(WPARAM wParam, LPARAM lParam);
    LRESULT OnRadioBad(WPARAM wParam, LPARAM lParam);
    LRESULT OnRadioReset(WPARAM wParam, LPARAM lParam);
    // The engine asks its notify window (this panel) for the check the frame runs.
    LRESULT OnEngineCheckRequest(WPARAM wParam, LPARAM lParam);
    void OnStatusLampClick();
    void OnSetFocus(CWnd* pOldWnd);

private:
    Roster* TheRoster() const;
    // The user-ID entry of the ID heard on `object`, or null.
    Object* UserOf(Object* object, const hb::records::UserId& id, BYTE* alarm = nullptr,
                   BYTE* recordField = nullptr) const;
    BYTE RecordingDecision(BYTE state, bool withEntry, BYTE audio, BYTE recordField,
                           Object*& object, Object*& user);
    void FeedAudioLog(BYTE decision, const BYTE* engineStatus, const BYTE* deviceStatus,
                      Object* object, Object* user);
    void RaiseAlarm(BYTE code, Object* object, Object* user);
    void FollowDevice(BYTE* deviceStatus);
    void ShowActivity();
    void SetStatusLamp(LPCSTR caption, COLORREF lamp, COLORREF text);
    bool FocusMayMove() const;
    void DrainOtherRig();
    // ---- Status and audio.
public:
    // The engine state the last status showed; no state is this high.
    std::uint8_t m_lastEngineState = 0xFF;
    // 1 while the engine scans or searches.
    std::uint8_t m_scanningFlag = 0;
    // 1 while the engine is stopped or paused.
    std::uint8_t m_stoppedFlag = 0;

protected:
    void OnHoldSwitch();
    void OnVolumeKnobPosition();
    void OnVolumeKnobMouseDown(short button, short shift, long x, long y);
    void OnVolumeKnobMouseUp(short button, short shift, long x, long y);
    void OnVolumeKnobDragEnd();
    void OnRecordingMark();
    void OnShowInScanList();

private:
    void ShowSignal(const BYTE* deviceStatus);
    void FollowEngineState(std::uint8_t state, const parm& device);
    void ShowLocalControl(const BYTE* deviceStatus);
    CString ChannelText(const parm& device, const Object* channel, const Object* user);
    void ShowMiniStatus(const CString& channelText, const BYTE* engineStatus, BYTE* deviceStatus);
    void PaintHold();
    void ShowRecorderStatus(const CAudioLog& log);
};
