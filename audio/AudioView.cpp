#include "audio/AudioView.h"

#include "app/HalbridgeApp.h"
#include "app/rig/Rig.h"
#include "audio/AudioRackRules.h"
#include "audio/LoggerControls.h"
#include "platform/afx/CDC.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/Ddx.h"
#include "platform/afx/EventSinkMap.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/win/controls/CommonControls.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/sys/Paths.h"
#include "platform/win/sys/Shell.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

IMPLEMENT_DYNCREATE(CAudioView, CEnhancedFormView)

namespace {

constexpr const char* kSource = "DALFrame";
constexpr const char* kNoSoundCard = "No sound card was detected.\r\nAudio logging is disabled.";
constexpr UINT kMessage = 26017;
constexpr UINT kVolume = 26043;
constexpr UINT kInvertFrequency = 26045;
constexpr UINT kManualLevel = 30063;
constexpr std::array<UINT, 7> kTransport{26006, 26005, 26007, 26018, 26001, 26003, 26002};
constexpr UINT kSkip = 26013;
constexpr UINT kMute = 26015;
constexpr UINT kChain = 26016;
constexpr UINT kPresets = 28696;
constexpr std::array<UINT, 3> kPlainButtons{28697, 28698, 30068};
struct IconButton {
    UINT id;
    UINT icon;
    int size;
};
constexpr std::array<IconButton, 9> kIconButtons{{{26008, 26008, 16},
                                                  {26009, 26009, 32},
                                                  {26010, 26010, 32},
                                                  {28730, 28730, 32},
                                                  {26049, 26049, 32},
                                                  {26046, 28145, 32},
                                                  {26047, 27017, 32},
                                                  {26048, 28343, 32},
                                                  {26051, 27362, 32}}};
constexpr std::array<UINT, 6> kIdKindLamps{27506, 27507, 27508, 27583, 27774, 27509};
// The ID kinds the lamps stand for, in the lamps' order.
constexpr std::array<int, 6> kIdKinds{4, 5, 6, 3, 1, 11};
// The form items of the voice inversion besides its knob and switch.
constexpr std::array<UINT, 7> kInversionItems{26044, 26045, 28293, 28696, 28699, 28697, 28698};
constexpr UINT kInversionExtra[] = {27933, 30072};
// Shown in role 2.
constexpr UINT kRoleItem = 27570;
constexpr int kCtlColorStatic = 6;
constexpr COLORREF kGreen = 0x00FF00;
// The bytes between a segment's start and its audio, and the file's header ahead of the first.
constexpr std::int64_t kSegmentAudioOffset = 249;
constexpr std::int64_t kSegmentHeaderBytes = 281;
constexpr double kSecondsPerDay = 86400;
constexpr int kDefaultManualLevel = 32768;
constexpr const char* kDefaultPresets[] = {"2632 Hz", "2718 Hz", "2729 Hz", "2868 Hz", "3023 Hz",
                                           "3107 Hz", "3196 Hz", "3300 Hz", "3333 Hz", "3339 Hz",
                                           "3496 Hz", "3500 Hz", "3729 Hz", "3750 Hz"};

int Rounded(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

} // namespace

BEGIN_MESSAGE_MAP(CAudioView, CEnhancedFormView)
ON_WM_CREATE()
ON_WM_TIMER()
ON_WM_CTLCOLOR()
ON_MESSAGE(MM_WOM_DONE, &CAudioView::OnWomDone)
ON_MESSAGE(MM_WIM_DATA, &CAudioView::OnWimData)
ON_MESSAGE(MM_WOM_CLOSE, &CAudioView::OnWomClose)
ON_MESSAGE(MM_WIM_CLOSE, &CAudioView::OnWimClose)
ON_COMMAND(26018, &CAudioView::OnRewind)
ON_COMMAND(26001, &CAudioView::OnForward)
ON_COMMAND(26003, &CAudioView::OnBack)
ON_COMMAND(26002, &CAudioView::OnEnd)
ON_COMMAND(26006, &CAudioView::OnStop)
ON_COMMAND(26005, &CAudioView::OnPause)
ON_COMMAND(26007, &CAudioView::OnPlay)
ON_COMMAND(26009, &CAudioView::OnFile)
ON_COMMAND(26010, &CAudioView::OnAutoFile)
ON_COMMAND(26032, &CAudioView::OnErase)
ON_COMMAND(26033, &CAudioView::OnZeroize)
ON_COMMAND(26046, &CAudioView::OnSettings)
ON_COMMAND(26008, &CAudioView::OnMainWindowCommand)
ON_COMMAND(26047, &CAudioView::OnVolumeMixer)
ON_COMMAND(26048, &CAudioView::OnRecordingMixer)
ON_COMMAND(26051, &CAudioView::OnExploreFolder)
ON_COMMAND(26015, &CAudioView::OnMuteButton)
ON_COMMAND(26049, &CAudioView::OnMutePeers)
ON_COMMAND(28697, &CAudioView::OnAddPreset)
ON_COMMAND(28698, &CAudioView::OnRemovePreset)
ON_COMMAND(30068, &CAudioView::OnNothing)
ON_COMMAND(28730, &CAudioView::OnNothing)
ON_NOTIFY(UDN_DELTAPOS, 28699, &CAudioView::OnSpin)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CAudioView, CEnhancedFormView)
ON_EVENT(CAudioView, 26011, 4, &CAudioView::OnModeSwitch)
ON_EVENT(CAudioView, 26012, 4, &CAudioView::OnPositionSeek)
ON_EVENT(CAudioView, 26012, 9, &CAudioView::OnPositionHold)
ON_EVENT(CAudioView, 26012, 11, &CAudioView::OnPositionRelease)
ON_EVENT(CAudioView, 28696, 2, &CAudioView::OnPresetChosen)
ON_EVENT(CAudioView, 28882, 5, &CAudioView::OnGaugeClick)
ON_EVENT(CAudioView, 26013, 2, &CAudioView::OnSkipClick)
ON_EVENT(CAudioView, 26016, 2, &CAudioView::OnChainClick)
ON_EVENT(CAudioView, 26015, 2, &CAudioView::OnNothing)
ON_EVENT(CAudioView, 26023, 3, &CAudioView::OnNothing)
ON_EVENT(CAudioView, 26043, 18, &CAudioView::OnVolumeKnob)
ON_EVENT(CAudioView, 26043, 9, &CAudioView::OnVolumeDown)
ON_EVENT(CAudioView, 26043, 11, &CAudioView::OnVolumeUp)
ON_EVENT(CAudioView, 26043, 13, &CAudioView::OnVolumeDragEnd)
ON_EVENT(CAudioView, 26045, 4, &CAudioView::OnInvertKnob)
ON_EVENT(CAudioView, 26045, 11, &CAudioView::OnInvertKnobReleased)
ON_EVENT(CAudioView, 30063, 4, &CAudioView::OnManualLevelKnob)
ON_EVENT(CAudioView, 30063, 11, &CAudioView::OnManualLevelReleased)
ON_EVENT(CAudioView, 26044, 4, &CAudioView::OnInvertMode)
ON_EVENT(CAudioView, 30069, 4, &CAudioView::OnManualLevelSwitch)
ON_EVENT(CAudioView, 30064, 4, &CAudioView::OnRecordLevelSwitch)
ON_EVENT(CAudioView, 30071, 4, &CAudioView::OnPlaybackLevelSwitch)
END_EVENTSINK_MAP()

