#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A numeric output field ("TiAnalogOutput"). The program only colours it: its properties are
// reached by dispatch id (Dispids.h).
class CiAnalogOutputX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiAnalogOutputX)
};
