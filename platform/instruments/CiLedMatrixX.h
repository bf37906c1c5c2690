#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A grid of lamps ("TiLedMatrix"), rows and columns counted from 0 at the top left. A click on
// a cell fires 1 (row, column); mouse down, move and up fire 9, 10 and 11 (button, shift, x, y).
// Subclasses that track the mouse themselves handle its messages and call the default first.
class CiLedMatrixX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiLedMatrixX)

public:
    long GetRowCount() const { return GetLong(hb::instruments::ledMatrix::kRowCount); }
    void SetRowCount(long value) { SetProperty(hb::instruments::ledMatrix::kRowCount, value); }
    long GetColCount() const { return GetLong(hb::instruments::ledMatrix::kColCount); }
    void SetColCount(long value) { SetProperty(hb::instruments::ledMatrix::kColCount, value); }
    // The colour of a lit cell that has no colour of its own.
    COLORREF GetIndicatorActiveColor() const {
        return GetColor(hb::instruments::ledMatrix::kIndicatorActiveColor);
    }
    void SetIndicatorActiveColor(COLORREF value) {
        SetProperty(hb::instruments::ledMatrix::kIndicatorActiveColor, value);
    }

    // A cell outside the grid reads as unlit with no caption, and takes nothing.
    BOOL GetIndicatorActive(long row, long col) const;
    void SetIndicatorActive(long row, long col, BOOL active);
    COLORREF GetIndicatorColor(long row, long col) const;
    void SetIndicatorColor(long row, long col, COLORREF color);
    CString GetIndicatorCaption(long row, long col) const;
    void SetIndicatorCaption(long row, long col, LPCSTR caption);
};
