#pragma once
// An eight-column LED matrix used as a digit-by-digit tuning strip: each column stands for one
// decimal digit of the frequency. Pressing a column sends its weight as a step to the window given
// to Init (left button down, right button up; Shift asks the receiver to round to the digit) and
// repeats it while the button is held. Without Init the strip lights but sends nothing.

#include "platform/instruments/CiLedMatrixX.h"

#include <cstdint>

class CTuningLedMatrix : public CiLedMatrixX {
    DECLARE_DYNAMIC(CTuningLedMatrix)

public:
    CTuningLedMatrix() = default;

    // The window that gets the steps, a value kept for the caller, and the table of digit weights
    // (4: 1 GHz down to 100 Hz; 3 and 6: 10 MHz down to 1 Hz).
    virtual void Init(CWnd* window, DWORD spareValue, BYTE mode);
    // WM_TUNE_DIGIT_STEP to the window: wParam the column's weight in Hz, lParam the control id in
    // the high word, the downward flag in bits 8-15 and the rounding flag in bits 0-7. Nothing
    // without a column or with a mode that has no table.
    virtual void SendStep();
    virtual void StopTracking();
    virtual void BeginPress(BYTE pressedColumn, UINT flags, BYTE pressDirection);
    virtual void TrackHover(CPoint point);

    CWnd* target = nullptr;
    DWORD spare = 0;
    // 0xFF while the left button is the pressed one, 0 for the right.
    BYTE direction = 0;
    // The lit column, 0xFF for none.
    BYTE column = 0xFF;
    // 0xFF when Shift was held at the press.
    BYTE fine = 0;
    BYTE digitMode = 4;

    DECLARE_MESSAGE_MAP()

protected:
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    LRESULT OnRButtonDblClk(WPARAM wParam, LPARAM lParam);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);

private:
    void Press(UINT flags, CPoint point, BYTE pressDirection);
    void LightColumn(BYTE newColumn);
};
