#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A numeric field ("TiAnalogOutput"): it shows its value at its precision, and the user types a
// new one (digits, '.', '-', Backspace); every change of the value fires 1 (change), and Enter
// brings a typed value within the limits (when the upper is above the lower) and fires 10. Its
// other properties are reached by dispatch id (Dispids.h).
class CiAnalogOutputX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiAnalogOutputX)

public:
    double GetValue() const { return GetDouble(hb::instruments::analogOutput::kValue); }
    void SetValue(double value) { SetProperty(hb::instruments::analogOutput::kValue, value); }
    long GetPrecision() const { return GetLong(hb::instruments::analogOutput::kPrecision); }
    void SetPrecision(long value) {
        SetProperty(hb::instruments::analogOutput::kPrecision, static_cast<std::int32_t>(value));
    }
    void SetLowerLimit(double value) {
        SetProperty(hb::instruments::analogOutput::kLowerLimit, value);
    }
    void SetUpperLimit(double value) {
        SetProperty(hb::instruments::analogOutput::kUpperLimit, value);
    }
};
