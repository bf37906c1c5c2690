#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A slider ("TiSlider"). The user moving its pointer fires 4 and 18 (position change), then 11 on
// the mouse up (button, shift, x, y); setting its position here fires nothing. Its colours are
// reached by dispatch id (Dispids.h).
class CiSliderX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSliderX)

public:
    double GetPosition() const { return GetDouble(hb::instruments::slider::kPosition); }
    void SetPosition(double value) { SetProperty(hb::instruments::slider::kPosition, value); }
    double GetPositionMin() const { return GetDouble(hb::instruments::slider::kPositionMin); }
    void SetPositionMin(double value) { SetProperty(hb::instruments::slider::kPositionMin, value); }
    double GetPositionMax() const { return GetDouble(hb::instruments::slider::kPositionMax); }
    void SetPositionMax(double value) { SetProperty(hb::instruments::slider::kPositionMax, value); }
};
