#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A toggle switch ("TiSwitchToggle"). The user flipping it fires 1 (change).
class CiSwitchToggleX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiSwitchToggleX)

public:
    BOOL GetActive() const { return GetBool(hb::instruments::switchToggle::kActive); }
    void SetActive(BOOL value) { SetProperty(hb::instruments::switchToggle::kActive, value != 0); }
};
