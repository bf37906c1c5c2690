// The radio window's audio logger commands, passed to the logger of its rig when it has one, and
// its part in the logger's display mirror.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "audio/AudioLogClient.h"
#include "audio/AudioView.h"
#include "platform/records/Dal.h"
#include "platform/records/DeviceStatus.h"
#include "platform/tessary/audio/AudioLog.h"
#include "radioview/RadioView.h"

#include <strings.h>

#include <memory>

namespace {

constexpr int kChannelStateRequest = 5;

} // namespace

void CRadioFrame::OnAudioLoggerSettings() {
    if (CAudioLog* log = m_rig ? m_rig->GetAudioLog() : nullptr) {
        log->Settings();
    }
}

void CRadioFrame::OnEraseRecording() {
    if (CAudioLog* log = m_rig ? m_rig->GetAudioLog() : nullptr) {
        log->OnFileErase();
    }
}

void CRadioFrame::OnAutoFile() {
    if (CAudioLog* log = m_rig ? m_rig->GetAudioLog() : nullptr) {
        log->OnAutoFileButton();
    }
}

// The recorder view's mute buttons act on the logger the rig holds, which is the view's own.
void CRadioFrame::OnAudioButton() {
    CAudioLog* log = m_rig ? m_rig->GetAudioLog() : nullptr;
    if (auto* recorder = dynamic_cast<CAudioView*>(log)) {
        recorder->OnMuteButton();
    } else if (log) {
        log->Mute(log->m_muted ? 0 : 1);
    }
}

void CRadioFrame::OnAudioEvent() {
    CAudioLog* log = m_rig ? m_rig->GetAudioLog() : nullptr;
    if (auto* recorder = dynamic_cast<CAudioView*>(log)) {
        recorder->OnMutePeers();
    } else if (log) {
        log->MutePeers();
    }
}

void CRadioFrame::OnAudioRequest() {
    if (!EngineReady()) {
        return;
    }
    const auto device = std::make_unique<hb::records::DeviceStatus>();
    m_rig->DeviceStatus(device->data());
    if (CAudioLog* log = m_rig->GetAudioLog()) {
        const dal record{};
        const BYTE state = static_cast<CAudioLogClient*>(log)->GetChannelState();
        log->ProcessRequest(kChannelStateRequest, &record, state);
    }
    if (m_frontPanel) {
        m_frontPanel->m_channelHold = 0xFF;
    }
}

void CRadioFrame::ForwardToView(CAudioLog* log, const char* file, const wlseg* segment) {
    if (!log || !file || !m_frontPanel || !log->m_file.IsOpen() ||
        ::strcasecmp(file, log->m_file.m_name.c_str()) != 0) {
        return;
    }
    m_frontPanel->OnAudioStateEvent(log, file, segment);
}
