#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A two-way rocker switch ("TiSwitchRocker"): position 1 rocked up (on), 0 down (off). The user
// rocking it fires 1 (change).
class CiSwitchRockerX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSwitchRockerX)

public:
    long GetPosition() const { return GetLong(hb::instruments::switchRocker::kPosition); }
    void SetPosition(long value) {
        SetProperty(hb::instruments::switchRocker::kPosition, value != 0 ? 1L : 0L);
    }
    COLORREF GetFaceColor() const { return GetColor(hb::instruments::switchRocker::kFaceColor); }
    void SetFaceColor(COLORREF value) {
        SetProperty(hb::instruments::switchRocker::kFaceColor, value);
    }
};
