#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A bar of LEDs lit up to the position ("TiLedBar").
class CiLedBarX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiLedBarX)

public:
    double GetPosition() const { return GetDouble(hb::instruments::ledBar::kPosition); }
    void SetPosition(double value) { SetProperty(hb::instruments::ledBar::kPosition, value); }
    double GetPositionMin() const { return GetDouble(hb::instruments::ledBar::kPositionMin); }
    void SetPositionMin(double value) { SetProperty(hb::instruments::ledBar::kPositionMin, value); }
    double GetPositionMax() const { return GetDouble(hb::instruments::ledBar::kPositionMax); }
    void SetPositionMax(double value) { SetProperty(hb::instruments::ledBar::kPositionMax, value); }
    long GetSegmentCount() const { return GetLong(hb::instruments::ledBar::kSegmentCount); }
    void SetSegmentCount(long value) { SetProperty(hb::instruments::ledBar::kSegmentCount, value); }
    COLORREF GetActiveColor() const { return GetColor(hb::instruments::ledBar::kActiveColor); }
    void SetActiveColor(COLORREF value) {
        SetProperty(hb::instruments::ledBar::kActiveColor, value);
    }
    COLORREF GetInactiveColor() const { return GetColor(hb::instruments::ledBar::kInactiveColor); }
    void SetInactiveColor(COLORREF value) {
        SetProperty(hb::instruments::ledBar::kInactiveColor, value);
    }
};
