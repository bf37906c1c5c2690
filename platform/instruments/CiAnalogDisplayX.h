#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A numeric display ("TiAnalogDisplay"). The program only colours it: its properties are reached by
// dispatch id (Dispids.h).
class CiAnalogDisplayX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiAnalogDisplayX)
};
