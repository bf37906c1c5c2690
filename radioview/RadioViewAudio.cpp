// The panel's side of the radio's audio logger: the hold switch and the LIVE/PLAY lamp, the
// recorder lamp, the logger's volume knob, the recording mark, the channel replayed while on hold,
// the meter and VU values, and the button that shows the current channel in the scan list.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/records/DeviceStatus.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/audio/AudioSegment.h"
#include "platform/tessary/model/Roster.h"
#include "programming/ScanListView.h"
#include "radioview/MiniStatusWnd.h"
#include "radioview/RadioView.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

using hb::records::DeviceStatus;
using Kind = hb::records::ObjectKind;

// Audio heard this recently shows a recording in progress.
constexpr DWORD kRecentAudioMs = 1500;
// The logger's live and paused modes.
constexpr BYTE kLive = 1;
constexpr BYTE kPaused = 2;
// The meter report that carries the logger's volume.
constexpr int kVolumeReport = 9;
// The segment flag of a marked recording, and the mark's kind.
constexpr std::uint32_t kSegmentMarked = 0x1;
constexpr int kMarkKind = 4;

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kYellow = 0x00FFFF;
constexpr COLORREF kBlack = 0;

struct RecorderText {
    const char* text;
    // Lit in these colours; unlit (the panel's colours) when not.
    bool lit;
    COLORREF textColor;
    COLORREF background;
};

// By recorder mode; modes above the table leave the lamp as it is.
constexpr RecorderText kRecorderTexts[] = {
    {"OFF", false, 0, 0},         {"PAUSE", false, 0, 0},         {"SAD", true, kBlue, kWhite},
    {"DSP", true, kBlue, kWhite}, {"MON", true, kYellow, kBlack}, {"REC", true, kRed, kWhite},
};
constexpr RecorderText kRecording = {"REC", true, kRed, kWhite};
constexpr RecorderText kRecordingPaused = {"PAUSE", false, 0, 0};
constexpr RecorderText kMuted = {"MUTE", true, kYellow, kBlack};
constexpr BYTE kMonitorMode = 4;

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

void SetLed(CiLedRectangleX& led, bool on) {
    if (led.m_hWnd) {
        led.SetActive(on);
    }
}

} // namespace

void CRadioView::ShowAudioState(CAudioLog*) {
    if (m_hold != m_holdShown) {
        PaintHold();
        m_holdShown = m_hold;
    }
    CAudioLog* log = m_rig ? m_rig->GetAudioLog() : nullptr;
    if (m_recorderStatus.m_hWnd && log) {
        ShowRecorderStatus(*log);
    }
}

void CRadioView::PaintHold() {
    const bool hold = m_hold != 0;
    SetLed(m_holdLed, hold);
    SetLed(m_liveLed, !hold);
    if (m_livePlayLamp.m_hWnd) {
        m_livePlayLamp.SetCaption(hold ? "PLAY" : "LIVE");
    }
    // The displays write in the style's display colour; a replay shows in the replay colour.
    const COLORREF color = hold ? App().Colors().displayReplay : App().Color(kDisplayForeground);
    for (CiLabelX* label : {&m_channelLabel, &m_nameField}) {
        if (label->m_hWnd) {
            label->SetFontColor(color);
        }
    }
    if (m_sMeter.m_hWnd) {
        m_sMeter.SetPointerColor(color);
    }
    if (m_frequencyDisplay.m_hWnd) {
        m_frequencyDisplay.SetSegmentColor(color);
    }
}

void CRadioView::ShowRecorderStatus(const CAudioLog& log) {
    const RecorderText* shown = nullptr;
    if (log.m_runState == CAudioLog::kRecording) {
        shown =
            GetTickCount() - log.m_lastActivity < kRecentAudioMs ? &kRecording : &kRecordingPaused;
    } else if (log.m_recorderMode == kMonitorMode && m_hold) {
        shown = &kMuted;
    } else if (log.m_recorderMode < std::size(kRecorderTexts)) {
        shown = &kRecorderTexts[log.m_recorderMode];
    }
    if (!shown) {
        return;
    }
    m_recorderStatus.SetCaption(shown->text);
    if (shown->lit) {
        m_recorderStatus.SetCaptionColor(shown->textColor);
        m_recorderStatus.SetActiveColor(shown->background);
    } else {
        m_recorderStatus.SetCaptionColor(App().Colors().panelText);
    }
    m_recorderStatus.SetActive(shown->lit);
}

