#include "tests/platform/instruments/InstrumentTest.h"

#include <cstdint>

namespace hb::instruments::test {

using hb::afx::StartProperty;

hb::afx::DialogControl Instrument(UINT id, const char* classId, int x, int y, int cx, int cy,
                                  std::vector<StartProperty> properties) {
    return {.id = id,
            .className = classId,
            .style = WS_VISIBLE,
            .x = x,
            .y = y,
            .cx = cx,
            .cy = cy,
            .properties = std::move(properties)};
}

hb::afx::DialogTemplate PanelTemplate() {
    return {.id = 27348,
            .style = WS_CHILD,
            .cx = 590,
            .cy = 96,
            .controls = {
                Instrument(kTuning, kKnobClass, 10, 10, 60, 64,
                           {{knob::kPositionMax, 1000.0}, {knob::kPosition, 250.0}}),
                Instrument(kStatusLamp, kLedRectangleClass, 80, 10, 40, 12,
                           {{ledRectangle::kCaption, std::string("OK")}}),
                Instrument(kFrequency, kSevenSegmentAnalogClass, 130, 10, 120, 20,
                           {{sevenSegmentAnalog::kPrecision, 4}}),
                Instrument(kChannel, kSevenSegmentIntegerClass, 260, 10, 30, 20,
                           {{sevenSegmentInteger::kDigitCount, 3}}),
                Instrument(kMeter, kAngularGaugeClass, 300, 10, 60, 60,
                           {{angularGauge::kCaption, std::string("Signal")}}),
                Instrument(kVu, kLedBarClass, 370, 10, 60, 8, {{ledBar::kSegmentCount, 20}}),
                Instrument(kHold, kSwitchToggleClass, 440, 10, 12, 24),
                Instrument(kName, kLabelClass, 460, 10, 100, 12,
                           {{label::kEditable, true}, {label::kCaption, std::string("Marine 16")}}),
                Instrument(kKeypad, kPhonePadClass, 460, 30, 60, 60),
                Instrument(kTone, kLedRoundClass, 530, 30, 10, 10,
                           {{ledRound::kActiveColor, std::int64_t{0x0000FF}}}),
            }};
}

void CTestPanel::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, kTuning, tuning);
    DDX_Control(pDX, kStatusLamp, statusLamp);
    DDX_Control(pDX, kFrequency, frequency);
    DDX_Control(pDX, kChannel, channel);
    DDX_Control(pDX, kMeter, meter);
    DDX_Control(pDX, kVu, vu);
    DDX_Control(pDX, kHold, hold);
    DDX_Control(pDX, kName, name);
    DDX_Control(pDX, kKeypad, keypad);
    DDX_Control(pDX, kTone, tone);
}

BEGIN_EVENTSINK_MAP(CTestPanel, CWnd)
ON_EVENT(CTestPanel, kTuning, 4, &CTestPanel::OnTuning4)
ON_EVENT(CTestPanel, kTuning, 18, &CTestPanel::OnTuning18)
ON_EVENT(CTestPanel, kTuning, 8, &CTestPanel::OnTuningReset)
ON_EVENT(CTestPanel, kTuning, 9, &CTestPanel::OnTuningDown)
ON_EVENT(CTestPanel, kTuning, 11, &CTestPanel::OnTuningUp)
ON_EVENT(CTestPanel, kTuning, 13, &CTestPanel::OnTuningDragEnd)
ON_EVENT(CTestPanel, kStatusLamp, 2, &CTestPanel::OnLampClick2)
ON_EVENT(CTestPanel, kStatusLamp, 3, &CTestPanel::OnLampClick3)
ON_EVENT(CTestPanel, kStatusLamp, 9, &CTestPanel::OnLampDown)
ON_EVENT(CTestPanel, kHold, 1, &CTestPanel::OnHoldChange)
ON_EVENT(CTestPanel, kName, 2, &CTestPanel::OnNameChange)
ON_EVENT(CTestPanel, kName, 8, &CTestPanel::OnNameDown)
ON_EVENT(CTestPanel, kName, 11, &CTestPanel::OnNameKey)
ON_EVENT(CTestPanel, kKeypad, 1, &CTestPanel::OnKeypad)
END_EVENTSINK_MAP()

namespace {

std::string Mouse(short button, short shift, long x, long y) {
    return std::to_string(button) + " " + std::to_string(shift) + " " + std::to_string(x) + "," +
           std::to_string(y);
}

} // namespace

void CTestPanel::OnTuning4() {
    // Handlers see the new position already.
    log.push_back("tuning 4 at " + std::to_string(static_cast<int>(tuning.GetPosition())));
    if (closeOnTurn) {
        DestroyWindow();
    }
}
void CTestPanel::OnTuning18() {
    log.push_back("tuning 18 at " + std::to_string(static_cast<int>(tuning.GetPosition())));
}
void CTestPanel::OnTuningReset() {
    log.push_back("tuning reset");
}
void CTestPanel::OnTuningDown(short button, short shift, long x, long y) {
    log.push_back("tuning down " + Mouse(button, shift, x, y));
}
void CTestPanel::OnTuningUp(short button, short shift, long x, long y) {
    log.push_back("tuning up " + Mouse(button, shift, x, y));
}
void CTestPanel::OnTuningDragEnd() {
    log.push_back("tuning drag end");
}
void CTestPanel::OnLampClick2() {
    log.push_back("lamp 2");
}
void CTestPanel::OnLampClick3() {
    log.push_back("lamp 3");
}
void CTestPanel::OnLampDown(short button, short shift, long x, long y) {
    log.push_back("lamp down " + Mouse(button, shift, x, y));
}
void CTestPanel::OnHoldChange() {
    log.push_back(hold.GetActive() ? "hold on" : "hold off");
}
void CTestPanel::OnNameChange() {
    log.push_back("name changed to " + name.GetCaption().str());
}
void CTestPanel::OnNameDown(short button, short shift, long x, long y) {
    log.push_back("name down " + Mouse(button, shift, x, y));
}
void CTestPanel::OnNameKey(short* key, short shift) {
    log.push_back("name key " + std::to_string(*key) + " " + std::to_string(shift));
    if (*key == swallowKey) {
        *key = 0;
    }
}
void CTestPanel::OnKeypad(short key, short shift) {
    log.push_back("keypad " + std::to_string(key) + " " + std::to_string(shift));
}

InstrumentTest::InstrumentTest() {
    panel.CreateEx(0, nullptr, "panel", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 900, 200), nullptr,
                   0);
    EXPECT_TRUE(hb::afx::CreateTemplateControls(panel, PanelTemplate()));
    panel.UpdateData(FALSE);
}

const hb::win::DisplayList& InstrumentTest::Repaint(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    return hb::win::LastPaint(hwnd);
}

} // namespace hb::instruments::test
