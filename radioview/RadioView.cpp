#include "radioview/RadioView.h"

#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/Ddx.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/controls/CommonControls.h"
#include "radioview/BC2052View.h"
#include "radioview/BC780View.h"
#include "radioview/BC895View.h"
#include "radioview/BCT8View.h"
#include "radioview/BlandView.h"
#include "radioview/PanelCommands.h"
#include "radioview/TrunkTrackerView.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CRadioView, CEnhancedFormView)

BEGIN_MESSAGE_MAP(CRadioView, CEnhancedFormView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &CRadioView::OnToolTipNotify)
// Tuning.
ON_WM_TIMER()
ON_NOTIFY(UDN_DELTAPOS, IDC_STEP_SPIN, &CRadioView::OnStepSpin)
ON_EN_KILLFOCUS(IDC_STEP_ENTRY, &CRadioView::OnStepEntryKillFocus)
ON_BN_CLICKED(IDC_BAND_STEP_SNAP, &CRadioView::OnBandStepSnap)
ON_BN_CLICKED(IDC_TUNING_STEP_SNAP, &CRadioView::OnTuningStepSnap)
ON_BN_CLICKED(IDC_SNAP_TO_BAND, &CRadioView::OnSnapToBand)
ON_BN_CLICKED(IDC_SNAP_TO_STEP, &CRadioView::OnSnapToStep)
ON_BN_CLICKED(IDC_FREQUENCY_FOLLOWING, &CRadioView::OnFrequencyFollowing)
ON_BN_CLICKED(IDC_BAND_SELECT, &CRadioView::OnBandSelect)
ON_BN_CLICKED(IDC_MEMORY_STORE, &CRadioView::OnMemoryStore)
ON_BN_CLICKED(IDC_MEMORY_RECALL, &CRadioView::OnMemoryRecall)
ON_NOTIFY(UDN_DELTAPOS, IDC_MEMORY_SPIN, &CRadioView::OnMemorySpin)
ON_MESSAGE(WM_TUNE_DIGIT_STEP, &CRadioView::OnTuneDigitStep)
// Keypad, VFO buttons and manual mode.
ON_COMMAND_RANGE(IDC_DIGIT_0, IDC_DIGIT_POINT, &CRadioView::OnDigit)
ON_COMMAND(hb::radioview::kClearKeypadCommand, &CRadioView::OnClearKeypad)
ON_COMMAND(IDC_ENTER_MHZ, &CRadioView::OnEnterMhz)
ON_COMMAND(IDC_ENTER_KHZ, &CRadioView::OnEnterKhz)
ON_COMMAND_RANGE(IDC_VFO_1, IDC_VFO_5, &CRadioView::OnVfoButton)
ON_COMMAND_RANGE(IDC_TRUNK_VFO_1, IDC_TRUNK_VFO_1 + kVfoButtonCount - 1, &CRadioView::OnVfoButton)
ON_COMMAND(IDC_VSC_BUTTON, &CRadioView::OnVsc)
ON_COMMAND_RANGE(hb::radioview::kFirstDeviceControlCommand,
                 hb::radioview::kLastDeviceControlCommand, &CRadioView::OnDeviceControl)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CRadioView, CEnhancedFormView)
