#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A push switch with a lamp ("TiSwitchLed"). The program only colours it: its properties are
// reached by dispatch id (Dispids.h).
class CiSwitchLedX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSwitchLedX)
};
