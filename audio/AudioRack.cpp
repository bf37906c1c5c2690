#include "audio/AudioRack.h"

#include "app/rig/Rig.h"
#include "audio/AudioRackRules.h"
#include "audio/LoggerControls.h"
#include "platform/afx/CDC.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/Ddx.h"
#include "platform/afx/EventSinkMap.h"
#include "platform/instruments/Dispids.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/sys/Paths.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CAudioRack, CRack)

namespace {

constexpr UINT kFileName = 26014;
constexpr UINT kClock = 26019;
constexpr UINT kFrequency = 26020;
constexpr UINT kId = 26021;
constexpr UINT kStateLamp = 26023;
constexpr UINT kSignal = 26025;
constexpr UINT kIndex = 26026;
constexpr UINT kPosition = 26027;
constexpr UINT kDay = 26028;
constexpr UINT kYear = 26029;
constexpr UINT kMonth = 26030;
constexpr UINT kMode = 26011;
constexpr UINT kKindLamp = 26022;
constexpr UINT kMessage = 26017;
constexpr UINT kPositionSlider = 26012;
constexpr UINT kSkip = 26013;
constexpr UINT kMute = 26015;
constexpr UINT kChain = 26016;
constexpr UINT kIndicator = 26024;
constexpr UINT kVu = 26034;
constexpr UINT kLabel = 26036;
constexpr UINT kVolume = 26043;
constexpr UINT kInvertFrequency = 26045;
constexpr UINT kInvertMode = 26044;
constexpr UINT kSettings = 26046;
constexpr UINT kSettingsIcon = 28145;
constexpr UINT kCtlColorStatic = 6;
// The header ahead of the audio of the first segment.
constexpr std::int64_t kSegmentHeaderBytes = 281;

} // namespace

BEGIN_MESSAGE_MAP(CAudioRack, CRack)
ON_WM_TIMER()
ON_WM_CTLCOLOR()
ON_MESSAGE(MM_WOM_DONE, &CAudioRack::OnWomDone)
ON_MESSAGE(MM_WIM_DATA, &CAudioRack::OnWimData)
ON_MESSAGE(MM_WOM_CLOSE, &CAudioRack::OnWomClose)
ON_MESSAGE(MM_WIM_CLOSE, &CAudioRack::OnWimClose)
ON_COMMAND(26018, &CAudioRack::OnRewind)
ON_COMMAND(26001, &CAudioRack::OnForward)
ON_COMMAND(26003, &CAudioRack::OnBack)
ON_COMMAND(26002, &CAudioRack::OnEnd)
ON_COMMAND(26006, &CAudioRack::OnStop)
ON_COMMAND(26005, &CAudioRack::OnPause)
ON_COMMAND(26007, &CAudioRack::OnPlay)
ON_COMMAND(26009, &CAudioRack::OnFile)
ON_COMMAND(27461, &CAudioRack::OnFile)
ON_COMMAND(26010, &CAudioRack::OnAutoFile)
ON_COMMAND(26032, &CAudioRack::OnErase)
ON_COMMAND(26033, &CAudioRack::OnZeroize)
ON_COMMAND(26046, &CAudioRack::OnSettings)
ON_COMMAND(26008, &CAudioRack::OnMainWindowCommand)
ON_COMMAND(27473, &CAudioRack::OnNoAction)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CAudioRack, CRack)
ON_EVENT(CAudioRack, 26011, 4, &CAudioRack::OnModeSwitch)
ON_EVENT(CAudioRack, 26012, 4, &CAudioRack::OnPositionSeek)
ON_EVENT(CAudioRack, 26013, 2, &CAudioRack::OnSkipClick)
ON_EVENT(CAudioRack, 26015, 2, &CAudioRack::OnMuteClick)
ON_EVENT(CAudioRack, 26016, 2, &CAudioRack::OnChainClick)
ON_EVENT(CAudioRack, 26012, 9, &CAudioRack::OnPositionHold)
ON_EVENT(CAudioRack, 26012, 11, &CAudioRack::OnPositionRelease)
ON_EVENT(CAudioRack, 26023, 3, &CAudioRack::OnStateLampEvent)
ON_EVENT(CAudioRack, 26044, 4, &CAudioRack::OnInvertMode)
ON_EVENT(CAudioRack, 26043, 4, &CAudioRack::OnVolumeKnob)
ON_EVENT(CAudioRack, 26045, 4, &CAudioRack::OnInvertKnob)
ON_EVENT(CAudioRack, 26045, 11, &CAudioRack::OnInvertKnobReleased)
END_EVENTSINK_MAP()

CAudioRack::CAudioRack(const char* section, const char* name) : CAudioLogClient(section, name) {}

CAudioRack::~CAudioRack() {
    CRig::DetachAudioLog(this);
}