CAudioView::CAudioView(CString name, CString secondName, UINT form)
    : CEnhancedFormView(form), CAudioLogClient(name.GetString(), secondName.GetString()),
      m_name(std::move(name)), m_secondName(std::move(secondName)), m_form(form) {}

CAudioView::~CAudioView() {
    CScanApp::Trace(kSource, __LINE__);
    CRig::DetachAudioLog(this);
    CScanApp::Trace(kSource, __LINE__);
}

void CAudioView::DoDataExchange(CDataExchange* pDX) {
    CEnhancedFormView::DoDataExchange(pDX);
    DDX_Control(pDX, 26014, m_fileName);
    const std::pair<UINT, CWnd*> controls[] = {{kVolume, &m_volumeKnob},
                                               {kInvertFrequency, &m_invertKnob},
                                               {kManualLevel, &m_levelKnob},
                                               {kSkip, &m_skipButton},
                                               {kMute, &m_muteButton},
                                               {kChain, &m_chainButton},
                                               {27510, &m_frequencyText},
                                               {27819, &m_idText},
                                               {27027, &m_fileTitle},
                                               {26036, &m_radioName},
                                               {28451, &m_names[0]},
                                               {28452, &m_names[1]},
                                               {28453, &m_names[2]},
                                               {26025, &m_signal},
                                               {26034, &m_vuLeft},
                                               {30070, &m_vuRight},
                                               {26012, &m_positionSlider},
                                               {28882, &m_gauge},
                                               {26011, &m_modeSwitch},
                                               {26044, &m_invertModeSwitch},
                                               {30064, &m_recordLevelSwitch},
                                               {30071, &m_playbackLevelSwitch},
                                               {30069, &m_manualLevelSwitch},
                                               {kPresets, &m_presets},
                                               {26022, &m_kindLamp},
                                               {26023, &m_stateLamp},
                                               {26024, &m_indicator},
                                               {27641, &m_roleLamp},
                                               {26019, &m_clock},
                                               {26050, &m_elapsedClock},
                                               {26020, &m_frequency},
                                               {26021, &m_id},
                                               {26028, &m_day},
                                               {26029, &m_year},
                                               {26030, &m_month},
                                               {26026, &m_index},
                                               {26027, &m_position}};
    for (const auto& [id, control] : controls) {
        DDX_ControlIfPresent(pDX, static_cast<int>(id), *control);
    }
    for (std::size_t i = 0; i < kTransport.size(); ++i) {
        DDX_ControlIfPresent(pDX, static_cast<int>(kTransport[i]), m_transport[i]);
    }
    for (std::size_t i = 0; i < kIconButtons.size(); ++i) {
        DDX_ControlIfPresent(pDX, static_cast<int>(kIconButtons[i].id), m_iconButtons[i]);
    }
    for (std::size_t i = 0; i < kIdKindLamps.size(); ++i) {
        DDX_ControlIfPresent(pDX, static_cast<int>(kIdKindLamps[i]), m_idKindLamps[i]);
    }
    for (std::size_t i = 0; i < kPlainButtons.size(); ++i) {
        DDX_ControlIfPresent(pDX, static_cast<int>(kPlainButtons[i]), m_plainButtons[i]);
    }
    if (GetDlgItem(kMessage)) {
        DDX_Text(pDX, kMessage, m_message);
    }
}

