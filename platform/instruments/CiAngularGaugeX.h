#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A round meter with a needle ("TiAngularGauge"): a scale from minimum to maximum with up to
// three coloured sections, a caption and a label text.
class CiAngularGaugeX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiAngularGaugeX)

public:
    double GetPosition() const { return GetDouble(hb::instruments::angularGauge::kPosition); }
    void SetPosition(double value) { SetProperty(hb::instruments::angularGauge::kPosition, value); }
    double GetPositionMin() const { return GetDouble(hb::instruments::angularGauge::kPositionMin); }
    void SetPositionMin(double value) {
        SetProperty(hb::instruments::angularGauge::kPositionMin, value);
    }
    double GetPositionMax() const { return GetDouble(hb::instruments::angularGauge::kPositionMax); }
    void SetPositionMax(double value) {
        SetProperty(hb::instruments::angularGauge::kPositionMax, value);
    }
    CString GetCaption() const { return GetText(hb::instruments::angularGauge::kCaption); }
    void SetCaption(LPCSTR value) { SetProperty(hb::instruments::angularGauge::kCaption, value); }
    BOOL GetLabelVisible() const { return GetBool(hb::instruments::angularGauge::kLabelVisible); }
    void SetLabelVisible(BOOL value) {
        SetProperty(hb::instruments::angularGauge::kLabelVisible, value != 0);
    }
    CString GetLabelText() const { return GetText(hb::instruments::angularGauge::kLabelText); }
    void SetLabelText(LPCSTR value) {
        SetProperty(hb::instruments::angularGauge::kLabelText, value);
    }
    long GetTickMajorCount() const {
        return GetLong(hb::instruments::angularGauge::kTickMajorCount);
    }
    void SetTickMajorCount(long value) {
        SetProperty(hb::instruments::angularGauge::kTickMajorCount, value);
    }
    long GetSectionCount() const { return GetLong(hb::instruments::angularGauge::kSectionCount); }
    void SetSectionCount(long value) {
        SetProperty(hb::instruments::angularGauge::kSectionCount, value);
    }
    // Sections 1 to 3; any other index reads 0 and ignores writes.
    double GetSectionEnd(int index) const {
        return IsSection(index) ? GetDouble(SectionEndId(index)) : 0;
    }
    void SetSectionEnd(int index, double value) {
        if (IsSection(index)) {
            SetProperty(SectionEndId(index), value);
        }
    }
    COLORREF GetSectionColor(int index) const {
        return IsSection(index) ? GetColor(SectionEndId(index) + 1) : 0;
    }
    void SetSectionColor(int index, COLORREF value) {
        if (IsSection(index)) {
            SetProperty(SectionEndId(index) + 1, value);
        }
    }
    COLORREF GetPointerColor() const {
        return GetColor(hb::instruments::angularGauge::kPointerColor);
    }
    void SetPointerColor(COLORREF value) {
        SetProperty(hb::instruments::angularGauge::kPointerColor, value);
    }
    COLORREF GetBackGroundColor() const {
        return GetColor(hb::instruments::angularGauge::kBackGroundColor);
    }
    void SetBackGroundColor(COLORREF value) {
        SetProperty(hb::instruments::angularGauge::kBackGroundColor, value);
    }

private:
    static bool IsSection(int index) {
        return index >= 1 && index <= hb::instruments::angularGauge::kMaxSections;
    }
    static long SectionEndId(int index) {
        return hb::instruments::angularGauge::kSection1End + 2L * (index - 1);
    }
};
