#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A sliding switch with several positions ("TiSwitchSlider"), each position with a caption of
// its own. The user moving it (a click moves it to the nearest position) fires 1 (change) and 4
// (position change).
class CiSwitchSliderX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSwitchSliderX)

public:
    long GetPosition() const { return GetLong(hb::instruments::switchSlider::kPosition); }
    void SetPosition(long value) { SetProperty(hb::instruments::switchSlider::kPosition, value); }
    long GetPositionCount() const { return GetLong(hb::instruments::switchSlider::kPositionCount); }
    void SetPositionCount(long value) {
        SetProperty(hb::instruments::switchSlider::kPositionCount, value);
    }
    // Empty for a position without a caption or out of range. Setting one out of range does
    // nothing.
    CString GetPositionCaption(long position) const;
    void SetPositionCaption(long position, LPCSTR caption);
};