BOOL CAudioView::Create(CWnd* parent, UINT id, DWORD style, CCreateContext* context) {
    return Create(nullptr, "", style, CRect(10, 10, 100, 100), parent, id, context);
}

BOOL CAudioView::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    if (GetSafeHwnd()) {
        return TRUE;
    }
    if (!CEnhancedFormView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID,
                                   pContext)) {
        return FALSE;
    }
    m_owner = this;
    return TRUE;
}

int CAudioView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    CEnhancedFormView::OnCreate(lpCreateStruct);
    return 0;
}

void CAudioView::OnInitialUpdate() {
    CEnhancedFormView::OnInitialUpdate();
    m_owner = this;
    m_created = true;
    const bool noSoundCard = !CAudioLog::Create(GetParentFrame(), 0);
    if (noSoundCard) {
        ShowMessage(kNoSoundCard);
    }
    for (std::size_t i = 0; i < kTransport.size(); ++i) {
        if (Present(m_transport[i])) {
            m_transport[i].SetIcon(CSize(16, 16), kTransport[i]);
        }
    }
    for (std::size_t i = 0; i < kIconButtons.size(); ++i) {
        if (Present(m_iconButtons[i])) {
            const auto [id, icon, size] = kIconButtons[i];
            m_iconButtons[i].SetIcon(CSize(size, size), icon);
        }
    }
    if (Present(m_muteButton)) {
        m_muteButton.SetIcon(CSize(32, 32), kMute);
        if (auto* app = CHalbridgeApp::Get()) {
            app->ApplyButtonTheme(&m_muteButton, nullptr);
        }
    }
    SetTimer(kTimerId, kTimerMs, nullptr);
    OnRoleHook();
    LoadInvertPresets();
    for (const UINT id : kInversionItems) {
        if (CWnd* control = GetDlgItem(id)) {
            control->ShowWindow(SW_SHOW);
        }
    }
    for (const UINT id : kInversionExtra) {
        if (CWnd* control = GetDlgItem(id)) {
            control->ShowWindow(SW_SHOW);
        }
    }
    if (Present(m_recordLevelSwitch)) {
        m_recordLevelSwitch.SetPosition(ReadInt("RecordAutoLevelControl", 0));
        m_recordAutoLevel = m_recordLevelSwitch.GetPosition() > 0;
    }
    if (Present(m_playbackLevelSwitch)) {
        m_playbackLevelSwitch.SetPosition(ReadInt("PlaybackAutoLevelControl", 0));
        m_playbackAutoLevel = m_playbackLevelSwitch.GetPosition() > 0;
    }
    if (Present(m_manualLevelSwitch)) {
        m_manualLevelSwitch.SetPosition(
            ReadInt("ManualInLevelControl", static_cast<int>(m_manualLevelSwitch.GetPosition())));
    }
    if (Present(m_levelKnob)) {
        m_levelKnob.SetPosition(ReadInt("ManualInLevelValue", kDefaultManualLevel));
    }
    UpdateIndicators(1, m_muted || al_monitor_master_mute ? 1 : 0);
    UpdateIndicators(9, Rounded(m_volume * 100));
    UpdateIndicators(4, m_file.IsOpen() ? 1 : 0);
    // The rig sets the logger's role, and with it the mode, before the view's first update: the
    // mode switch shows that mode rather than Off.
    UpdateStatus();
    // The file state's text would hide why nothing records.
    if (noSoundCard) {
        ShowMessage(kNoSoundCard);
    }
}

