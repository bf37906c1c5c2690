#include "platform/tessary/audio/AudioLog.h"

#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioLogSettings.h"
#include "platform/tessary/audio/AudioSegment.h"

#include <algorithm>

using hb::tessary::detail::Arg;
using hb::tessary::detail::RecordAudioCall;

BYTE CAudioLog::al_monitor_master_mute = 0;
std::vector<CAudioLog*> CAudioLog::al_list;

void CAudioLog::ReadSettings() {
    CScanApp* app = CScanApp::GetScanApp();
    if (!app || m_section.empty()) {
        return;
    }
    m_mode = static_cast<BYTE>(
        std::clamp(app->GetProfileIntA(m_section.c_str(), "Mode", kModeOff), 0, int{kModePlay}));
    m_autoGain = app->GetProfileIntA(m_section.c_str(), "AutoGain", 0) != 0;
    // The windows write the voice inversion as the user sets it; a stored one comes back here.
    if (const int frequency = app->GetProfileIntA(m_section.c_str(), "InvertFreq", -1);
        frequency >= 0) {
        m_invertFrequency = frequency;
        UpdateIndicators(10, frequency);
    }
    if (const int mode = app->GetProfileIntA(m_section.c_str(), "InvertMode", -1); mode >= 0) {
        m_invertMode = mode;
        UpdateIndicators(11, mode);
    }
}

int CAudioLog::MinDiskSpace() const {
    CScanApp* app = CScanApp::GetScanApp();
    const int minimum =
        app && !m_section.empty()
            ? app->GetProfileIntA(m_section.c_str(), "MinDiskSpace", kDefaultMinDiskSpace)
            : kDefaultMinDiskSpace;
    return std::max(minimum, 0);
}

void CAudioLog::Settings() {
    RecordAudioCall(this, "Settings", {});
    CAudioLogSettings dialog(m_owner);
    dialog.m_minDiskSpace = MinDiskSpace();
    dialog.m_autoGain = m_autoGain ? 1 : 0;
    // Channel reports wait while the settings they depend on are being changed.
    const BYTE blocked = m_blockChannelInput;
    m_blockChannelInput = 1;
    const int answer = dialog.DoModal();
    m_blockChannelInput = blocked;
    if (answer != IDOK) {
        return;
    }
    m_autoGain = dialog.m_autoGain != 0;
    if (CScanApp* app = CScanApp::GetScanApp(); app && !m_section.empty()) {
        app->WriteProfileInt(m_section.c_str(), "MinDiskSpace", std::max(dialog.m_minDiskSpace, 0));
        app->WriteProfileInt(m_section.c_str(), "AutoGain", dialog.m_autoGain);
    }
}

void CAudioLog::OpenRecordingFile() {
    CScanApp* app = CScanApp::GetScanApp();
    if (!app || m_section.empty()) {
        return;
    }
    EndSegment();
    const CString path = app->GetProfileStringA(m_section.c_str(), "RecordingFile", "");
    if (path.IsEmpty()) {
        m_file.Close();
    } else {
        m_file.Open(static_cast<const char*>(path));
    }
    UpdateIndicators(4, m_file.m_state);
}

int CAudioLog::SetRole(int role) {
    RecordAudioCall(this, "SetRole", {Arg(role)});
    m_role = role;
    ReadSettings();
    SetupRecordSettings();
    OpenRecordingFile();
    if (m_mode == kModePlay && m_file.m_recordCount == 0) {
        m_mode = kModeOff;
    }
    ApplyMode(m_mode);
    return 0;
}

void CAudioLog::DSPRole(int role) {
    RecordAudioCall(this, "DSPRole", {Arg(role)});
    m_dspRole = role;
}

int CAudioLog::SetMode(int mode) {
    RecordAudioCall(this, "SetMode", {Arg(mode)});
    return ApplyMode(mode);
}

int CAudioLog::ApplyMode(int mode) {
    if (mode < kModeOff || mode > kModePlay ||
        (mode == kModePlay && (!m_file.IsOpen() || m_file.m_recordCount == 0))) {
        return -1;
    }
    EndSegment();
    StopPlayback();
    StopInput();
    m_mode = static_cast<BYTE>(mode);
    m_recording = mode == kModeRecord && m_file.IsOpen();
    if (mode == kModeRecord) {
        StartInput();
        SetState(kStateActive);
    } else if (mode == kModePlay) {
        if (m_file.m_currentRecord == 0) {
            m_file.GotoPlaySegment(1);
        }
        ShowCurrentSegment();
        m_playState = kPlayStarting;
        SetState(kStateActive);
        FeedPlayback();
    } else {
        SetState(kStateStopped);
    }
    return 0;
}

