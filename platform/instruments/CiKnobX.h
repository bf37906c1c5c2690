#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A knob ("TiKnob"). The user turning it fires 4 and 18 (position change), 8 (double click),
// 9 and 11 (mouse down and up: button, shift, x, y) and 13 (drag end); setting its position here
// fires nothing.
class CiKnobX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiKnobX)

public:
    hb::instruments::FontObject GetFont() const { return GetFontAt(hb::instruments::knob::kFont); }

    double GetPosition() const { return GetDouble(hb::instruments::knob::kPosition); }
    void SetPosition(double value) { SetProperty(hb::instruments::knob::kPosition, value); }
    double GetPositionMin() const { return GetDouble(hb::instruments::knob::kPositionMin); }
    void SetPositionMin(double value) { SetProperty(hb::instruments::knob::kPositionMin, value); }
    double GetPositionMax() const { return GetDouble(hb::instruments::knob::kPositionMax); }
    void SetPositionMax(double value) { SetProperty(hb::instruments::knob::kPositionMax, value); }
    CString GetUnitsText() const { return GetText(hb::instruments::knob::kUnitsText); }
    void SetUnitsText(LPCSTR value) { SetProperty(hb::instruments::knob::kUnitsText, value); }
    // The turn from minimum to maximum; more than 360 makes several turns.
    double GetRotationDegrees() const { return GetDouble(hb::instruments::knob::kRotationDegrees); }
    void SetRotationDegrees(double value) {
        SetProperty(hb::instruments::knob::kRotationDegrees, value);
    }
    // The step of one arrow key.
    double GetIncrement() const { return GetDouble(hb::instruments::knob::kIncrement); }
    void SetIncrement(double value) { SetProperty(hb::instruments::knob::kIncrement, value); }
    COLORREF GetKnobColor() const { return GetColor(hb::instruments::knob::kKnobColor); }
    void SetKnobColor(COLORREF value) { SetProperty(hb::instruments::knob::kKnobColor, value); }
    COLORREF GetIndicatorColor() const { return GetColor(hb::instruments::knob::kIndicatorColor); }
    void SetIndicatorColor(COLORREF value) {
        SetProperty(hb::instruments::knob::kIndicatorColor, value);
    }
    BOOL GetPositionLabelVisible() const {
        return GetBool(hb::instruments::knob::kPositionLabelVisible);
    }
    void SetPositionLabelVisible(BOOL value) {
        SetProperty(hb::instruments::knob::kPositionLabelVisible, value != 0);
    }
    COLORREF GetBackGroundColor() const {
        return GetColor(hb::instruments::knob::kBackGroundColor);
    }
    void SetBackGroundColor(COLORREF value) {
        SetProperty(hb::instruments::knob::kBackGroundColor, value);
    }
};