int CAudioView::SetRole(int role) {
    OnRoleHook();
    return CAudioLog::SetRole(role);
}

void CAudioView::DestroyClientWindow() {
    if (GetSafeHwnd()) {
        DestroyWindow();
    }
}

int CAudioView::ReadInt(const char* entry, int value) const {
    CScanApp* app = CScanApp::GetScanApp();
    return app && !m_section.empty() ? app->GetProfileIntA(m_section.c_str(), entry, value) : value;
}

void CAudioView::WriteInt(const char* entry, int value) const {
    if (CScanApp* app = CScanApp::GetScanApp(); app && !m_section.empty()) {
        app->WriteProfileInt(m_section.c_str(), entry, value);
    }
}

void CAudioView::LoadInvertPresets() {
    if (!Present(m_presets)) {
        return;
    }
    m_presets.RemoveAllItems();
    const int count = std::clamp(ReadInt("InvertPresetCount", 0), 0, kMostPresets);
    if (count > 0) {
        std::vector<int> values;
        for (int i = 0; i < count; ++i) {
            CString entry;
            entry.Format("InvertPreset%d", i);
            const int value = ReadInt(entry, 0);
            values.insert(std::upper_bound(values.begin(), values.end(), value), value);
        }
        for (const int value : values) {
            CString text;
            text.Format("%04d Hz", value);
            m_presets.AddItem(text, value);
        }
    } else {
        for (const char* text : kDefaultPresets) {
            m_presets.AddItem(text, std::atoi(text));
        }
    }
    SelectPresetOf(static_cast<int>(m_invertFrequency));
}

void CAudioView::SaveInvertPresets() {
    if (!Present(m_presets)) {
        return;
    }
    int counter = 0;
    for (int i = 0; i < m_presets.GetItemCount(); ++i) {
        const int value = static_cast<int>(m_presets.GetItemValue(i));
        if (value != 0) {
            CString entry;
            entry.Format("InvertPreset%d", counter++);
            WriteInt(entry, value);
        }
    }
    WriteInt("InvertPresetCount", counter);
}

