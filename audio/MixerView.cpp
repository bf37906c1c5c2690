#include "audio/MixerView.h"

#include "app/HalbridgeApp.h"
#include "app/mainframe/MainFrame.h"
#include "app/rig/Rig.h"
#include "app/rig/RigList.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/Ddx.h"
#include "platform/afx/EventSinkMap.h"
#include "platform/instruments/Dispids.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/audio/Mixer.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Messages.h"

#include <cmath>
#include <string_view>

IMPLEMENT_DYNAMIC(CMixerView, CEnhancedFormView)

namespace {

constexpr UINT kMixerForm = 29592;
constexpr UINT kPicture = 28025;
constexpr UINT kHeading = 27587;
constexpr UINT kVolumeIcon = 27017;
constexpr UINT kMuteIcon = 26015;
constexpr UINT kShowIcon = 26049;
constexpr long kHeadingProperty = 14;
constexpr long kSliderProperty = 45;
constexpr const char* kCardCaption = "Sound Card Speaker Volume Control";

// The card a routing line names: its top byte.
UINT CardOfLine(std::int32_t line) {
    return (static_cast<std::uint32_t>(line) >> 24) & 0xFF;
}

} // namespace

// The knob and the two sliders of row `r`.
#define HB_MIXER_ROW_EVENTS(r)                                                                     \
    ON_EVENT(CMixerView, 29620 + (r), 0x12, &CMixerView::OnKnobEvent<r>)                           \
    ON_EVENT(CMixerView, 29620 + (r), 9, &CMixerView::OnKnobDownEvent<r>)                          \
    ON_EVENT(CMixerView, 29620 + (r), 0x0B, &CMixerView::OnKnobUpEvent<r>)                         \
    ON_EVENT(CMixerView, 29720 + (r), 4, &CMixerView::OnSpeakerEvent<r>)                           \
    ON_EVENT(CMixerView, 29740 + (r), 4, &CMixerView::OnWaveEvent<r>)

BEGIN_MESSAGE_MAP(CMixerView, CEnhancedFormView)
ON_WM_TIMER()
ON_WM_DESTROY()
ON_MESSAGE(MM_MIXM_CONTROL_CHANGE, &CMixerView::OnMixerControlChange)
ON_COMMAND_RANGE(29660, 29669, &CMixerView::OnMuteCommand)
ON_COMMAND_RANGE(29680, 29689, &CMixerView::OnShowCommand)
HB_AFX_MAP_ENTRY(WM_COMMAND, CBN_SELCHANGE, 29938, 29947,
                 HB_AFX_CALL(::hb::afx::sig::Id, &CMixerView::OnOutputCommand)(hbCall.id);
                 return true;)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CMixerView, CEnhancedFormView)
HB_MIXER_ROW_EVENTS(0)
HB_MIXER_ROW_EVENTS(1)
HB_MIXER_ROW_EVENTS(2)
HB_MIXER_ROW_EVENTS(3)
HB_MIXER_ROW_EVENTS(4)
HB_MIXER_ROW_EVENTS(5)
HB_MIXER_ROW_EVENTS(6)
HB_MIXER_ROW_EVENTS(7)
HB_MIXER_ROW_EVENTS(8)
HB_MIXER_ROW_EVENTS(9)
END_EVENTSINK_MAP()

CMixerView::CMixerView() : CEnhancedFormView(kMixerForm) {}

void CMixerView::DoDataExchange(CDataExchange* pDX) {
    CEnhancedFormView::DoDataExchange(pDX);
    for (int i = 0; i < kRows; ++i) {
        DDX_ControlIfPresent(pDX, kKnobId + i, m_knobs[i]);
        DDX_ControlIfPresent(pDX, kLevelId + i, m_levels[i]);
        DDX_ControlIfPresent(pDX, kMuteId + i, m_muteButtons[i]);
        DDX_ControlIfPresent(pDX, kShowId + i, m_showButtons[i]);
        DDX_ControlIfPresent(pDX, kSpeakerId + i, m_speakerSliders[i]);
        DDX_ControlIfPresent(pDX, kWaveId + i, m_waveSliders[i]);
        DDX_ControlIfPresent(pDX, kOutputId + i, m_outputs[i]);
    }
}