// Tuning.
ON_EVENT(CRadioView, IDC_TUNING_KNOB, 18, &CRadioView::OnTuningKnobPosition)
ON_EVENT(CRadioView, IDC_TUNING_KNOB, 8, &CRadioView::OnTuningKnobTouched)
ON_EVENT(CRadioView, IDC_TUNING_KNOB, 9, &CRadioView::OnTuningKnobMouse)
ON_EVENT(CRadioView, IDC_TUNING_KNOB, 11, &CRadioView::OnTuningKnobMouse)
ON_EVENT(CRadioView, IDC_TUNING_KNOB, 13, &CRadioView::OnTuningKnobTouched)
ON_EVENT(CRadioView, IDC_STEP_DOWN, 9, &CRadioView::OnStepDownMouseDown)
ON_EVENT(CRadioView, IDC_STEP_DOWN, 10, &CRadioView::OnStepDownMouseMove)
ON_EVENT(CRadioView, IDC_STEP_DOWN, 11, &CRadioView::OnStepDownMouseUp)
ON_EVENT(CRadioView, IDC_STEP_UP, 9, &CRadioView::OnStepUpMouseDown)
ON_EVENT(CRadioView, IDC_STEP_UP, 10, &CRadioView::OnStepUpMouseMove)
ON_EVENT(CRadioView, IDC_STEP_UP, 11, &CRadioView::OnStepUpMouseUp)
// Keypad, VFO buttons and the name field.
ON_EVENT(CRadioView, IDC_KEYPAD, 1, &CRadioView::OnKeypadKey)
ON_EVENT(CRadioView, IDC_NAME_FIELD, 8, &CRadioView::OnNameFieldMouseDown)
ON_EVENT(CRadioView, IDC_NAME_FIELD, 11, &CRadioView::OnNameFieldKey)
ON_EVENT(CRadioView, IDC_NAME_FIELD, 2, &CRadioView::OnNameFieldChange)
ON_EVENT(CRadioView, IDC_VFO_1 + 0, 7, &CRadioView::OnVfoButtonMouse<1>)
ON_EVENT(CRadioView, IDC_VFO_1 + 1, 7, &CRadioView::OnVfoButtonMouse<2>)
ON_EVENT(CRadioView, IDC_VFO_1 + 2, 7, &CRadioView::OnVfoButtonMouse<3>)
ON_EVENT(CRadioView, IDC_VFO_1 + 3, 7, &CRadioView::OnVfoButtonMouse<4>)
ON_EVENT(CRadioView, IDC_VFO_1 + 4, 7, &CRadioView::OnVfoButtonMouse<5>)
ON_EVENT(CRadioView, IDC_TRUNK_VFO_1 + 0, 7, &CRadioView::OnVfoButtonMouse<1>)
ON_EVENT(CRadioView, IDC_TRUNK_VFO_1 + 1, 7, &CRadioView::OnVfoButtonMouse<2>)
ON_EVENT(CRadioView, IDC_TRUNK_VFO_1 + 2, 7, &CRadioView::OnVfoButtonMouse<3>)
ON_EVENT(CRadioView, IDC_TRUNK_VFO_1 + 3, 7, &CRadioView::OnVfoButtonMouse<4>)
ON_EVENT(CRadioView, IDC_TRUNK_VFO_1 + 4, 7, &CRadioView::OnVfoButtonMouse<5>)
// Setting knobs: reset, apply, save, and a press that takes the radio over.
ON_EVENT(CRadioView, IDC_SQUELCH_KNOB, 8, &CRadioView::ResetSquelch)
ON_EVENT(CRadioView, IDC_SQUELCH_KNOB, 18, &CRadioView::ApplySquelch)
ON_EVENT(CRadioView, IDC_SQUELCH_KNOB, 11, &CRadioView::SaveSquelch)
ON_EVENT(CRadioView, IDC_VOLUME_SETTING, 8, &CRadioView::ResetVolume)
ON_EVENT(CRadioView, IDC_VOLUME_SETTING, 18, &CRadioView::ApplyVolume)
ON_EVENT(CRadioView, IDC_VOLUME_SETTING, 11, &CRadioView::SaveVolume)
ON_EVENT(CRadioView, IDC_BFO_KNOB, 8, &CRadioView::ResetBFO)
ON_EVENT(CRadioView, IDC_BFO_KNOB, 18, &CRadioView::ApplyBFO)
ON_EVENT(CRadioView, IDC_BFO_KNOB, 11, &CRadioView::SaveBFO)
ON_EVENT(CRadioView, IDC_BFO_KNOB, 9, &CRadioView::OnInstrumentClick)
ON_EVENT(CRadioView, IDC_GAIN_KNOB, 8, &CRadioView::ResetGain)
ON_EVENT(CRadioView, IDC_GAIN_KNOB, 18, &CRadioView::ApplyGain)
ON_EVENT(CRadioView, IDC_GAIN_KNOB, 11, &CRadioView::SaveGain)
ON_EVENT(CRadioView, IDC_GAIN_KNOB, 9, &CRadioView::OnInstrumentClick)
ON_EVENT(CRadioView, IDC_FILTER_2_KNOB, 8, &CRadioView::ResetFilter2)
ON_EVENT(CRadioView, IDC_FILTER_2_KNOB, 18, &CRadioView::ApplyFilter2)
ON_EVENT(CRadioView, IDC_FILTER_2_KNOB, 11, &CRadioView::SaveFilter2)
ON_EVENT(CRadioView, IDC_FILTER_2_KNOB, 9, &CRadioView::OnInstrumentClick)
ON_EVENT(CRadioView, IDC_FILTER_KNOB, 8, &CRadioView::ResetFilter)
ON_EVENT(CRadioView, IDC_FILTER_KNOB, 18, &CRadioView::ApplyFilter)
ON_EVENT(CRadioView, IDC_FILTER_KNOB, 11, &CRadioView::SaveFilter)
ON_EVENT(CRadioView, IDC_FILTER_KNOB, 9, &CRadioView::OnInstrumentClick)
ON_EVENT(CRadioView, IDC_NOTCH_KNOB, 8, &CRadioView::ResetNotch)
ON_EVENT(CRadioView, IDC_NOTCH_KNOB, 18, &CRadioView::ApplyNotch)
ON_EVENT(CRadioView, IDC_NOTCH_KNOB, 11, &CRadioView::SaveNotch)
ON_EVENT(CRadioView, IDC_NOTCH_KNOB, 9, &CRadioView::OnInstrumentClick)
ON_EVENT(CRadioView, IDC_VSC_KNOB, 8, &CRadioView::ResetVSC)
ON_EVENT(CRadioView, IDC_VSC_KNOB, 4, &CRadioView::ApplyVSC)
ON_EVENT(CRadioView, IDC_VSC_KNOB, 11, &CRadioView::SaveVSC)
ON_EVENT(CRadioView, hb::radioview::kVscKnobAlternative, 8, &CRadioView::ResetVSC)
ON_EVENT(CRadioView, hb::radioview::kVscKnobAlternative, 4, &CRadioView::ApplyVSC)
ON_EVENT(CRadioView, hb::radioview::kVscKnobAlternative, 11, &CRadioView::SaveVSC)
ON_EVENT(CRadioView, IDC_VOICE_INVERSION_KNOB, 8, &CRadioView::ResetVoiceInversion)
ON_EVENT(CRadioView, IDC_VOICE_INVERSION_KNOB, 4, &CRadioView::ApplyVoiceInversion)
ON_EVENT(CRadioView, IDC_VOICE_INVERSION_KNOB, 11, &CRadioView::SaveVoiceInversion)
ON_EVENT(CRadioView, IDC_VOICE_INVERSION_KNOB, 9, &CRadioView::OnInstrumentClick)
ON_EVENT(CRadioView, IDC_IF_SHIFT_KNOB, 8, &CRadioView::ResetIFShift)
ON_EVENT(CRadioView, IDC_IF_SHIFT_KNOB, 18, &CRadioView::ApplyIFShift)
ON_EVENT(CRadioView, IDC_IF_SHIFT_KNOB, 11, &CRadioView::SaveIFShift)
ON_EVENT(CRadioView, IDC_IF_SHIFT_KNOB, 9, &CRadioView::OnInstrumentClick)
ON_EVENT(CRadioView, IDC_AGC_ATTACK_KNOB, 8, &CRadioView::ResetAGCAttack)
ON_EVENT(CRadioView, IDC_AGC_ATTACK_KNOB, 18, &CRadioView::ApplyAGCAttack)
ON_EVENT(CRadioView, IDC_AGC_ATTACK_KNOB, 11, &CRadioView::SaveAGCAttack)
ON_EVENT(CRadioView, IDC_AGC_ATTACK_KNOB, 9, &CRadioView::OnInstrumentClick)
ON_EVENT(CRadioView, IDC_AGC_HANG_KNOB, 8, &CRadioView::ResetAGCHang)
ON_EVENT(CRadioView, IDC_AGC_HANG_KNOB, 18, &CRadioView::ApplyAGCHang)
ON_EVENT(CRadioView, IDC_AGC_HANG_KNOB, 11, &CRadioView::SaveAGCHang)
ON_EVENT(CRadioView, IDC_AGC_HANG_KNOB, 9, &CRadioView::OnInstrumentClick)
ON_EVENT(CRadioView, IDC_AGC_DECAY_KNOB, 8, &CRadioView::ResetAGCDecay)
ON_EVENT(CRadioView, IDC_AGC_DECAY_KNOB, 18, &CRadioView::ApplyAGCDecay)
ON_EVENT(CRadioView, IDC_AGC_DECAY_KNOB, 11, &CRadioView::SaveAGCDecay)
ON_EVENT(CRadioView, IDC_AGC_DECAY_KNOB, 9, &CRadioView::OnInstrumentClick)
END_EVENTSINK_MAP()

