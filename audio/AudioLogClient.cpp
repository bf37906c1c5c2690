#include "audio/AudioLogClient.h"

#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/engine/EngineApi.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/TimeFunctions.h"
#include "platform/win/store/PrivateProfile.h"
#include "radioview/RadioView.h"

#include <algorithm>
#include <vector>

using hb::records::DeviceStatus;
using hb::records::EngineStatus;
using hb::tessary::detail::Arg;
using hb::tessary::detail::RecordAudioCall;

namespace {

bool SameId(const dal& a, const dal& b) {
    return std::ranges::equal(a.view(dal::kUserId), b.view(dal::kUserId));
}

// Names are compared as whole blocks: a full name has no terminator.
bool SameNames(const dal& a, const dal& b) {
    return std::ranges::equal(a.view(dal::kName1), b.view(dal::kName1)) &&
           std::ranges::equal(a.view(dal::kName2), b.view(dal::kName2)) &&
           std::ranges::equal(a.view(dal::kName3), b.view(dal::kName3));
}

void CopyNames(dal& to, const dal& from) {
    std::ranges::copy(from.view(dal::kName1), to.view(dal::kName1).begin());
    std::ranges::copy(from.view(dal::kName2), to.view(dal::kName2).begin());
    std::ranges::copy(from.view(dal::kName3), to.view(dal::kName3).begin());
}

// Engine states of an active channel. The signal states 6 and 27 count always: the second
// counter a stale signal was once told by shares its bytes with the current channel's delay, so
// comparing it with the step counter would drop calls once the engine has run 500 steps.
enum class Activity { Active, Idle, IdleLost };

Activity EngineActivity(const EngineStatus& status) {
    const std::uint8_t state = status.get(EngineStatus::kState);
    switch (state) {
    case 5:
    case 6:
    case 8:
    case 26:
    case 27:
        return Activity::Active;
    case 7:
        return status.get(EngineStatus::kHoldByte) != 0 ? Activity::Active : Activity::Idle;
    default:
        break;
    }
    const bool lost = state <= 4 || state == 9 || state == 10 || (state >= 20 && state <= 22) ||
                      (state >= 34 && state <= 36);
    return lost ? Activity::IdleLost : Activity::Idle;
}

std::uint8_t EngineLevel(const EngineStatus& status) {
    const std::uint32_t scale = status.get(EngineStatus::kHitNumber1);
    return scale == 0 ? 0
                      : static_cast<std::uint8_t>(status.get(EngineStatus::kHitNumber2) / scale);
}

bool Segmenting(BYTE activity) {
    return activity == 2 || activity == 8;
}

} // namespace

CAudioLogClient::CAudioLogClient(const char* section, const char* name) : CAudioLog(section, name) {
    ReadClientSettings();
}

