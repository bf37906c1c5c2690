#include "tests/platform/instruments/InstrumentTest.h"

#include <cstdint>

namespace hb::instruments::test {
namespace {

using hb::afx::Value;

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassName(hwnd, name, sizeof name);
    return name;
}

TEST_F(InstrumentTest, AFormMakesEachKindFromItsClassIdWithItsStartProperties) {
    EXPECT_EQ(ClassOf(panel.tuning), "TiKnob");
    EXPECT_EQ(ClassOf(panel.statusLamp), "TiLedRectangle");
    EXPECT_EQ(ClassOf(panel.frequency), "TiSevenSegmentAnalog");
    EXPECT_EQ(ClassOf(panel.channel), "TiSevenSegmentInteger");
    EXPECT_EQ(ClassOf(panel.meter), "TiAngularGauge");
    EXPECT_EQ(ClassOf(panel.vu), "TiLedBar");
    EXPECT_EQ(ClassOf(panel.hold), "TiSwitchToggle");
    EXPECT_EQ(ClassOf(panel.name), "TiLabel");
    EXPECT_EQ(ClassOf(panel.keypad), "TiPhonePad");
    EXPECT_EQ(ClassOf(panel.tone), "TiLedRound");

    // The maximum came first, so the position is not held to the default range.
    EXPECT_EQ(panel.tuning.GetPositionMax(), 1000);
    EXPECT_EQ(panel.tuning.GetPosition(), 250);
    EXPECT_EQ(panel.statusLamp.GetCaption(), "OK");
    EXPECT_EQ(panel.frequency.GetPrecision(), 4);
    EXPECT_EQ(panel.channel.GetDigitCount(), 3);
    EXPECT_EQ(panel.meter.GetCaption(), "Signal");
    EXPECT_EQ(panel.vu.GetSegmentCount(), 20);
    EXPECT_TRUE(panel.name.GetEditable());
    EXPECT_EQ(panel.name.GetCaption(), "Marine 16");
    EXPECT_EQ(panel.tone.GetActiveColor(), 0x0000FFu);
    // What no start property names keeps its default.
    EXPECT_EQ(panel.tuning.GetPositionMin(), 0);
    EXPECT_FALSE(panel.hold.GetActive());
    EXPECT_EQ(panel.name.GetFont().GetName(), "MS Sans Serif");

    // Templates may write class ids in either case.
    EXPECT_EQ(FindKindByClassId("{c5412dc7-2e2f-11d3-85bf-00105ac8b715}"), KindOf(panel.tuning));
}

TEST_F(InstrumentTest, StartPropertiesApplyInOrderAndABadOneIsReportedWithoutFailingTheForm) {
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& message) { failures.push_back(message); });
    const hb::afx::DialogTemplate form{
        .controls = {Instrument(1, kLedRectangleClass, 0, 0, 10, 10,
                                {{ledRectangle::kCaption, std::string("first")},
                                 {ledRectangle::kCaption, std::string("LIVE")},
                                 {999, 1},
                                 {ledRectangle::kActive, std::string("yes")}})}};
    CWnd parent;
    parent.CreateEx(0, nullptr, "", WS_OVERLAPPED, CRect(0, 0, 50, 50), nullptr, 0);
    ASSERT_TRUE(hb::afx::CreateTemplateControls(parent, form));
    EXPECT_EQ(GetProperty(GetDlgItem(parent, 1), ledRectangle::kCaption),
              Value(std::string("LIVE")));
    EXPECT_EQ(GetProperty(GetDlgItem(parent, 1), ledRectangle::kActive), Value(false));
    EXPECT_EQ(failures.size(), 2u);
}

class CPanelDialog : public CDialog {
public:
    explicit CPanelDialog(const hb::afx::DialogTemplate* dialog) : CDialog(dialog) {}

    CiKnobX tuning;
    double positionAtInit = -1;

    void DoDataExchange(CDataExchange* pDX) override { DDX_ControlIfPresent(pDX, kTuning, tuning); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        positionAtInit = tuning.GetPosition();
        return TRUE;
    }
};

TEST_F(InstrumentTest, AFormSeesItsStartPropertiesWhenItInitialisesAndFailsOnAnUnknownClassId) {
    hb::afx::DialogTemplate form = PanelTemplate();
    form.style = WS_POPUP;
    hb::afx::SetModalScript(form.id, [](CDialog& dialog) { dialog.EndDialog(IDCANCEL); });
    CPanelDialog good(&form);
    EXPECT_EQ(good.DoModal(), IDCANCEL);
    EXPECT_EQ(good.positionAtInit, 250);

    form.controls.insert(form.controls.begin() + 1,
                         Instrument(4000, "{00000000-0000-0000-0000-000000000000}", 0, 0, 5, 5));
    CPanelDialog bad(&form);
    EXPECT_EQ(bad.DoModal(), -1);
    EXPECT_EQ(bad.positionAtInit, -1);
    EXPECT_EQ(bad.GetSafeHwnd(), HWND{});
    EXPECT_EQ(hb::afx::ModalLog().size(), 1u);

    CWnd parent;
    parent.CreateEx(0, nullptr, "", WS_OVERLAPPED, CRect(0, 0, 50, 50), nullptr, 0);
    EXPECT_FALSE(hb::afx::CreateTemplateControls(parent, form));
    EXPECT_EQ(GetDlgItem(parent, 4000), HWND{});
}

} // namespace
} // namespace hb::instruments::test