void CAudioLog::SetState(BYTE state) {
    m_state = state;
    m_recorderMode = state;
    m_runState = m_recording ? kRecording : 0;
    UpdateStatus();
}

void CAudioLog::ProcessSpecial(int code) {
    RecordAudioCall(this, "ProcessSpecial", {Arg(code)});
}

BOOL CAudioLog::OutputMuted() const {
    return m_muted || al_monitor_master_mute;
}

void CAudioLog::Mute(int on) {
    RecordAudioCall(this, "Mute", {Arg(on)});
    m_muted = on != 0;
    UpdateIndicators(1, OutputMuted() ? 1 : 0);
}

void CAudioLog::Enable() {
    RecordAudioCall(this, "Enable", {});
    m_disabled = FALSE;
    m_blockChannelInput = 0;
}

void CAudioLog::SetupRecordSettings() {
    RecordAudioCall(this, "SetupRecordSettings", {});
    ReadSettings();
}

void CAudioLog::Disable() {
    RecordAudioCall(this, "Disable", {});
    m_disabled = TRUE;
    m_blockChannelInput = 1;
    EndSegment();
    ReleaseDevices();
    m_mode = kModeOff;
    m_recording = FALSE;
    SetState(kStateStopped);
}

void CAudioLog::Volume(int level) {
    RecordAudioCall(this, "Volume", {Arg(level)});
    level = std::clamp(level, 0, 100);
    m_volume = level / 100.0;
    UpdateIndicators(9, level);
}

void CAudioLog::DSPAttachFastDecoder(CWaveToneDecoder* decoder) {
    RecordAudioCall(this, "DSPAttachFastDecoder", {Arg(decoder, "decoder")});
    m_fastDecoder = decoder;
}

void CAudioLog::MarkNow(std::uint32_t segment, int kind, int extra) {
    RecordAudioCall(this, "MarkNow", {Arg(segment), Arg(kind), Arg(extra)});
}

// The radio is moving to another channel: its audio must not go on into this channel's segment.
void CAudioLog::AnticipateNewChannel(std::uint32_t frequency) {
    RecordAudioCall(this, "AnticipateNewChannel", {Arg(frequency)});
    if (m_segment && m_segmentRecord.get(dal::kFrequency) != frequency) {
        EndSegment();
    }
}

void CAudioLog::Reset() {
    RecordAudioCall(this, "Reset", {});
    EndSegment();
    m_diskSpaceStop = FALSE;
    m_stopReason = 0;
    UpdateStatus();
}

void CAudioLog::SetInputLine(std::int32_t line) {
    RecordAudioCall(this, "SetInputLine", {Arg(line)});
    m_inputLine = line;
}

void CAudioLog::SetOutputLine(std::int32_t line) {
    RecordAudioCall(this, "SetOutputLine", {Arg(line)});
    m_outputLine = line;
}

void CAudioLog::SetMonitorLine(std::int32_t line) {
    RecordAudioCall(this, "SetMonitorLine", {Arg(line)});
    m_monitorLine = line;
}

void CAudioLog::DriverWaveInterface(void* context, const std::uint8_t* samples,
                                    std::uint32_t bytes) {
    auto* log = static_cast<CAudioLog*>(context);
    RecordAudioCall(log, "DriverWaveInterface", {Arg(samples, "samples"), Arg(bytes)});
    if (!log || !samples) {
        return;
    }
    log->m_driverBytes += bytes;
    // Only audio in the recording format is taken; anything else would corrupt the file.
    if (log->m_fedByDriver && log->m_driverWave == CAudioFile::kSamplesPerSecond &&
        log->m_driverWaveBits == 16 && log->m_mode == kModeRecord) {
        log->TakeAudio(samples, bytes & ~1u);
    }
}

void CAudioLog::MasterMute(int on) {
    RecordAudioCall(nullptr, "MasterMute", {Arg(on)});
    al_monitor_master_mute = on ? 1 : 0;
}