void CMixerView::OnInitialUpdate() {
    CEnhancedFormView::OnInitialUpdate();
    BuildRows();
}

CSize CMixerView::GetContentSize() {
    SetScrollSizes(MM_TEXT, m_contentSize);
    return m_contentSize;
}

void CMixerView::CloseMixers() {
    for (Row& row : m_rows) {
        if (row.mixer) {
            mixerClose(row.mixer);
            row.mixer = 0;
        }
    }
}

void CMixerView::ClearRow(Row& row) {
    const HMIXER mixer = row.mixer;
    row = Row{};
    row.mixer = mixer;
}

void CMixerView::ShowRowControls(int row, bool card, bool logger) {
    const auto show = [this](UINT id, bool on) {
        if (CWnd* control = GetDlgItem(id)) {
            control->ShowWindow(on ? SW_SHOW : SW_HIDE);
        }
    };
    show(kFrameId + row, card || logger);
    show(kKnobId + row, logger);
    show(kLevelId + row, logger);
    show(kMuteId + row, card || logger);
    show(kShowId + row, logger);
    show(kCaptionId + row, card);
    show(kSpeakerId + row, card);
    show(kWaveId + row, card);
    show(kSpeakerLabelId + row, card);
    show(kWaveLabelId + row, card);
    show(kOutputId + row, logger);
}

void CMixerView::TakeFrameExtent(int row) {
    CWnd* frame = GetDlgItem(kFrameId + row);
    if (!frame) {
        return;
    }
    CRect frameRect;
    CRect viewRect;
    frame->GetWindowRect(&frameRect);
    GetWindowRect(&viewRect);
    m_contentSize = CSize(frameRect.right - viewRect.left + 4, frameRect.bottom - viewRect.top + 4);
}

void CMixerView::SizePane() {
    auto* main = dynamic_cast<CMainFrame*>(GetParentFrame());
    if (!main) {
        return;
    }
    if (CXTPDockingPane* pane = main->m_paneManager.FindPane(GetDlgCtrlID())) {
        const CSize size = GetContentSize();
        pane->SetMinTrackSize(size);
        pane->SetMaxTrackSize(size);
        // A hidden pane takes no room: laying the frame out again would only repaint it all.
        if (!pane->IsHidden()) {
            main->m_paneManager.RecalcFrameLayout(pane, FALSE);
            main->m_paneManager.RedrawPanes();
        }
    }
}

bool CMixerView::IsEligible(UINT mixer, BOOL inUse) const {
    if (waveOutGetNumDevs() < 2 || inUse) {
        return true;
    }
    for (const CRig* rig : CRigList::Get()) {
        if (CardOfLine(rig->m_audio_output) == mixer || CardOfLine(rig->m_audio_monitor) == mixer) {
            return true;
        }
    }
    return false;
}

