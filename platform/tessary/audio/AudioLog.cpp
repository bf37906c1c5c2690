#include "platform/tessary/audio/AudioLog.h"

#include "platform/tessary/audio/AudioCalls.h"

using hb::tessary::detail::Arg;
using hb::tessary::detail::RecordAudioCall;

BYTE CAudioLog::al_monitor_master_mute = 0;

void CAudioLog::SetRole(int role) {
    RecordAudioCall(this, "SetRole", {Arg(role)});
    m_role = role;
}

void CAudioLog::DSPRole(int role) {
    RecordAudioCall(this, "DSPRole", {Arg(role)});
    m_dspRole = role;
}

void CAudioLog::ProcessSpecial(int code) {
    RecordAudioCall(this, "ProcessSpecial", {Arg(code)});
}

void CAudioLog::Mute(int on) {
    RecordAudioCall(this, "Mute", {Arg(on)});
    m_muted = on != 0;
}

void CAudioLog::Disable() {
    RecordAudioCall(this, "Disable", {});
    m_disabled = TRUE;
}

int CAudioLog::SetMode(int mode) {
    RecordAudioCall(this, "SetMode", {Arg(mode)});
    m_mode = static_cast<BYTE>(mode);
    return 0;
}

void CAudioLog::Volume(int level) {
    RecordAudioCall(this, "Volume", {Arg(level)});
    m_volume = level;
}

void CAudioLog::MarkNow(std::uint32_t segment, int kind, int extra) {
    RecordAudioCall(this, "MarkNow", {Arg(segment), Arg(kind), Arg(extra)});
}

void CAudioLog::AnticipateNewChannel(std::uint32_t frequency) {
    RecordAudioCall(this, "AnticipateNewChannel", {Arg(frequency)});
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
    if (log && samples) {
        log->m_driverBytes += bytes;
    }
}

void CAudioLog::MasterMute(int on) {
    RecordAudioCall(nullptr, "MasterMute", {Arg(on)});
    al_monitor_master_mute = on ? 1 : 0;
}
