#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A sliding switch with several positions ("TiSwitchSlider"). The program only colours it: its
// properties are reached by dispatch id (Dispids.h).
class CiSwitchSliderX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSwitchSliderX)
};
