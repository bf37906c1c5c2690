#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A sliding switch with several positions ("TiSwitchSlider"). Its other properties are reached
// by dispatch id (Dispids.h).
class CiSwitchSliderX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSwitchSliderX)

public:
    long GetPosition() const { return GetLong(hb::instruments::switchSlider::kPosition); }
    void SetPosition(long value) { SetProperty(hb::instruments::switchSlider::kPosition, value); }
};
