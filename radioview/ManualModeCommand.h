#pragma once
// The engine request that puts the radio into manual mode on a record's channel.

#include "platform/records/EngineCommandRecord.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/Parm.h"

// The record's object handle is the first parameter; every other byte but the code is zero.
inline EngineCommandRecord ManualModeCommand(const parm& record) {
    return EngineCommandRecord::Make(hb::records::kEngineCmdManualMode, 0,
                                     record.get(parm::kObjectHandle));
}
