#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A seven-segment display of a whole number ("TiSevenSegmentInteger").
class CiSevenSegmentIntegerX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSevenSegmentIntegerX)

public:
    long GetValue() const { return GetLong(hb::instruments::sevenSegmentInteger::kValue); }
    void SetValue(long value) { SetProperty(hb::instruments::sevenSegmentInteger::kValue, value); }
    long GetDigitCount() const {
        return GetLong(hb::instruments::sevenSegmentInteger::kDigitCount);
    }
    void SetDigitCount(long value) {
        SetProperty(hb::instruments::sevenSegmentInteger::kDigitCount, value);
    }
    COLORREF GetSegmentColor() const {
        return GetColor(hb::instruments::sevenSegmentInteger::kSegmentColor);
    }
    void SetSegmentColor(COLORREF value) {
        SetProperty(hb::instruments::sevenSegmentInteger::kSegmentColor, value);
    }
    COLORREF GetBackGroundColor() const {
        return GetColor(hb::instruments::sevenSegmentInteger::kBackGroundColor);
    }
    void SetBackGroundColor(COLORREF value) {
        SetProperty(hb::instruments::sevenSegmentInteger::kBackGroundColor, value);
    }
};
