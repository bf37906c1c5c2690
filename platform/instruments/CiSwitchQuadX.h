#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A four-way switch ("TiSwitchQuad"): a click on its left, upper, right or lower arrow fires
// event 1, 2, 3 or 4. Its colours are reached by dispatch id (Dispids.h).
class CiSwitchQuadX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSwitchQuadX)
};
