#pragma once
#include "platform/afx/Afx.h"
#include "platform/instruments/Instruments.h"
#include "platform/testkit/PlatformTest.h"

#include <string>
#include <vector>

namespace hb::instruments::test {

inline constexpr const char* kKnobClass = "{C5412DC7-2E2F-11D3-85BF-00105AC8B715}";
inline constexpr const char* kLedRectangleClass = "{0A362345-2E5E-11D3-85BF-00105AC8B715}";
inline constexpr const char* kSevenSegmentAnalogClass = "{C5412E33-2E2F-11D3-85BF-00105AC8B715}";
inline constexpr const char* kSevenSegmentIntegerClass = "{0A362383-2E5E-11D3-85BF-00105AC8B715}";
inline constexpr const char* kAngularGaugeClass = "{C5412DD5-2E2F-11D3-85BF-00105AC8B715}";
inline constexpr const char* kLedBarClass = "{C5412E14-2E2F-11D3-85BF-00105AC8B715}";
inline constexpr const char* kSwitchToggleClass = "{0A362397-2E5E-11D3-85BF-00105AC8B715}";
inline constexpr const char* kLabelClass = "{EBF31E97-980B-4C2B-9645-8FEBD518356B}";
inline constexpr const char* kPhonePadClass = "{A8BB3D6D-ACF3-4516-9090-FF76D4EEC5FA}";
inline constexpr const char* kLedRoundClass = "{0A362353-2E5E-11D3-85BF-00105AC8B715}";
inline constexpr const char* kLcdMatrixClass = "{7D3A1C40-5B2E-4F61-9C0A-2B8E4D6F1A53}";

// Control ids of the test panel.
enum : UINT {
    kTuning = 27784,
    kStatusLamp = 29395,
    kFrequency = 27510,
    kChannel = 27989,
    kMeter = 27490,
    kVu = 26034,
    kHold = 26011,
    kName = 28724,
    kKeypad = 27781,
    kTone = 27350,
};

hb::afx::DialogControl Instrument(UINT id, const char* classId, int x, int y, int cx, int cy,
                                  std::vector<hb::afx::StartProperty> properties = {});
// One instrument of each kind the front panels use, with start properties.
hb::afx::DialogTemplate PanelTemplate();

// A front panel that binds one wrapper per kind and logs what its sink map is given.
class CTestPanel : public CWnd {
public:
    CiKnobX tuning;
    CiLedRectangleX statusLamp;
    CiSevenSegmentAnalogX frequency;
    CiSevenSegmentIntegerX channel;
    CiAngularGaugeX meter;
    CiLedBarX vu;
    CiSwitchToggleX hold;
    CiLabelX name;
    CiPhonePadX keypad;
    CiLedRoundX tone;

    std::vector<std::string> log;
    // A key the name field's key handler swallows.
    short swallowKey = 0;
    // The knob handler of event 4 destroys the panel.
    bool closeOnTurn = false;

    void DoDataExchange(CDataExchange* pDX) override;

protected:
    void OnTuning4();
    void OnTuning18();
    void OnTuningReset();
    void OnTuningDown(short button, short shift, long x, long y);
    void OnTuningUp(short button, short shift, long x, long y);
    void OnTuningDragEnd();
    void OnLampClick2();
    void OnLampClick3();
    void OnLampDown(short button, short shift, long x, long y);
    void OnHoldChange();
    void OnNameChange();
    void OnNameDown(short button, short shift, long x, long y);
    void OnNameKey(short* key, short shift);
    void OnKeypad(short key, short shift);

    DECLARE_EVENTSINK_MAP()
};

class InstrumentTest : public hb::testkit::PlatformTest {
protected:
    InstrumentTest();

    // Paints the instrument afresh and returns what it drew.
    static const hb::win::DisplayList& Repaint(HWND hwnd);

    CTestPanel panel;
};

} // namespace hb::instruments::test
