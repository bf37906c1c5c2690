#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A rotary switch ("TiSwitchRotary") of PositionCount positions. The user turning it fires 1
// (change); setting its position here fires nothing.
class CiSwitchRotaryX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSwitchRotaryX)

public:
    long GetPosition() const { return GetLong(hb::instruments::switchRotary::kPosition); }
    void SetPosition(long value) { SetProperty(hb::instruments::switchRotary::kPosition, value); }
    long GetPositionCount() const { return GetLong(hb::instruments::switchRotary::kPositionCount); }
    void SetPositionCount(long value) {
        SetProperty(hb::instruments::switchRotary::kPositionCount, value);
    }
    COLORREF GetBackGroundColor() const {
        return GetColor(hb::instruments::switchRotary::kBackGroundColor);
    }
    void SetBackGroundColor(COLORREF value) {
        SetProperty(hb::instruments::switchRotary::kBackGroundColor, value);
    }
};