void CAudioRack::DoDataExchange(CDataExchange* pDX) {
    CRack::DoDataExchange(pDX);
    DDX_Control(pDX, kFileName, m_fileName);
    DDX_Control(pDX, kClock, m_clock);
    DDX_Control(pDX, kFrequency, m_frequency);
    DDX_Control(pDX, kId, m_id);
    DDX_Control(pDX, kStateLamp, m_stateLamp);
    DDX_Control(pDX, kSignal, m_signal);
    DDX_Control(pDX, kIndex, m_index);
    DDX_Control(pDX, kPosition, m_position);
    DDX_Control(pDX, kDay, m_day);
    DDX_Control(pDX, kYear, m_year);
    DDX_Control(pDX, kMonth, m_month);
    DDX_ControlIfPresent(pDX, kMode, m_modeSwitch);
    DDX_ControlIfPresent(pDX, kKindLamp, m_kindLamp);
    DDX_ControlIfPresent(pDX, kPositionSlider, m_positionSlider);
    DDX_ControlIfPresent(pDX, kSkip, m_skipSwitch);
    DDX_ControlIfPresent(pDX, kMute, m_muteSwitch);
    DDX_ControlIfPresent(pDX, kChain, m_chainSwitch);
    DDX_ControlIfPresent(pDX, kIndicator, m_indicator);
    DDX_ControlIfPresent(pDX, kVu, m_vu);
    DDX_ControlIfPresent(pDX, kLabel, m_label);
    DDX_ControlIfPresent(pDX, kVolume, m_volumeKnob);
    DDX_ControlIfPresent(pDX, kInvertFrequency, m_invertFrequencyKnob);
    DDX_ControlIfPresent(pDX, kInvertMode, m_invertModeSwitch);
    DDX_ControlIfPresent(pDX, kSettings, m_settingsButton);
    if (GetDlgItem(kMessage)) {
        DDX_Text(pDX, kMessage, m_message);
    }
}

BOOL CAudioRack::Create(CWnd* parent, UINT templateId, UINT style) {
    if (!CRack::Create(parent, templateId, style, templateId)) {
        return FALSE;
    }
    m_created = true;
    m_owner = this;
    if (!CAudioLog::Create(parent, style)) {
        ShowMessage("No sound card was detected.\r\nAudio logging is disabled.");
        return FALSE;
    }
    SetTimer(kTimerId, kTimerMs, nullptr);
    ApplyColors();
    if (Present(m_settingsButton)) {
        m_settingsButton.SetIcon(CSize(16, 16), kSettingsIcon);
    }
    UpdateIndicators(1, m_muted || al_monitor_master_mute ? 1 : 0);
    UpdateIndicators(9, static_cast<int>(m_volume * 100));
    UpdateIndicators(4, m_file.IsOpen() ? 1 : 0);
    return TRUE;
}

void CAudioRack::ApplyColors() {
    const CScanApp* app = CScanApp::GetScanApp();
    if (!app) {
        return;
    }
    const COLORREF control = app->Colors().control;
    for (CiSwitchSliderX* slider : {&m_modeSwitch, &m_invertModeSwitch}) {
        if (Present(*slider)) {
            slider->SetProperty(hb::instruments::switchSlider::kBackGroundColor, control);
        }
    }
    for (CiKnobX* knob : {&m_volumeKnob, &m_invertFrequencyKnob}) {
        if (Present(*knob)) {
            knob->SetBackGroundColor(control);
        }
    }
    if (Present(m_label)) {
        m_label.SetBackGroundColor(control);
    }
    const COLORREF segments = app->Colors().segmentForeground;
    const COLORREF background = app->Colors().segmentBackground;
    m_clock.SetProperty(hb::instruments::sevenSegmentClock::kSegmentColor, segments);
    m_clock.SetProperty(hb::instruments::sevenSegmentClock::kBackGroundColor, background);
    for (CiSevenSegmentAnalogX* display : {&m_frequency, &m_id}) {
        display->SetSegmentColor(segments);
        display->SetBackGroundColor(background);
    }
    for (CiSevenSegmentIntegerX* display : {&m_day, &m_year, &m_month, &m_index, &m_position}) {
        display->SetSegmentColor(segments);
        display->SetBackGroundColor(background);
    }
}

int CAudioRack::SetRole(int role) {
    return CAudioLog::SetRole(role);
}

void CAudioRack::DestroyClientWindow() {
    if (GetSafeHwnd()) {
        DestroyWindow();
    }
}

void CAudioRack::OnTimer(UINT_PTR) {
    OnTimerTick();
    if (IsFloating()) {
        CWnd* frame = reinterpret_cast<CWnd*>(GetParentFrame());
        if (frame && frame->GetWindowTextLength() == 0) {
            frame->SetWindowText("Digital Audio Logger");
        }
    }
}

