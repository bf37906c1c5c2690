#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A seven-segment clock ("TiSevenSegmentClock"). The program only colours it: its properties are
// reached by dispatch id (Dispids.h).
class CiSevenSegmentClockX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSevenSegmentClockX)
};