namespace {

// Document updates that mark the panel busy.
constexpr LPARAM kFirstBusyHint = 1000;
constexpr LPARAM kLastBusyHint = 1072;
constexpr LPARAM kBusyHint = 1111;
// The types that count as the generic receiver.
constexpr std::uint16_t kGenericType = 28;

CRuntimeClass* TrunkClassOf(std::uint16_t type) {
    switch (type) {
    case 17:
        return RUNTIME_CLASS(CBC895View);
    case 35:
    case 45:
    case 51:
        return RUNTIME_CLASS(CBC780View);
    case 43:
        return RUNTIME_CLASS(CBC2052View);
    case 63:
    case 64:
    case 70:
    case 71:
    case 89:
    case 90:
    case 91:
    case 92:
        return RUNTIME_CLASS(CTrunkTrackerView);
    case 99:
        return RUNTIME_CLASS(CBCT8View);
    default:
        return nullptr;
    }
}

} // namespace

CRadioView::CRadioView() : CRadioView(IDD_RADIO_VIEW) {}

CRadioView::CRadioView(UINT nIDTemplate) : CEnhancedFormView(nIDTemplate) {
    m_boldFont.CreateFont(12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS,
                          "MS Sans Serif");
}

CRadioView::~CRadioView() {
    CScanApp::Trace("radioview", __LINE__);
    if (m_vfosLoaded && CScanApp::GetScanApp()) {
        SaveVfos();
    }
}