void CAudioLogClient::ReadClientSettings() {
    CScanApp* app = CScanApp::GetScanApp();
    if (!app) {
        return;
    }
    m_minAirTime = static_cast<std::uint32_t>(
        std::max(GetPrivateProfileInt("Vela*Quin", "MinAirTime", int{kDefaultMinAirTime},
                                      app->GetSettingsFile()),
                 0));
    m_hfInMHz = app->GetProfileIntA("Settings", "HFFreqDisplayMHz", 1) != 0;
    if (m_section.empty() ||
        !app->GetProfileStringA(m_section.c_str(), "RecordingFile", "").IsEmpty()) {
        return;
    }
    std::string file = m_section;
    std::ranges::transform(file, file.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (const auto at = file.find("_AUDIORECORDER"); at != std::string::npos) {
        file.replace(at, 14, "_AUDIO");
    }
    CString path = (file + ".SWQ").c_str();
    app->MakeDocPath(path);
    app->WriteProfileStringA(m_section.c_str(), "RecordingFile", path);
    app->WriteProfileInt(m_section.c_str(), "Mode", kModeRecord);
}

BYTE CAudioLogClient::GetChannelState() const {
    RecordAudioCall(this, "GetChannelState", {});
    return m_channelState;
}

void CAudioLogClient::Reset() {
    m_channelState = kIdle;
    m_lastFrequency = 0;
    m_lastKey = 0;
    CAudioLog::Reset();
}

void CAudioLogClient::SetupRecordSettings() {
    CAudioLog::SetupRecordSettings();
    int fallback = 0;
    if (m_rig && m_rig->m_radio) {
        const std::uint32_t caps = m_rig->m_radio->caps1();
        fallback = (caps & 0x100) ? 4 : (caps & 0x80) ? 2 : 0;
    }
    CScanApp* app = CScanApp::GetScanApp();
    const int value = app && !m_section.empty()
                          ? app->GetProfileIntA(m_section.c_str(), "SegmentControl", fallback)
                          : fallback;
    m_segmentControl = static_cast<BYTE>(value);
}

void CAudioLogClient::ChangeMonitorOutputLine(std::int32_t line) {
    CAudioLog::ChangeMonitorOutputLine(line);
    if (m_rig) {
        m_rig->m_audio_monitor = line;
    }
}

void CAudioLogClient::Request(int code, std::uint64_t time) {
    ProcessRequest(code, &m_record, time);
}

void CAudioLogClient::EndChannel(std::uint64_t time) {
    Request(1, time);
    m_lastFrequency = 0;
    m_lastKey = 0;
    m_channelState = kIdle;
}

void CAudioLogClient::TakeRadioName(CRig* rig) {
    m_record.setText(dal::kRadioName, std::string(rig->m_section.GetString()).substr(0, 19));
    m_record.set(dal::kZero, 0);
    m_record.set(dal::kKind, dal::kKindClient);
}

void CAudioLogClient::TakeChannel(const dal& channel) {
    m_record.set(dal::kFrequency, channel.get(dal::kFrequency));
    m_record.set(dal::kUserId, channel.get(dal::kUserId));
    CopyNames(m_record, channel);
}

void CAudioLogClient::NameByFrequency() {
    if (m_record.view(dal::kName1)[0] != 0) {
        return;
    }
    const std::uint32_t hz = m_record.get(dal::kFrequency);
    std::string text = hz > 30'000'000 ? format_frequency_vhf(hz)
                       : m_hfInMHz     ? format_frequency_lhf(hz)
                                       : format_frequency_hf(hz);
    text.erase(0, text.find_first_not_of(' '));
    m_record.setText(dal::kName1, text);
}

CRadioFrame* CAudioLogClient::RadioWindow() const {
    return m_rig ? dynamic_cast<CRadioFrame*>(m_rig->m_owner) : nullptr;
}

CRadioView* CAudioLogClient::FrontPanel() const {
    const CRadioFrame* frame = RadioWindow();
    return frame ? frame->FrontPanel() : nullptr;
}

bool CAudioLogClient::WatchedByRadioWindow(CRig* rig) const {
    if (rig->m_owner_command != CRig::kCommandScanListFiles) {
        return false;
    }
    const auto* frame = dynamic_cast<CRadioFrame*>(rig->m_owner);
    const CRadioView* panel = frame ? frame->FrontPanel() : nullptr;
    return panel && panel->m_frequencyChanged != 0;
}

void CAudioLogClient::OnEngineStatus(CRig* rig, const dal* channel, const BYTE* statusBytes,
                                     BYTE activity) {
    RecordAudioCall(
        this, "OnEngineStatus",
        {Arg(rig, "rig"), Arg(channel, "dal"), Arg(statusBytes, "status"), Arg(activity)});
    if (m_blockChannelInput) {
        return;
    }
    if (m_role != 1) {
        m_channelState = kIdle;
        return;
    }
    if (m_channelState != kIdle && m_loggedRig && m_loggedRig != rig) {
        return;
    }
    const std::uint64_t time = GetLongTimeNow();
    if (!rig || !channel || !statusBytes) {
        m_record.clear();
        EndChannel(time);
        return;
    }
    m_loggedRig = rig;
    std::vector<BYTE> scratch(DeviceStatus::kSize);
    rig->DeviceStatus(scratch.data());
    EngineStatus status;
    status.copyFrom(std::span<const std::uint8_t>(statusBytes, EngineStatus::kSize));

    const std::uint32_t frequency = channel->get(dal::kFrequency);
    const bool idChanged = !SameId(m_record, *channel);
    const bool changed =
        m_record.get(dal::kFrequency) != frequency || idChanged || !SameNames(m_record, *channel);
    TakeRadioName(rig);

    const Activity state = EngineActivity(status);
    if (state == Activity::IdleLost) {
        m_lastKey = 0;
    }
    if (!Segmenting(activity) || state != Activity::Active) {
        EndChannel(time);
        return;
    }
    const std::uint32_t key = status.get(EngineStatus::kCurrentObject);
    const std::uint8_t level = EngineLevel(status);
    bool fill = activity == 2 && m_channelState == 8;
    bool update = false;
    if (!fill) {
        if (activity == 8 && m_channelState == 2) {
            Request(1, time);
            m_channelState = kIdle;
        }
        if (m_channelState == kIdle) {
            m_lastFrequency = 0;
            m_lastKey = 0;
        }
        if (key == m_lastKey) {
            if (m_state >= kStateSegment && m_channelState == 2 && activity == 2 &&
                m_segmentControl == 3) {
                if (!changed) {
                    return;
                }
                update = true;
            } else if (m_lastFrequency == frequency && idChanged) {
                // A new ID within the air time of the last one continues the segment.
                const std::uint32_t since =
                    scan_timer_read() - status.get(EngineStatus::kActivityTimer);
                if (since <= m_minAirTime) {
                    update = true;
                } else {
                    m_lastKey = 0;
                    update = m_channelState == 8;
                }
            }
        }
    }
    if (!fill && !update && m_channelState == 2 && key == m_lastKey && m_state >= kStateSegment &&
        m_lastFrequency == frequency) {
        m_record.set(dal::kLevel, level);
        if (!changed && level == m_lastLevel) {
            return;
        }
        m_lastLevel = level;
        update = true;
    }
    if (!fill && !update) {
        const bool same = key == m_lastKey && m_lastFrequency == frequency &&
                          activity == m_channelState && !idChanged;
        if (same && (m_state == kStateActive || m_state == kStateSegment)) {
            return;
        }
        if (key == m_lastKey && activity == m_channelState && WatchedByRadioWindow(rig)) {
            return;
        }
        if (!same) {
            Request(1, time);
            AnticipateNewChannel(frequency);
            m_channelState = kIdle;
        }
    }
    if (update) {
        TakeChannel(*channel);
        Request(4, time);
        return;
    }
    m_record.set(dal::kLoggerValue, m_loggerValue);
    m_record.set(dal::kVoiceInversion, channel->get(dal::kVoiceInversion));
    m_record.set(dal::kFlags, channel->get(dal::kFlags));
    TakeChannel(*channel);
    m_record.set(dal::kLevel, level);
    NameByFrequency();
    m_record.set(dal::kTime, status.get(EngineStatus::kTimeStamp));
    const std::uint64_t start = status.get(EngineStatus::kStartTime);
    m_record.setSegmentStart(start);
    ProcessRequest(activity, &m_record, start);
    m_channelState = activity;
    m_lastFrequency = frequency;
    m_lastKey = key;
}

void CAudioLogClient::OnDeviceStatus(CRig* rig, const dal* channel, const BYTE* statusBytes,
                                     BYTE activity) {
    RecordAudioCall(
        this, "OnDeviceStatus",
        {Arg(rig, "rig"), Arg(channel, "dal"), Arg(statusBytes, "status"), Arg(activity)});
    if (m_blockChannelInput) {
        return;
    }
    const std::uint64_t time = GetLongTimeNow();
    if (m_role != 1 || m_mode != kModeRecord) {
        m_channelState = kIdle;
        return;
    }
    if (m_channelState != kIdle && m_loggedRig && m_loggedRig != rig) {
        return;
    }
    if (!rig || !channel || !statusBytes) {
        m_record.clear();
        EndChannel(time);
        return;
    }
    m_loggedRig = rig;
    DeviceStatus status;
    status.copyFrom(std::span<const std::uint8_t>(statusBytes, DeviceStatus::kSize));
    CopyNames(m_record, *channel);
    TakeRadioName(rig);
    if (!Segmenting(activity) || status.get(DeviceStatus::kSquelchOpen) == 0) {
        EndChannel(time);
        return;
    }
    const std::uint32_t frequency = status.get(DeviceStatus::kCurrentFrequency);
    const std::uint32_t key = status.get(DeviceStatus::kCurrentObject);
    const bool idChanged =
        !std::ranges::equal(m_record.view(dal::kUserId), status.view(DeviceStatus::kCurrentId));
    if (!(activity == 2 && m_channelState == 8)) {
        if (m_channelState == kIdle) {
            m_lastFrequency = 0;
            m_lastKey = 0;
        }
        // On one frequency a new ID always continues the segment.
        if (m_lastFrequency == frequency && idChanged) {
            m_record.set(dal::kUserId, status.get(DeviceStatus::kCurrentId));
            Request(4, time);
            return;
        }
        if (m_channelState == 2 && key == m_lastKey && m_lastFrequency == frequency) {
            const std::uint8_t level = status.get(DeviceStatus::kSignalLevel);
            m_record.set(dal::kLevel, level);
            if (level != m_lastLevel) {
                Request(4, time);
            }
            m_lastLevel = level;
            return;
        }
        const bool same = key == m_lastKey && m_lastFrequency == frequency &&
                          activity == m_channelState && !idChanged;
        if (same && m_state == kStateSegment) {
            return;
        }
        if (!same) {
            Request(1, time);
            m_channelState = kIdle;
        }
    }
    m_record.set(dal::kLoggerValue, m_loggerValue);
    m_record.set(dal::kFrequency, frequency);
    m_record.set(dal::kVoiceInversion, status.get(DeviceStatus::kCurrentVoiceInversion));
    m_record.set(dal::kUserId, status.get(DeviceStatus::kCurrentId));
    m_record.set(dal::kLevel, status.get(DeviceStatus::kSignalLevel));
    NameByFrequency();
    std::uint32_t seconds = 0;
    scan_get_time(&seconds);
    m_record.set(dal::kTime, seconds);
    m_record.setSegmentStart(time);
    ProcessRequest(activity, &m_record, time);
    m_channelState = activity;
    m_lastFrequency = frequency;
    m_lastKey = key;
}

void CAudioLogClient::UpdateStatus() {
    if (CRadioView* panel = FrontPanel()) {
        panel->OnRecorderState(this);
    }
    CAudioLog::UpdateStatus();
}

void CAudioLogClient::UpdateSegment(const char* file, const wlseg* segment, std::uint32_t n) {
    if (CRadioFrame* frame = RadioWindow(); frame && frame->FrontPanel()) {
        frame->ForwardToView(this, file, segment);
    }
    CAudioLog::UpdateSegment(file, segment, n);
}

void CAudioLogClient::UpdatePosition() {
    if (CRadioView* panel = FrontPanel()) {
        panel->ShowAudioState(this);
    }
    CAudioLog::UpdatePosition();
}

void CAudioLogClient::UpdateTime(std::uint32_t time, int n) {
    if (CRadioView* panel = FrontPanel()) {
        panel->ShowAudioTime(this, time, n);
    }
    CAudioLog::UpdateTime(time, n);
}

void CAudioLogClient::UpdateInfo(const dal* record, const char* text) {
    if (CRadioView* panel = FrontPanel()) {
        panel->ShowPlaybackChannel(this, record, 1);
    }
    CAudioLog::UpdateInfo(record, text);
}

void CAudioLogClient::UpdateIndicators(int kind, int value) {
    if (CRadioView* panel = FrontPanel()) {
        panel->ShowMeterValue(this, kind, value);
    }
    CAudioLog::UpdateIndicators(kind, value);
}

void CAudioLogClient::UpdateAnnotation(const wlseg* segment) {
    if (CRadioView* panel = FrontPanel()) {
        panel->ShowAnnotation(this, segment);
    }
    CAudioLog::UpdateAnnotation(segment);
}

void CAudioLogClient::UpdateVUMeter(int left, int right) {
    if (CRadioView* panel = FrontPanel()) {
        panel->SetAuxMeter(this, left);
    }
    CAudioLog::UpdateVUMeter(left, right);
}