void CAudioView::SelectPresetOf(int value) {
    for (int i = 0; i < m_presets.GetItemCount(); ++i) {
        if (static_cast<int>(m_presets.GetItemValue(i)) == value) {
            m_presets.SetItemIndex(i);
            return;
        }
    }
}

void CAudioView::TakePreset(int index) {
    m_presets.SetItemIndex(index);
    m_invertFrequency = m_presets.GetItemValue(index);
    if (Present(m_invertKnob)) {
        m_invertKnob.SetPosition(m_invertFrequency);
    }
    WriteInt("InvertFreq", static_cast<int>(m_invertFrequency));
    DSPInvertSetup();
}

void CAudioView::OnAddPreset() {
    if (!Present(m_presets)) {
        return;
    }
    const int value = static_cast<int>(m_invertKnob.GetPosition());
    CString text;
    text.Format("%04d Hz", value);
    m_presets.AddItem(text, value);
    SaveInvertPresets();
    LoadInvertPresets();
}

void CAudioView::OnRemovePreset() {
    if (!Present(m_presets)) {
        return;
    }
    const int chosen = m_presets.GetItemIndex();
    if (chosen >= 0) {
        m_presets.RemoveItem(chosen);
    }
    SaveInvertPresets();
    LoadInvertPresets();
}

void CAudioView::StepPreset(int step) {
    const int count = Present(m_presets) ? m_presets.GetItemCount() : 0;
    if (count == 0) {
        return;
    }
    int index = m_presets.GetItemIndex();
    if (step >= 0) {
        index = index <= 0 ? count - 1 : index - 1;
    } else {
        index = index < 0 || index >= count - 1 ? 0 : index + 1;
    }
    TakePreset(index);
}

void CAudioView::OnSpin(NMHDR* header, LRESULT* result) {
    StepPreset(reinterpret_cast<NMUPDOWN*>(header)->iDelta);
    *result = 0;
}

void CAudioView::OnPresetChosen() {
    const int chosen = m_presets.GetItemIndex();
    if (chosen >= 0) {
        TakePreset(chosen);
    }
}

void CAudioView::OnGaugeClick() {
    m_average = 0;
    m_gauge.SetPointersPosition(0, m_level);
    m_gauge.SetPointersPosition(1, 0);
}

void CAudioView::OnVolumeKnob() {
    Volume(std::min(static_cast<int>(m_volumeKnob.GetPosition()), 100));
}

void CAudioView::OnInvertKnob() {
    const int value = Rounded(m_invertKnob.GetPosition());
    if (Present(m_presets)) {
        SelectPresetOf(value);
    }
    m_invertFrequency = value;
    DSPInvertSetup();
}

void CAudioView::OnInvertKnobReleased(short, short, long, long) {
    WriteInt("InvertFreq", static_cast<int>(m_invertFrequency));
}

void CAudioView::OnManualLevelKnob() {
    if (m_manualLevelSwitch.GetPosition() != 0) {
        CAudioLog::AutoGainControl(1, static_cast<int>(m_levelKnob.GetPosition()));
    }
}

void CAudioView::OnManualLevelReleased(short, short, long, long) {
    if (m_manualLevelSwitch.GetPosition() != 0) {
        WriteInt("ManualInLevelValue", static_cast<int>(m_levelKnob.GetPosition()));
    }
}

void CAudioView::OnManualLevelSwitch() {
    const int position = static_cast<int>(m_manualLevelSwitch.GetPosition());
    if (position != 0) {
        CAudioLog::AutoGainControl(1, static_cast<int>(m_levelKnob.GetPosition()));
    } else {
        CAudioLog::AutoGainControl(0, 0);
    }
    WriteInt("ManualInLevelControl", position);
}

void CAudioView::OnRecordLevelSwitch() {
    const int position = static_cast<int>(m_recordLevelSwitch.GetPosition());
    m_recordAutoLevel = position > 0;
    WriteInt("RecordAutoLevelControl", position);
}