void CRadioView::OnRecorderState(CAudioLog* log) {
    const BYTE mode = log ? log->GetMode() : 0;
    if (log && mode < kPaused) {
        if (m_holdSwitch.m_hWnd) {
            m_holdSwitch.SetActive(FALSE);
        }
        if (m_hold) {
            m_hold = 0;
            UpdateControlsFromParm(&ActiveVfo(), &ActiveInfo());
        }
    } else if (log && mode == kPaused) {
        if (m_holdSwitch.m_hWnd) {
            m_holdSwitch.SetActive(TRUE);
        }
        m_hold = kOn;
    }
    ShowAudioState(log);
}

void CRadioView::OnAudioStateEvent(CAudioLog* log, const char*, const wlseg*) {
    ShowAudioState(log);
}

void CRadioView::ShowPlaybackChannel(CAudioLog*, const dal* rec, BYTE flag) {
    if (!flag || !rec || !m_hold) {
        return;
    }
    const UINT hz = rec->get(dal::kFrequency);
    FormatFrequency(hz);
    CString name;
    int level = 0;
    if (hz != 0) {
        level = m_rig ? m_rig->RadioRequest(rec->get(dal::kLevel), 1) : 0;
        name = rec->text(dal::kName1).c_str();
    }
    if (m_sMeter.m_hWnd) {
        m_sMeter.SetPosition(level);
    }
    for (CiLabelX* label : {&m_channelLabel, &m_nameField}) {
        if (label->m_hWnd) {
            label->SetCaption(name);
        }
    }
}

void CRadioView::ShowMeterValue(CAudioLog*, int kind, int value) {
    if (kind != kVolumeReport) {
        return;
    }
    if (m_volumeKnob.m_hWnd && !m_volumeDrag) {
        m_volumeKnob.SetPosition(value);
    }
    auto* mini = m_frame ? DYNAMIC_DOWNCAST(CMiniStatusWnd, m_frame->m_miniStatus) : nullptr;
    if (mini && mini->panel.m_volumeKnob.m_hWnd) {
        mini->panel.m_volumeKnob.SetPosition(value);
    }
}

void CRadioView::SetAuxMeter(CAudioLog*, int value) {
    if (m_vuBar.m_hWnd) {
        m_vuBar.SetPosition(value);
    }
}

void CRadioView::OnHoldSwitch() {
    m_hold = m_holdSwitch.GetActive() ? kOn : 0;
    CAudioLog* log = m_rig ? m_rig->GetAudioLog() : nullptr;
    if (log) {
        if (!m_hold && log->GetMode() == kPaused) {
            log->SetMode(kLive);
        } else if (m_hold && log->GetMode() == kLive) {
            log->SetMode(kPaused);
        }
    }
    ShowAudioState(log);
}

void CRadioView::OnVolumeKnobPosition() {
    CAudioLog* log = m_rig ? m_rig->GetAudioLog() : nullptr;
    if (log) {
        const long position = std::lround(m_volumeKnob.GetPosition());
        log->Volume(static_cast<int>(std::clamp(position, 0L, 100L)));
    }
}

void CRadioView::OnVolumeKnobMouseDown(short, short, long, long) {
    m_volumeDrag = kOn;
}

void CRadioView::OnVolumeKnobMouseUp(short, short, long, long) {
    m_volumeDrag = 0;
}

void CRadioView::OnVolumeKnobDragEnd() {
    m_volumeDrag = 0;
}

void CRadioView::OnRecordingMark() {
    CAudioLog* log = m_rig ? m_rig->GetAudioLog() : nullptr;
    CAudioSegment* segment = log ? log->m_openSegment : nullptr;
    if (!segment) {
        return;
    }
    segment->m_flags |= kSegmentMarked;
    segment->Update();
    log->MarkNow(segment->m_number, kMarkKind, 0);
}

void CRadioView::OnShowInScanList() {
    auto* doc = DYNAMIC_DOWNCAST(CRosterDoc, GetDocument());
    Roster* roster = doc ? doc->GetRoster() : nullptr;
    if (!roster || !m_rig) {
        return;
    }
    std::uint32_t handle = 0;
    if (m_manualMode) {
        handle = ActiveVfo().get(parm::kObjectHandle);
    } else {
        const auto status = std::make_unique<DeviceStatus>();
        if (m_rig->DeviceStatus(status->data()) != 0) {
            return;
        }
        handle = status->get(DeviceStatus::kCurrentObject);
    }
    Object* object = roster->TagToObject(handle);
    if (!object || !m_frame || !m_frame->m_scanListView) {
        return;
    }
    const Kind kind = object->kind();
    if (kind == Kind::Channel || kind == Kind::StandaloneChannel || kind == Kind::SearchRange) {
        m_frame->m_scanListView->GoToObject(object);
    }
}
