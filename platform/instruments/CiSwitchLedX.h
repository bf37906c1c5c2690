#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A push switch with a lamp ("TiSwitchLed"). Its other properties are reached by dispatch id
// (Dispids.h).
class CiSwitchLedX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSwitchLedX)

public:
    BOOL GetActive() const { return GetBool(hb::instruments::switchLed::kActive); }
    void SetActive(BOOL value) { SetProperty(hb::instruments::switchLed::kActive, value != 0); }
};