void CAudioView::OnPlaybackLevelSwitch() {
    const int position = static_cast<int>(m_playbackLevelSwitch.GetPosition());
    m_playbackAutoLevel = position > 0;
    WriteInt("PlaybackAutoLevelControl", position);
}

void CAudioView::OnInvertMode() {
    m_invertMode = static_cast<int>(m_invertModeSwitch.GetPosition());
    WriteInt("InvertMode", m_invertMode);
}

void CAudioView::OnMuteButton() {
    if (Present(m_muteButton) && m_muteButton.GetChecked()) {
        m_muteButton.SetChecked(FALSE);
        Mute(0);
    } else {
        if (Present(m_muteButton)) {
            m_muteButton.SetChecked(TRUE);
        }
        Mute(1);
    }
}

void CAudioView::OnMutePeers() {
    MutePeers();
}

void CAudioView::RunVolumeProgram(bool record) const {
    CScanApp* app = CScanApp::GetScanApp();
    const bool old = app && app->GetWindowsMajorVersion() < 6;
    WinExec(record ? (old ? "SNDVOL32.EXE /RECORD" : "SNDVOL.EXE /RECORD")
                   : (old ? "SNDVOL32.EXE" : "SNDVOL.EXE"),
            SW_SHOW);
}

void CAudioView::OnVolumeMixer() {
    RunVolumeProgram(false);
}

void CAudioView::OnRecordingMixer() {
    RunVolumeProgram(true);
}

void CAudioView::OnExploreFolder() {
    CString path = m_file.m_name.c_str();
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->MakeDocPath(path);
    }
    std::string folder = path.GetString();
    const std::size_t slash = folder.find_last_of("/\\");
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
    CWnd* main = AfxGetMainWnd();
    ShellExecute(main ? main->m_hWnd : HWND{}, "explore", folder.c_str(), nullptr, nullptr,
                 SW_SHOWNORMAL);
}

void CAudioView::OnMainWindowCommand() {
    if (CWnd* main = AfxGetMainWnd()) {
        main->SendMessage(WM_COMMAND, 26031, 0);
    }
}

void CAudioView::OnTimer(UINT_PTR id) {
    if (id != kTimerId) {
        CEnhancedFormView::OnTimer(id);
        return;
    }
    if (m_role > 1 && Present(m_stateLamp)) {
        m_stateLamp.SetActive(m_activity != 0);
    }
    if (Present(m_manualLevelSwitch) && m_manualLevelSwitch.GetPosition() == 0 &&
        Present(m_levelKnob)) {
        m_levelKnob.SetPosition(GetAutoLevel());
    }
    OnTimerTick();
}

HBRUSH CAudioView::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CEnhancedFormView::OnCtlColor(pDC, pWnd, nCtlColor);
    if (pWnd && pWnd->GetDlgCtrlID() == static_cast<int>(kMessage)) {
        pDC->SetBkColor(0);
        pDC->SetTextColor(kGreen);
        return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    }
    if (nCtlColor == kCtlColorStatic) {
        if (CScanApp* app = CScanApp::GetScanApp()) {
            pDC->SetTextColor(app->Colors().staticText);
        }
    }
    return brush;
}

void CAudioView::ShowMessage(const CString& text) {
    m_message = text;
    if (CWnd* control = GetSafeHwnd() ? GetDlgItem(kMessage) : nullptr) {
        control->SetWindowText(text);
    }
}

void CAudioView::ShowStateLamp() {
    if (Present(m_stateLamp)) {
        hb::audio::ShowStateLamp(m_stateLamp, *this);
    }
}

void CAudioView::UpdateStatus() {
    if (m_role == 2) {
        for (const UINT id : {26025u, 27641u, kRoleItem}) {
            if (CWnd* control = GetDlgItem(id)) {
                control->ShowWindow(SW_SHOW);
            }
        }
    }
    if (Present(m_gauge)) {
        const double level = m_level;
        m_average = m_average == 0 ? level : (m_average + 0.01 * level) * 0.99;
        m_gauge.SetPointersPosition(0, level);
        m_gauge.SetPointersPosition(1, m_average);
    }
    if (Present(m_modeSwitch)) {
        m_modeSwitch.SetPosition(m_mode);
    }
    CAudioLogClient::UpdateStatus();
}

