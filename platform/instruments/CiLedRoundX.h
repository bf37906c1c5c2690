#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A round lamp ("TiLedRound").
class CiLedRoundX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiLedRoundX)

public:
    BOOL GetActive() const { return GetBool(hb::instruments::ledRound::kActive); }
    void SetActive(BOOL value) { SetProperty(hb::instruments::ledRound::kActive, value != 0); }
    COLORREF GetActiveColor() const { return GetColor(hb::instruments::ledRound::kActiveColor); }
    void SetActiveColor(COLORREF value) {
        SetProperty(hb::instruments::ledRound::kActiveColor, value);
    }
    COLORREF GetInactiveColor() const {
        return GetColor(hb::instruments::ledRound::kInactiveColor);
    }
    void SetInactiveColor(COLORREF value) {
        SetProperty(hb::instruments::ledRound::kInactiveColor, value);
    }
};