HBRUSH CAudioRack::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CRack::OnCtlColor(pDC, pWnd, nCtlColor);
    const CScanApp* app = CScanApp::GetScanApp();
    if (!app) {
        return brush;
    }
    if (pWnd && pWnd->GetDlgCtrlID() == static_cast<int>(kMessage)) {
        pDC->SetBkColor(0);
        pDC->SetTextColor(app->Colors().panelText);
        return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    }
    if (nCtlColor == kCtlColorStatic) {
        pDC->SetTextColor(app->Colors().staticText);
    }
    return brush;
}

LRESULT CAudioRack::OnWomDone(WPARAM wParam, LPARAM lParam) {
    return ProcessWOMDone(wParam, lParam);
}

LRESULT CAudioRack::OnWimData(WPARAM wParam, LPARAM lParam) {
    return ProcessWIMData(wParam, lParam);
}

LRESULT CAudioRack::OnWomClose(WPARAM wParam, LPARAM lParam) {
    return ProcessWOMClose(wParam, lParam);
}

LRESULT CAudioRack::OnWimClose(WPARAM wParam, LPARAM lParam) {
    return ProcessWIMClose(wParam, lParam);
}

void CAudioRack::OnMainWindowCommand() {
    if (CWnd* main = AfxGetMainWnd()) {
        main->SendMessage(WM_COMMAND, 26031, 0);
    }
}

void CAudioRack::ShowMessage(const CString& text) {
    m_message = text;
    if (CWnd* control = GetSafeHwnd() ? GetDlgItem(kMessage) : nullptr) {
        control->SetWindowText(text);
    }
}

void CAudioRack::ShowStateLamp() {
    if (Present(m_stateLamp)) {
        hb::audio::ShowStateLamp(m_stateLamp, *this);
    }
}

void CAudioRack::UpdateStatus() {
    ShowStateLamp();
    if (Present(m_skipSwitch) && m_skipSwitch.GetActive() && m_skipCount != 0) {
        m_skipSwitch.SetActive(FALSE);
    }
    if (Present(m_modeSwitch)) {
        m_modeSwitch.SetPosition(m_mode);
        const char* const captions[] = {"Off", m_role == 2 ? "Live" : "Rec", "Play"};
        for (long position = 0; position < 3; ++position) {
            m_modeSwitch.SetPositionCaption(position, captions[position]);
        }
    }
    CAudioLogClient::UpdateStatus();
}

void CAudioRack::UpdatePosition() {
    ShowStateLamp();
    if (Present(m_index)) {
        const std::int64_t dataStart = static_cast<std::int64_t>(m_file.m_dataStart);
        if (m_mode == kModeRecord) {
            m_position.SetValue(hb::audio::CounterValue(static_cast<std::int64_t>(m_file.m_size) -
                                                        dataStart - kSegmentHeaderBytes));
            m_index.SetValue(static_cast<long>(m_file.m_recordCount));
        } else {
            // The file is read ahead of the output: the counters follow what is heard.
            std::uint32_t record = m_file.m_currentRecord;
            std::uint64_t offset = m_file.m_currentOffset;
            HeardPosition(record, offset);
            m_index.SetValue(static_cast<long>(record));
            const std::int64_t position =
                static_cast<std::int64_t>(offset) - dataStart - kSegmentHeaderBytes;
            if (!hb::audio::PlaybackHeld(*this)) {
                m_position.SetValue(hb::audio::CounterValue(position));
            }
            if (m_mode == kModePlay && Present(m_positionSlider)) {
                const double length = static_cast<double>(m_file.m_size) - dataStart;
                m_seekGuard = true;
                m_positionSlider.SetPosition(
                    length > 0 ? std::clamp(position / length * 100, 0.0, 100.0) : 0.0);
                m_seekGuard = false;
            }
        }
    }
    CAudioLogClient::UpdatePosition();
}

void CAudioRack::UpdateTime(std::uint32_t time, int n) {
    if (Present(m_clock)) {
        hb::audio::ShowSegmentDate({m_clock, m_year, m_month, m_day}, *this, time);
    }
    CAudioLogClient::UpdateTime(time, n);
}