void CAudioView::UpdateSegment(const char* file, const wlseg* segment, std::uint32_t n) {
    CAudioLogClient::UpdateSegment(file, segment, n);
}

void CAudioView::UpdateAnnotation(const wlseg* segment) {
    CAudioLogClient::UpdateAnnotation(segment);
}

void CAudioView::UpdatePosition() {
    if (!Present(m_fileName)) {
        return;
    }
    if (m_role == 1) {
        ShowStateLamp();
    }
    const std::int64_t dataStart = static_cast<std::int64_t>(m_file.m_dataStart);
    const bool recording = m_mode == kModeRecord && (m_role == 1 || m_role == 2);
    const wlseg& segment = recording ? m_file.LastHeader() : m_file.CurrentHeader();
    const auto segmentStart = static_cast<std::int64_t>(segment.get(wlseg::kOwnOffset));
    const double perSecond =
        m_file.IsOpen() ? m_file.m_format.get(hb::records::SwqWaveFormat::kAverageBytesPerSecond)
                        : 0;
    // Without a file or a byte rate the clock stands at 0.
    const auto elapsed = [perSecond](std::int64_t bytes) {
        return perSecond > 0 ? std::max<std::int64_t>(bytes, 0) / perSecond / kSecondsPerDay : 0.0;
    };
    if (recording) {
        const std::int64_t end = static_cast<std::int64_t>(m_file.m_size);
        m_position.SetValue(hb::audio::CounterValue(end - dataStart - kSegmentHeaderBytes));
        ShowTime(m_elapsedClock, elapsed(end - segmentStart - kSegmentAudioOffset));
        m_index.SetValue(static_cast<long>(m_file.m_recordCount));
    } else {
        m_index.SetValue(static_cast<long>(m_file.m_currentRecord));
        const std::int64_t offset = static_cast<std::int64_t>(m_file.m_currentOffset);
        const std::int64_t position = offset - dataStart - kSegmentHeaderBytes;
        if (!hb::audio::PlaybackHeld(*this)) {
            m_position.SetValue(hb::audio::CounterValue(position));
            ShowTime(m_elapsedClock, elapsed(offset - segmentStart - kSegmentAudioOffset));
        }
        if (m_mode == kModePlay && Present(m_positionSlider)) {
            const double length = static_cast<double>(m_file.m_size) - dataStart;
            m_seekGuard = true;
            m_positionSlider.SetPosition(
                length > 0 ? std::clamp(position / length * 100, 0.0, 100.0) : 0.0);
            m_seekGuard = false;
        }
    }
    CAudioLogClient::UpdatePosition();
}

void CAudioView::UpdateTime(std::uint32_t time, int n) {
    if (!Present(m_clock)) {
        return;
    }
    hb::audio::ShowSegmentDate({m_clock, m_year, m_month, m_day}, *this, time);
    CAudioLogClient::UpdateTime(time, n);
}

