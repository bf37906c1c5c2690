#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A slider ("TiSlider"). The program only colours it: its properties are reached by dispatch id
// (Dispids.h).
class CiSliderX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSliderX)
};
