#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A seven-segment time-code clock ("TiSevenSegmentClockSMPTE"). The program only colours it: its
// properties are reached by dispatch id (Dispids.h).
class CiSevenSegmentClockSMPTEX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSevenSegmentClockSMPTEX)
};