CRuntimeClass* CRadioView::GetViewClass(CRig* rig) {
    std::uint16_t type = rig && rig->m_radio ? rig->m_radio->RadioTypeCode() : 0;
    if (type == 1 || type == 2) {
        type = kGenericType;
    }
    CRuntimeClass* trunkClass = TrunkClassOf(type);
    if (!trunkClass) {
        return RUNTIME_CLASS(CRadioView);
    }
    return rig->m_trunk ? trunkClass : RUNTIME_CLASS(CBlandView);
}

void CRadioView::DoDataExchange(CDataExchange* pDX) {
    CEnhancedFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TUNING_KNOB, m_tuningKnob);
    DDX_Control(pDX, IDC_KEYPAD_ENTRY, m_keypadEntry);
    DDX_Control(pDX, IDC_FREQUENCY_DISPLAY, m_frequencyDisplay);
    const struct {
        UINT id;
        CWnd& control;
    } optional[] = {
        {IDC_ENTER_MHZ, m_enterButton},
        {IDC_ENTER_KHZ, m_khzButton},
        {IDC_FREQUENCY_FOLLOWING, m_followButton},
        {IDC_BAND_STEP_SNAP, m_bandStepSnapButton},
        {IDC_TUNING_STEP_SNAP, m_tuningStepSnapButton},
        {IDC_SNAP_TO_BAND, m_snapToBandButton},
        {IDC_SNAP_TO_STEP, m_snapToStepButton},
        {IDC_SHOW_IN_SCAN_LIST, m_scanListButton},
        {IDC_MEMORY_STORE, m_storeButton},
        {IDC_MEMORY_RECALL, m_recallButton},
        {IDC_MEMORY_CHANNEL, m_memoryChannel},
        {IDC_MEMORY_SPIN, m_memorySpin},
        {IDC_STEP_SPIN, m_stepSpin},
        {IDC_STEP_ENTRY, m_stepEntry},
        {IDC_STEP_DOWN, m_stepDown},
        {IDC_STEP_UP, m_stepUp},
        {IDC_KHZ_LAMP, m_khzLamp},
        {IDC_MHZ_LAMP, m_mhzLamp},
        {IDC_S_METER, m_sMeter},
        {IDC_VU_BAR, m_vuBar},
        {IDC_VOLUME_KNOB, m_volumeKnob},
        {IDC_HOLD_SWITCH, m_holdSwitch},
        {IDC_LIVE_PLAY_LAMP, m_livePlayLamp},
        {IDC_RECORDER_STATUS, m_recorderStatus},
        {IDC_LIVE_LED, m_liveLed},
        {IDC_HOLD_LED, m_holdLed},
        {IDC_RADIO_NAME, m_radioName},
        {IDC_CHANNEL_LABEL, m_channelLabel},
        {IDC_NAME_FIELD, m_nameField},
        {IDC_KEYPAD, m_keypad},
        {IDC_SIGNAL_LAMP, m_signalLamp},
        {IDC_SCANNING_LAMP, m_scanningLamp},
        {IDC_STOPPED_LAMP, m_stoppedLamp},
        {IDC_HIT_LAMP, m_hitLamp},
        {IDC_CHANGE_LED, m_changeLed},
        {IDC_STATUS_LAMP, m_statusLamp},
        {IDC_ACTIVITY_LAMP_1, m_activityLamp1},
        {IDC_ACTIVITY_LAMP_2, m_activityLamp2},
        {IDC_STEP_LABEL, m_stepLabel},
        {IDC_SIGNAL_VALUE, m_signalValue},
        {IDC_BAND_SELECT, m_bandSelectButton},
        {IDC_RECORDING_MARK, m_recordingMarkButton},
        {IDC_VOLUME_SETTING, m_volumeSetting},
        {IDC_SQUELCH_KNOB, m_squelchKnob},
        {IDC_GAIN_KNOB, m_gainKnob},
        {IDC_BFO_KNOB, m_bfoKnob},
        {IDC_IF_SHIFT_KNOB, m_ifShiftKnob},
        {IDC_VOICE_INVERSION_KNOB, m_voiceInversionKnob},
        {IDC_NOTCH_KNOB, m_notchKnob},
        {IDC_AGC_ATTACK_KNOB, m_agcAttackKnob},
        {IDC_AGC_HANG_KNOB, m_agcHangKnob},
        {IDC_AGC_DECAY_KNOB, m_agcDecayKnob},
        {IDC_FILTER_KNOB, m_filterKnob},
        {IDC_FILTER_2_KNOB, m_filter2Knob},
        {IDC_VSC_BUTTON, m_vscButton},
        {IDC_LOCAL_REMOTE_LAMP, m_localRemoteLamp},
    };
    for (const auto& [id, control] : optional) {
        DDX_ControlIfPresent(pDX, static_cast<int>(id), control);
    }
    DDX_ControlIfPresent(pDX,
                         static_cast<int>(HasChild(IDC_VSC_KNOB)
                                              ? IDC_VSC_KNOB
                                              : hb::radioview::kVscKnobAlternative),
                         m_vscKnob);
    const UINT firstVfo = HasChild(IDC_VFO_1) ? IDC_VFO_1 : IDC_TRUNK_VFO_1;
    for (UINT n = 0; n < kVfoButtonCount; ++n) {
        DDX_ControlIfPresent(pDX, static_cast<int>(firstVfo + n), m_vfoButtons[n]);
    }
}

