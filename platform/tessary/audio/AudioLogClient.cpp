#include "platform/tessary/audio/AudioLogClient.h"

#include "platform/tessary/audio/AudioCalls.h"

using hb::tessary::detail::Arg;
using hb::tessary::detail::RecordAudioCall;

namespace {

void TakeContext(CAudioLogClient& log, CRig* rig, const dal* record) {
    log.m_loggedRig = rig;
    log.m_record = record ? *record : dal{};
}

} // namespace

BYTE CAudioLogClient::GetChannelState() const {
    RecordAudioCall(this, "GetChannelState", {});
    return m_channelState;
}

void CAudioLogClient::OnDeviceStatus(CRig* rig, const dal* record, const BYTE* status, BYTE flag) {
    RecordAudioCall(this, "OnDeviceStatus",
                    {Arg(rig, "rig"), Arg(record, "dal"), Arg(status, "status"), Arg(flag)});
    TakeContext(*this, rig, record);
}

void CAudioLogClient::OnEngineStatus(CRig* rig, const dal* record, const BYTE* status, BYTE flag) {
    RecordAudioCall(this, "OnEngineStatus",
                    {Arg(rig, "rig"), Arg(record, "dal"), Arg(status, "status"), Arg(flag)});
    TakeContext(*this, rig, record);
}

void CAudioLogClient::Reset() {
    RecordAudioCall(this, "Reset", {});
    m_channelState = kIdle;
}
