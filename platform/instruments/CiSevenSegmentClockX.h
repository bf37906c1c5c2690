#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A seven-segment clock ("TiSevenSegmentClock") showing hours, minutes and seconds. Its colours
// are reached by dispatch id (Dispids.h).
class CiSevenSegmentClockX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSevenSegmentClockX)

public:
    // The time as a fraction of a day.
    double GetTime() const { return GetDouble(hb::instruments::sevenSegmentClock::kTime); }
    void SetTime(double value) { SetProperty(hb::instruments::sevenSegmentClock::kTime, value); }
};