DWORD CMixerView::FindControl(HMIXER mixer, DWORD line, DWORD type, MIXERCONTROLA* found) const {
    MIXERCONTROLA control;
    MIXERLINECONTROLSA controls;
    controls.dwLineID = line;
    controls.dwControlType = type;
    controls.pamxctrl = &control;
    if (mixerGetLineControlsA(mixer, &controls,
                              MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR) {
        return kNoControl;
    }
    if (found) {
        *found = control;
    }
    return control.dwControlID;
}

bool CMixerView::ReadControl(HMIXER mixer, DWORD control, DWORD& value) const {
    if (control == kNoControl) {
        return false;
    }
    MIXERCONTROLDETAILS_UNSIGNED detail;
    MIXERCONTROLDETAILS details;
    details.dwControlID = control;
    details.paDetails = &detail;
    if (mixerGetControlDetailsA(mixer, &details, MIXER_OBJECTF_HMIXER) != MMSYSERR_NOERROR) {
        return false;
    }
    value = detail.dwValue;
    return true;
}

void CMixerView::WriteControl(HMIXER mixer, DWORD control, DWORD value) const {
    if (control == kNoControl) {
        return;
    }
    MIXERCONTROLDETAILS_UNSIGNED detail{value};
    MIXERCONTROLDETAILS details;
    details.dwControlID = control;
    details.paDetails = &detail;
    mixerSetControlDetails(mixer, &details, MIXER_OBJECTF_HMIXER);
}

void CMixerView::SetUpCardRow(int i, HMIXER mixer, DWORD speakerLine) {
    Row& row = m_rows[i];
    const auto setUpSlider = [&](CiSliderX& slider, DWORD line) {
        MIXERCONTROLA volume;
        const DWORD id = FindControl(mixer, line, MIXERCONTROL_CONTROLTYPE_VOLUME, &volume);
        DWORD value = 0;
        if (id != kNoControl && ReadControl(mixer, id, value)) {
            slider.SetPositionMin(volume.Bounds.dwMinimum);
            slider.SetPositionMax(volume.Bounds.dwMaximum);
            slider.SetPosition(value);
        }
        return id;
    };
    row.speakerVolume = setUpSlider(m_speakerSliders[i], speakerLine);
    row.speakerMute = FindControl(mixer, speakerLine, MIXERCONTROL_CONTROLTYPE_MUTE);
    DWORD value = 0;
    if (ReadControl(mixer, row.speakerMute, value)) {
        row.speakerMuted = value != 0;
    }
    MIXERLINEA wave;
    wave.dwComponentType = MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT;
    if (mixerGetLineInfoA(mixer, &wave, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) ==
        MMSYSERR_NOERROR) {
        row.waveVolume = setUpSlider(m_waveSliders[i], wave.dwLineID);
        row.waveMute = FindControl(mixer, wave.dwLineID, MIXERCONTROL_CONTROLTYPE_MUTE);
        if (ReadControl(mixer, row.waveMute, value)) {
            row.waveMuted = value != 0;
        }
    }
    if (m_muteButtons[i].GetSafeHwnd()) {
        m_muteButtons[i].SetChecked(row.speakerMuted || row.waveMuted);
    }
}

void CMixerView::BuildRows() {
    if (auto* app = CHalbridgeApp::Get()) {
        app->m_mixerRebuild = FALSE;
    }
    const HICON volumeIcon = AfxGetApp()->LoadIcon(kVolumeIcon);
    SendDlgItemMessage(kPicture, STM_SETICON,
                       static_cast<WPARAM>(hb::win::ParamFromHandle(volumeIcon)));
    if (CWnd* heading = GetDlgItem(kHeading)) {
        hb::instruments::InstrumentWrapper label;
        label.Attach(heading->m_hWnd);
        label.SetProperty(kHeadingProperty, 1);
        label.Detach();
    }
    for (int i = 0; i < kRows; ++i) {
        if (m_muteButtons[i].GetSafeHwnd()) {
            if (auto* app = CHalbridgeApp::Get()) {
                app->ApplyButtonTheme(&m_muteButtons[i], nullptr);
            }
            m_muteButtons[i].SetIcon(CSize(32, 32), kMuteIcon);
        }
        if (m_showButtons[i].GetSafeHwnd()) {
            m_showButtons[i].SetIcon(CSize(32, 32), kShowIcon);
        }
        m_speakerSliders[i].SetProperty(kSliderProperty, 1);
        m_waveSliders[i].SetProperty(kSliderProperty, 1);
    }
    CloseMixers();
    for (Row& row : m_rows) {
        row = Row{};
    }
    m_cardRows = 0;
    m_rowsLaidOut = 0;
    m_contentSize = CSize(100, 100);
    for (const CMixer::Source& card : CMixer::m_mix_list) {
        if (m_cardRows >= kRows) {
            break;
        }
        if (!IsEligible(card.mixer, card.inUse)) {
            continue;
        }
        HMIXER mixer = 0;
        if (mixerOpen(&mixer, card.mixer, static_cast<DWORD_PTR>(hb::win::ParamFromHandle(m_hWnd)),
                      0, CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
            continue;
        }
        MIXERLINEA speaker;
        speaker.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
        if (mixerGetLineInfoA(mixer, &speaker,
                              MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) !=
            MMSYSERR_NOERROR) {
            mixerClose(mixer);
            continue;
        }
        const int i = m_cardRows;
        m_rows[i].mixer = mixer;
        SetDlgItemText(kFrameId + i, card.name.c_str());
        SetDlgItemText(kCaptionId + i, kCardCaption);
        ShowRowControls(i, true, false);
        TakeFrameExtent(i);
        SetUpCardRow(i, mixer, speaker.dwLineID);
        if (CWnd* frame = GetDlgItem(kFrameId + i)) {
            frame->Invalidate();
        }
        ++m_cardRows;
    }
    m_rowsLaidOut = m_cardRows;
    for (int i = m_cardRows; i < kRows; ++i) {
        ShowRowControls(i, false, false);
        m_knobs[i].SetPositionMin(0);
        m_knobs[i].SetPositionMax(100);
    }
    SizePane();
    SetTimer(kTimerId, kTimerMs, nullptr);
}

void CMixerView::BuildLoggerRows() {
    const auto& logs = CAudioLog::al_list;
    int i = m_cardRows;
    for (std::size_t n = 0; n < logs.size() && i < kRows; ++n, ++i) {
        Row& row = m_rows[i];
        row.shownName.clear();
        ShowRowControls(i, false, true);
        row.shownMute = 0;
        row.dragging = 0;
        row.holdOff = 0;
        TakeFrameExtent(i);
        if (m_outputs[i].GetSafeHwnd()) {
            CMixer::EnumerateOutputs(&m_outputs[i], "");
            for (int item = 0; item < m_outputs[i].GetCount(); ++item) {
                if (static_cast<std::int32_t>(m_outputs[i].GetItemData(item)) ==
                    logs[n]->m_monitorLine) {
                    m_outputs[i].SetCurSel(item);
                }
            }
        }
        RefreshLoggerRow(i, logs[n]);
    }
    m_rowsLaidOut = i;
    for (; i < kRows; ++i) {
        m_rows[i].shownName.clear();
        ShowRowControls(i, false, false);
    }
    SizePane();
    m_loggersLaidOut = logs.size();
}

void CMixerView::RefreshLoggerRow(int i, CAudioLog* log) {
    if (i < m_cardRows || i >= kRows || !log) {
        return;
    }
    Row& row = m_rows[i];
    if (row.shownName != log->GetNameText()) {
        const std::string_view display = log->GetDisplayName();
        CString caption;
        if (display == "Audio Manager") {
            caption = log->GetDisplayName();
        } else {
            caption.Format(log->m_role == 2 ? "Remote RX %s" : "Local RX %s",
                           log->GetDisplayName());
        }
        SetDlgItemText(kCaptionId + i, caption);
        SetDlgItemText(kFrameId + i, log->GetDisplayName());
        if (CWnd* frame = GetDlgItem(kFrameId + i)) {
            frame->Invalidate();
        }
        row.shownName = log->GetNameText();
    }
    m_levels[i].SetPosition(log->m_level);
    const BYTE muted = log->m_muted ? 1 : 0;
    if (muted != row.shownMute) {
        if (m_muteButtons[i].GetSafeHwnd()) {
            m_muteButtons[i].SetChecked(muted);
        }
        row.shownMute = muted;
    }
    if (!row.dragging) {
        if (row.holdOff > 0) {
            --row.holdOff;
        }
        if (row.holdOff == 0) {
            m_knobs[i].SetPosition(std::lround(log->m_volume * 100));
        }
    }
}

CAudioLog* CMixerView::LoggerOf(int row) const {
    if (row < m_cardRows || row >= kRows) {
        return nullptr;
    }
    const std::size_t place = static_cast<std::size_t>(row - m_cardRows);
    return place < CAudioLog::al_list.size() ? CAudioLog::al_list[place] : nullptr;
}

void CMixerView::OnTimer(UINT_PTR id) {
    if (id != kTimerId) {
        CEnhancedFormView::OnTimer(id);
        return;
    }
    auto* app = CHalbridgeApp::Get();
    if (app && app->m_mixerRebuild) {
        KillTimer(kTimerId);
        // The mixers stay for BuildRows to close.
        for (Row& row : m_rows) {
            ClearRow(row);
        }
        m_loggersLaidOut = 0;
        BuildRows();
        return;
    }
    if (CAudioLog::al_list.size() != m_loggersLaidOut) {
        BuildLoggerRows();
    }
    if (IsWindowVisible()) {
        for (std::size_t n = 0; n < CAudioLog::al_list.size(); ++n) {
            RefreshLoggerRow(m_cardRows + static_cast<int>(n), CAudioLog::al_list[n]);
        }
    }
}

void CMixerView::OnDestroy() {
    KillTimer(kTimerId);
    CloseMixers();
    CEnhancedFormView::OnDestroy();
}

LRESULT CMixerView::OnMixerControlChange(WPARAM wParam, LPARAM lParam) {
    const auto mixer = static_cast<HMIXER>(wParam);
    const auto control = static_cast<DWORD>(lParam);
    for (int i = 0; i < m_cardRows; ++i) {
        Row& row = m_rows[i];
        if (row.mixer != mixer) {
            continue;
        }
        DWORD value = 0;
        if (!ReadControl(mixer, control, value)) {
            continue;
        }
        if (control == row.speakerVolume) {
            m_speakerSliders[i].SetPosition(value);
        } else if (control == row.waveVolume) {
            m_waveSliders[i].SetPosition(value);
        } else if (control == row.speakerMute || control == row.waveMute) {
            (control == row.speakerMute ? row.speakerMuted : row.waveMuted) = value != 0;
            if (m_muteButtons[i].GetSafeHwnd()) {
                m_muteButtons[i].SetChecked(row.speakerMuted || row.waveMuted);
            }
        }
    }
    return 0;
}

void CMixerView::SetSpeakerVolume(int row) {
    if (row < m_cardRows) {
        WriteControl(m_rows[row].mixer, m_rows[row].speakerVolume,
                     static_cast<DWORD>(std::lround(m_speakerSliders[row].GetPosition())));
    }
}

void CMixerView::SetWaveVolume(int row) {
    if (row < m_cardRows) {
        WriteControl(m_rows[row].mixer, m_rows[row].waveVolume,
                     static_cast<DWORD>(std::lround(m_waveSliders[row].GetPosition())));
    }
}

void CMixerView::OnMuteButton(int row) {
    if (row < 0 || row >= kRows) {
        return;
    }
    CXTPButton& button = m_muteButtons[row];
    if (row >= m_cardRows) {
        if (CAudioLog* log = LoggerOf(row)) {
            const BOOL mute = log->m_muted ? 0 : 1;
            log->Mute(mute);
            if (button.GetSafeHwnd()) {
                button.SetChecked(mute);
            }
            // Else the next refresh would not see a change made outside back to the old state.
            m_rows[row].shownMute = static_cast<BYTE>(mute);
        }
        return;
    }
    const BOOL mute = button.GetChecked() ? FALSE : TRUE;
    button.SetChecked(mute);
    WriteControl(m_rows[row].mixer, m_rows[row].speakerMute, mute ? 1 : 0);
    if (!mute) {
        WriteControl(m_rows[row].mixer, m_rows[row].waveMute, 0);
    }
}

void CMixerView::ShowLogger(int row) {
    CAudioLog* log = LoggerOf(row);
    if (!log) {
        return;
    }
    log->MutePeers();
    CFrameWnd* frame = log->m_owner ? log->m_owner->GetParentFrame() : nullptr;
    auto* main = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (frame && main) {
        main->MDIActivate(frame);
        // A pane in an auto-hide window would cover the window just brought forward.
        CXTPDockingPane* pane = main->m_paneManager.FindPane(GetDlgCtrlID());
        if (pane && pane->IsAutoHide()) {
            pane->Hide();
        }
    }
}

void CMixerView::OnOutputChange(int row) {
    CAudioLog* log = LoggerOf(row);
    if (!log || !m_outputs[row].GetSafeHwnd()) {
        return;
    }
    const int chosen = m_outputs[row].GetCurSel();
    if (chosen < 0) {
        return;
    }
    log->ChangeMonitorOutputLine(static_cast<std::int32_t>(m_outputs[row].GetItemData(chosen)));
    if (auto* app = CHalbridgeApp::Get()) {
        app->m_mixerRebuild = TRUE;
    }
}

void CMixerView::OnKnobDown(int row) {
    m_rows[row].dragging = 1;
}

void CMixerView::OnKnobUp(int row) {
    m_rows[row].dragging = 0;
    m_rows[row].holdOff = kHoldOffTicks;
}

void CMixerView::OnKnobTurned(int row) {
    if (CAudioLog* log = LoggerOf(row)) {
        log->Volume(static_cast<int>(std::lround(m_knobs[row].GetPosition())));
    }
}
