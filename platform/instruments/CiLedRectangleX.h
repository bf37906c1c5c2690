#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A rectangular lamp with a caption ("TiLedRectangle"). A click fires 2 and 3; mouse down, move
// and up fire 9, 10 and 11 (button, shift, x, y).
class CiLedRectangleX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiLedRectangleX)

public:
    BOOL GetActive() const { return GetBool(hb::instruments::ledRectangle::kActive); }
    void SetActive(BOOL value) { SetProperty(hb::instruments::ledRectangle::kActive, value != 0); }
    CString GetCaption() const { return GetText(hb::instruments::ledRectangle::kCaption); }
    void SetCaption(LPCSTR value) { SetProperty(hb::instruments::ledRectangle::kCaption, value); }
    COLORREF GetCaptionColor() const {
        return GetColor(hb::instruments::ledRectangle::kCaptionColor);
    }
    void SetCaptionColor(COLORREF value) {
        SetProperty(hb::instruments::ledRectangle::kCaptionColor, value);
    }
    // The lamp lit.
    COLORREF GetActiveColor() const {
        return GetColor(hb::instruments::ledRectangle::kActiveColor);
    }
    void SetActiveColor(COLORREF value) {
        SetProperty(hb::instruments::ledRectangle::kActiveColor, value);
    }
    COLORREF GetInactiveColor() const {
        return GetColor(hb::instruments::ledRectangle::kInactiveColor);
    }
    void SetInactiveColor(COLORREF value) {
        SetProperty(hb::instruments::ledRectangle::kInactiveColor, value);
    }
    COLORREF GetBackColor() const { return GetColor(hb::instruments::kBackColor); }
    void SetBackColor(COLORREF value) { SetProperty(hb::instruments::kBackColor, value); }
};
