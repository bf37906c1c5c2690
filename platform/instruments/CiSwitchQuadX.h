#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A four-way switch ("TiSwitchQuad"). The program only colours it: its properties are reached by
// dispatch id (Dispids.h).
class CiSwitchQuadX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSwitchQuadX)
};
