#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A seven-segment display of a number with decimals ("TiSevenSegmentAnalog").
class CiSevenSegmentAnalogX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSevenSegmentAnalogX)

public:
    double GetValue() const { return GetDouble(hb::instruments::sevenSegmentAnalog::kValue); }
    void SetValue(double value) { SetProperty(hb::instruments::sevenSegmentAnalog::kValue, value); }
    // Decimals shown.
    long GetPrecision() const { return GetLong(hb::instruments::sevenSegmentAnalog::kPrecision); }
    void SetPrecision(long value) {
        SetProperty(hb::instruments::sevenSegmentAnalog::kPrecision, value);
    }
    long GetDigitCount() const { return GetLong(hb::instruments::sevenSegmentAnalog::kDigitCount); }
    void SetDigitCount(long value) {
        SetProperty(hb::instruments::sevenSegmentAnalog::kDigitCount, value);
    }
    COLORREF GetSegmentColor() const {
        return GetColor(hb::instruments::sevenSegmentAnalog::kSegmentColor);
    }
    void SetSegmentColor(COLORREF value) {
        SetProperty(hb::instruments::sevenSegmentAnalog::kSegmentColor, value);
    }
    COLORREF GetBackGroundColor() const {
        return GetColor(hb::instruments::sevenSegmentAnalog::kBackGroundColor);
    }
    void SetBackGroundColor(COLORREF value) {
        SetProperty(hb::instruments::sevenSegmentAnalog::kBackGroundColor, value);
    }
};
