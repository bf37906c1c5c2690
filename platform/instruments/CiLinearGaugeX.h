#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A linear scale with two pointers ("TiLinearGauge"); a click fires event 5.
class CiLinearGaugeX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiLinearGaugeX)

public:
    // Pointer 0 or 1; other indexes are ignored.
    double GetPointersPosition(short index) const {
        return index == 1 ? GetDouble(hb::instruments::linearGauge::kPointer1Position)
                          : GetDouble(hb::instruments::linearGauge::kPointer0Position);
    }
    void SetPointersPosition(short index, double value) {
        if (index == 0 || index == 1) {
            SetProperty(index ? hb::instruments::linearGauge::kPointer1Position
                              : hb::instruments::linearGauge::kPointer0Position,
                        value);
        }
    }
};