void CAudioRack::UpdateInfo(const dal* record, const char* text) {
    if (!GetSafeHwnd()) {
        return;
    }
    CString message;
    if (!record || record->get(dal::kFrequency) == 0) {
        m_frequency.SetValue(0);
        m_id.SetValue(0);
        m_id.SetPrecision(0);
        m_signal.SetPosition(0);
        if (Present(m_indicator)) {
            m_indicator.SetActive(FALSE);
        }
        if (Present(m_kindLamp)) {
            m_kindLamp.SetActive(FALSE);
            m_kindLamp.SetCaption("ID Code");
        }
    } else {
        const std::uint32_t hz = record->get(dal::kFrequency);
        m_frequency.SetValue(hz * 0.000001);
        m_signal.SetPosition(record->get(dal::kLevel));
        message = hb::audio::ChannelMessage(*record, text, m_hfInMHz).c_str();
        const hb::audio::IdShown id = hb::audio::ShowId(*record);
        m_id.SetPrecision(id.decimals);
        m_id.SetValue(id.value);
        if (Present(m_kindLamp)) {
            m_kindLamp.SetCaption(id.caption.c_str());
            m_kindLamp.SetActive(id.value != 0);
        }
        if (Present(m_indicator)) {
            m_indicator.SetActive(TRUE);
        }
    }
    if (m_mode == kModeRecord && m_diskSpaceStop && m_stopReason == kStopDiskSpace) {
        message = hb::audio::kDiskSpaceStopMessage;
    }
    ShowMessage(message);
    CAudioLogClient::UpdateInfo(record, text);
}

void CAudioRack::UpdateIndicators(int kind, int value) {
    if (!GetSafeHwnd()) {
        return;
    }
    ShowStateLamp();
    const auto setSwitch = [this, value](CiSwitchLedX& control) {
        if (Present(control)) {
            control.SetActive(value != 0);
        }
    };
    switch (kind) {
    case 0:
        setSwitch(m_skipSwitch);
        break;
    case 1:
        setSwitch(m_muteSwitch);
        break;
    case 2:
        setSwitch(m_chainSwitch);
        break;
    case 3:
        m_position.SetValue(0);
        m_index.SetValue(0);
        if (Present(m_positionSlider)) {
            m_positionSlider.SetPosition(0);
        }
        break;
    case 4: {
        const hb::audio::FileStateTexts texts = hb::audio::FileState(value);
        if (value == 1) {
            m_fileName.SetCaption(hb::win::PathStem(m_file.m_name).c_str());
        } else if (texts.name) {
            m_fileName.SetCaption(texts.name);
        }
        if (texts.message) {
            ShowMessage(texts.message);
        }
        break;
    }
    case 5:
        if (Present(m_indicator)) {
            m_indicator.SetActive(value != 0);
        }
        break;
    case 6:
        m_stateLamp.SetActive(value != 0);
        break;
    case 9:
        if (Present(m_volumeKnob)) {
            m_volumeKnob.SetPosition(value);
        }
        break;
    case 10:
        if (Present(m_invertFrequencyKnob)) {
            m_invertFrequencyKnob.SetPosition(value);
        }
        break;
    case 11:
        if (Present(m_invertModeSwitch)) {
            m_invertModeSwitch.SetPosition(value);
        }
        break;
    default:
        break;
    }
    CAudioLogClient::UpdateIndicators(kind, value);
}

void CAudioRack::UpdateVUMeter(int left, int) {
    if (Present(m_vu)) {
        m_vu.SetPosition(left);
    }
}

void CAudioRack::OnModeSwitch() {
    hb::audio::TakeModeSwitch(*this, m_modeSwitch, GetSafeHwnd());
}

void CAudioRack::OnPositionSeek() {
    if (m_mode == kModePlay && !m_seekGuard) {
        hb::audio::SeekToPercent(*this, m_positionSlider.GetPosition());
    }
}

void CAudioRack::OnSkipClick() {
    OnClickSkip();
}

void CAudioRack::OnMuteClick() {
    Mute(m_muteSwitch.GetActive() ? 1 : 0);
}

void CAudioRack::OnChainClick() {
    OnClickChain();
}

void CAudioRack::OnPositionHold(short, short, long, long) {
    hb::audio::HoldPlayback(*this);
}

void CAudioRack::OnPositionRelease(short, short, long, long) {
    hb::audio::ReleasePlayback(*this);
}

void CAudioRack::OnInvertMode() {
    int position = static_cast<int>(m_invertModeSwitch.GetPosition());
    if (m_role == 2 && position == 1) {
        ::MessageBeep(MB_ICONASTERISK);
        position = 2;
        m_invertModeSwitch.SetPosition(2);
    }
    m_invertMode = position;
    if (CScanApp* app = CScanApp::GetScanApp(); app && !m_section.empty()) {
        app->WriteProfileInt(m_section.c_str(), "InvertMode", position);
    }
}

void CAudioRack::OnVolumeKnob() {
    Volume(std::min(static_cast<int>(m_volumeKnob.GetPosition()), 100));
}

void CAudioRack::OnInvertKnob() {
    m_invertFrequency = m_invertFrequencyKnob.GetPosition();
    DSPInvertSetup();
}

void CAudioRack::OnInvertKnobReleased(short, short, long, long) {
    if (CScanApp* app = CScanApp::GetScanApp(); app && !m_section.empty()) {
        app->WriteProfileInt(m_section.c_str(), "InvertFreq", static_cast<int>(m_invertFrequency));
    }
}
