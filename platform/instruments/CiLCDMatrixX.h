#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A character display of one line of dot-matrix cells ("TiLCDMatrix"). The text fills the cells
// from the left; what does not fit is not shown.
class CiLCDMatrixX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiLCDMatrixX)

public:
    long GetColumnCount() const { return GetLong(hb::instruments::lcdMatrix::kColumnCount); }
    void SetColumnCount(long value) {
        SetProperty(hb::instruments::lcdMatrix::kColumnCount, value);
    }
    CString GetText() const {
        return InstrumentWrapper::GetText(hb::instruments::lcdMatrix::kText);
    }
    void SetText(LPCSTR value) { SetProperty(hb::instruments::lcdMatrix::kText, value); }
    COLORREF GetIndicatorActiveColor() const {
        return GetColor(hb::instruments::lcdMatrix::kIndicatorActiveColor);
    }
    void SetIndicatorActiveColor(COLORREF value) {
        SetProperty(hb::instruments::lcdMatrix::kIndicatorActiveColor, value);
    }
    COLORREF GetIndicatorInactiveColor() const {
        return GetColor(hb::instruments::lcdMatrix::kIndicatorInactiveColor);
    }
    void SetIndicatorInactiveColor(COLORREF value) {
        SetProperty(hb::instruments::lcdMatrix::kIndicatorInactiveColor, value);
    }
};
