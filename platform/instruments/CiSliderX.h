#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A slider ("TiSlider"). Its other properties are reached by dispatch id (Dispids.h).
class CiSliderX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSliderX)

public:
    double GetPosition() const { return GetDouble(hb::instruments::slider::kPosition); }
    void SetPosition(double value) { SetProperty(hb::instruments::slider::kPosition, value); }
};