void CAudioView::UpdateInfo(const dal* record, const char* text) {
    if (!GetSafeHwnd()) {
        return;
    }
    CString message;
    const auto lamps = [this](int kind) {
        for (std::size_t i = 0; i < m_idKindLamps.size(); ++i) {
            if (Present(m_idKindLamps[i])) {
                m_idKindLamps[i].SetActive(kIdKinds[i] == kind);
            }
        }
    };
    const auto label = [this](CiLabelX& control, const std::string& caption) {
        if (Present(control)) {
            control.SetCaption(caption.c_str());
        }
    };
    if (!record || record->get(dal::kFrequency) == 0) {
        m_frequency.SetValue(0);
        m_id.SetValue(0);
        m_id.SetPrecision(0);
        m_signal.SetPosition(0);
        label(m_frequencyText, "0.0");
        label(m_idText, "");
        for (CiLabelX& name : m_names) {
            label(name, "");
        }
        lamps(-1);
        if (Present(m_indicator)) {
            m_indicator.SetActive(FALSE);
        }
        if (Present(m_kindLamp)) {
            m_kindLamp.SetActive(FALSE);
            m_kindLamp.SetCaption("ID Code");
        }
    } else {
        const std::uint32_t hz = record->get(dal::kFrequency);
        if (hz > 30'000'000) {
            m_frequency.SetPrecision(4);
            m_frequency.SetValue(hz * 0.000001);
        } else if (m_hfInMHz) {
            m_frequency.SetPrecision(6);
            m_frequency.SetValue(hz * 0.000001);
        } else {
            m_frequency.SetPrecision(3);
            m_frequency.SetValue(hz * 0.001);
        }
        m_signal.SetPosition(record->get(dal::kLevel));
        const std::string names[] = {record->text(dal::kName1), record->text(dal::kName2),
                                     record->text(dal::kName3)};
        for (std::size_t i = 0; i < m_names.size(); ++i) {
            label(m_names[i], names[i]);
        }
        label(m_radioName, record->text(dal::kRadioName));
        label(m_frequencyText, hb::audio::FrequencyText(hz, m_hfInMHz));
        message = hb::audio::ChannelMessage(*record, text, m_hfInMHz).c_str();
        const hb::audio::IdShown id = hb::audio::ShowId(*record);
        m_id.SetPrecision(id.decimals);
        m_id.SetValue(id.value);
        CString idText;
        if (id.value != 0) {
            idText.Format("%.*f", id.decimals, id.value);
        }
        label(m_idText, idText.GetString());
        lamps(record->get(dal::kUserId).get(hb::records::UserId::kKind));
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

void CAudioView::UpdateIndicators(int kind, int value) {
    if (!Present(m_fileName)) {
        return;
    }
    const auto check = [value, this](CXTPButton& button) {
        if (Present(button)) {
            button.SetChecked(value != 0);
        }
    };
    switch (kind) {
    case 0:
        check(m_skipButton);
        break;
    case 1:
        check(m_muteButton);
        break;
    case 2:
        check(m_chainButton);
        break;
    case 3:
        m_position.SetValue(0);
        ShowTime(m_elapsedClock, 0);
        m_index.SetValue(0);
        if (Present(m_positionSlider)) {
            m_positionSlider.SetPosition(0);
        }
        break;
    case 4: {
        const hb::audio::FileStateTexts texts = hb::audio::FileState(value);
        const std::string stem = hb::win::PathStem(m_file.m_name);
        if (value == 1) {
            m_fileName.SetCaption(stem.c_str());
        } else if (texts.name) {
            m_fileName.SetCaption(texts.name);
        }
        if (Present(m_fileTitle)) {
            m_fileTitle.SetCaption(value == 1 ? stem.c_str() : "");
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
        if (Present(m_stateLamp)) {
            m_stateLamp.SetActive(value != 0);
        }
        break;
    case 9:
        if (Present(m_volumeKnob) && !m_volumeDrag) {
            m_volumeKnob.SetPosition(value);
        }
        break;
    case 10:
        if (Present(m_invertKnob)) {
            m_invertKnob.SetPosition(value);
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

void CAudioView::UpdateVUMeter(int left, int right) {
    if (Present(m_vuLeft)) {
        m_vuLeft.SetPosition(left);
    }
    if (Present(m_vuRight)) {
        m_vuRight.SetPosition(right);
    }
    CAudioLogClient::UpdateVUMeter(left, right);
}

void CAudioView::OnModeSwitch() {
    hb::audio::TakeModeSwitch(*this, m_modeSwitch, GetSafeHwnd());
}

void CAudioView::OnPositionSeek() {
    if (m_mode == kModePlay && !m_seekGuard) {
        hb::audio::SeekToPercent(*this, m_positionSlider.GetPosition());
    }
}

void CAudioView::OnPositionHold(short, short, long, long) {
    hb::audio::HoldPlayback(*this);
}

void CAudioView::OnPositionRelease(short, short, long, long) {
    hb::audio::ReleasePlayback(*this);
}