bool CRadioView::HasChild(UINT id) const {
    return ::GetDlgItem(m_hWnd, static_cast<int>(id)) != nullptr;
}

int CRadioView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    m_frame = DYNAMIC_DOWNCAST(CRadioFrame, GetParentFrame());
    return CEnhancedFormView::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

void CRadioView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    if (!pHint) {
        CEnhancedFormView::OnUpdate(pSender, lHint, pHint);
        return;
    }
    if ((lHint >= kFirstBusyHint && lHint <= kLastBusyHint) || lHint == kBusyHint) {
        m_busy = kOn;
    }
    m_updateTick = GetTickCount();
}

void CRadioView::OnDestroy() {
    for (UINT_PTR timer :
         {kPanelTimer, kStatusTimer, kFrequencyTimer, static_cast<UINT_PTR>(IDC_STEP_DOWN),
          static_cast<UINT_PTR>(IDC_STEP_UP)}) {
        KillTimer(timer);
    }
    WriteScanListFile();
    CEnhancedFormView::OnDestroy();
}

void CRadioView::WriteScanListFile() {
    if (m_rig && GetDocument()) {
        CScanApp::GetScanApp()->WriteProfileStringA(m_rig->m_section, "ScanListFile",
                                                    GetDocument()->GetPathName());
    }
}

LRESULT CRadioView::OnDeviceOpen(WPARAM, LPARAM) {
    RefreshFromDevice();
    return 0;
}

ParmChangeCode CRadioView::CompareParm(const parm& a, const parm& b) {
    if (a.get(parm::kFrequency) != b.get(parm::kFrequency)) {
        OnFrequencyChanged();
    }
    return ::CompareParm(a, b);
}

void CRadioView::UpdateTitle() {
    if (m_rig && GetDocument()) {
        GetDocument()->SetTitle(m_rig->m_section);
    }
}

void CRadioView::NormaliseParm(parm*) {}
void CRadioView::EmptyOperation() {}
void CRadioView::ShowAnnotation(CAudioLog*, const wlseg*) {}
void CRadioView::ShowRecordTime(const dal*, std::uint32_t, BYTE) {}
void CRadioView::ShowAudioTime(CAudioLog*, std::uint32_t, int) {}
