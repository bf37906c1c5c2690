#pragma once
// A stand-in for the program's audio logger class over CAudioLog: the channel context the rig
// feeds in, and the reset the radio window asks for. Every call is recorded (AudioCalls.h).

#include "platform/records/Dal.h"
#include "platform/tessary/audio/AudioLog.h"

class CRig;

class CAudioLogClient : public CAudioLog {
public:
    static constexpr BYTE kIdle = 1;

    BYTE GetChannelState() const;
    // The rig's device (or, with nulls, no) context; `status` is the rig's device status record.
    void OnDeviceStatus(CRig* rig, const dal* record, const BYTE* status, BYTE flag);
    // The rig's engine context; `status` is the rig's engine status record.
    void OnEngineStatus(CRig* rig, const dal* record, const BYTE* status, BYTE flag);
    void Reset();

    BYTE m_channelState = kIdle;
    // What the last context brought: the rig, a copy of the record (zeros when none came).
    CRig* m_loggedRig = nullptr;
    dal m_record;
};
