#include "platform/tessary/model/Radio.h"
#include "tests/radioview/FrontPanelTest.h"
#include "tests/radioview/PanelTestForms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>

namespace hb::app::test {
namespace {

class RadioViewControlsTest : public FrontPanelTest {
protected:
    void SetUp() override {
        FrontPanelTest::SetUp();
        StartWith(42);
        ASSERT_NE(OpenPanel(), nullptr);
        rig = RadioWindow()->m_rig;
        forms.emplace();
    }
    // A panel of the test form, for the open radio, its controls bound.
    CRadioView& TestPanel() {
        auto* panel = new CRadioView(PanelTestForms::kForm);
        EXPECT_TRUE(panel->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 300), &Main(), 1));
        panel->UpdateData(FALSE);
        panel->m_rig = rig;
        return *panel;
    }
    static std::uint32_t LastValue(std::string_view function) {
        const auto calls = EngineSim::Calls(function);
        return calls.empty() ? 0xFFFFFFFF : calls.back().value;
    }
    static double Inverse(const hb::records::Descriptor& d, int value) {
        return (value - d.offset) / d.scale;
    }

    std::optional<PanelTestForms> forms;
    CRig* rig = nullptr;
};

TEST_F(RadioViewControlsTest, TheStoredLevelsPlaceTheKnobsAndReachTheRadio) {
    app->WriteProfileInt(kSection, "Volume", 40);
    app->WriteProfileInt(kSection, "Squelch", 20);
    app->WriteProfileInt(kSection, "VSC", 7);
    app->WriteProfileInt(kSection, "Attack", 300);
    app->WriteProfileInt(kSection, "Hang", 400);
    app->WriteProfileInt(kSection, "Decay", 500);
    CRadioView& panel = TestPanel();
    panel.m_activeVfo = 2;
    panel.SetupControls();

    const hb::records::Controls& c = rig->m_radio->controls();
    EXPECT_DOUBLE_EQ(panel.m_volumeSetting.GetPosition(), Inverse(c.volume, 40));
    EXPECT_EQ(LastValue("scan_device_set_volume"), 40u);
    EXPECT_DOUBLE_EQ(panel.m_squelchKnob.GetPosition(), 20);
    EXPECT_EQ(LastValue("scan_device_set_squelch"), rig->m_radio->SquelchToDevice(20));
    EXPECT_EQ(LastValue("scan_device_set_vsc"), 7u);
    const parm& active = panel.m_vfo[2];
    EXPECT_EQ(active.get(parm::kAgcAttack), 300u);
    EXPECT_EQ(active.get(parm::kAgcHang), 400u);
    EXPECT_EQ(active.get(parm::kAgcDecay), 500u);
    EXPECT_EQ(panel.m_vfo[0].get(parm::kAgcAttack), 0u);
    EXPECT_DOUBLE_EQ(panel.m_agcAttackKnob.GetPosition(), Inverse(c.agcAttack, 300));
    EXPECT_DOUBLE_EQ(panel.m_agcDecayKnob.GetPosition(), Inverse(c.agcDecay, 500));
    panel.DestroyWindow();
}

TEST_F(RadioViewControlsTest, WithoutStoredLevelsTheRadiosDefaultsApply) {
    CRadioView& panel = TestPanel();
    panel.SetupControls();
    const hb::records::Controls& c = rig->m_radio->controls();
    EXPECT_EQ(LastValue("scan_device_set_volume"),
              static_cast<std::uint32_t>(std::lround(c.volume.def)));
    EXPECT_EQ(LastValue("scan_device_set_vsc"), 0u);
    EXPECT_EQ(panel.m_vfo[0].get(parm::kAgcHang), std::lround(c.agcHang.def * c.agcHang.scale));
    panel.DestroyWindow();
}

TEST_F(RadioViewControlsTest, TheKnobsTakeTheRadiosRangesAndTheLampsTheirStart) {
    CRadioView& panel = TestPanel();
    panel.SetupControls();
    const Radio& radio = *rig->m_radio;
    const hb::records::Controls& c = radio.controls();
    const std::pair<const CiKnobX*, const hb::records::Descriptor*> knobs[] = {
        {&panel.m_squelchKnob, &c.squelch}, {&panel.m_volumeSetting, &c.volume},
        {&panel.m_bfoKnob, &c.bfo},         {&panel.m_gainKnob, &c.gain},
        {&panel.m_notchKnob, &c.notch},     {&panel.m_vscKnob, &c.vsc},
        {&panel.m_ifShiftKnob, &c.ifShift}, {&panel.m_agcHangKnob, &c.agcHang},
        {&panel.m_filter2Knob, &c.filter2},
    };
    for (const auto& [knob, d] : knobs) {
        EXPECT_DOUBLE_EQ(knob->GetPositionMin(), d->min) << ::GetDlgCtrlID(knob->m_hWnd);
        EXPECT_DOUBLE_EQ(knob->GetPositionMax(), d->max) << ::GetDlgCtrlID(knob->m_hWnd);
    }
    EXPECT_EQ(::GetDlgCtrlID(panel.m_vscKnob.m_hWnd), static_cast<int>(PanelTestForms::kVscKnob));
    EXPECT_DOUBLE_EQ(panel.m_filterKnob.GetPositionMin(), 1);
    EXPECT_DOUBLE_EQ(panel.m_filterKnob.GetPositionMax(), static_cast<double>(radio.filterCount()));
    EXPECT_DOUBLE_EQ(panel.m_sMeter.GetPositionMin(), radio.signalScale().min);
    EXPECT_DOUBLE_EQ(panel.m_sMeter.GetPositionMax(), radio.signalScale().max);
    EXPECT_STREQ(panel.m_sMeter.GetCaption(), "Signal");
    EXPECT_STREQ(panel.m_volumeKnob.GetUnitsText(), " %");
    EXPECT_TRUE(panel.m_liveLed.GetActive());
    EXPECT_FALSE(panel.m_holdLed.GetActive());
    EXPECT_STREQ(panel.m_livePlayLamp.GetCaption(), "LIVE");
    panel.DestroyWindow();
}

TEST_F(RadioViewControlsTest, AScaleOfZeroLeavesTheKnobWhereItIs) {
    hb::records::Controls controls = rig->m_radio->controls();
    controls.volume.scale = 0;
    controls.agcDecay.scale = 0;
    hb::records::RadioModel model = *hb::records::FindRadioModel(42);
    model.controls = &controls;
    Radio flawed(model);
    Radio* own = std::exchange(rig->m_radio, &flawed);
    app->WriteProfileInt(kSection, "Volume", 40);
    app->WriteProfileInt(kSection, "Decay", 500);
    CRadioView& panel = TestPanel();
    const double volume = panel.m_volumeSetting.GetPosition();
    const double decay = panel.m_agcDecayKnob.GetPosition();
    panel.SetupControls();
    rig->m_radio = own;
    EXPECT_DOUBLE_EQ(panel.m_volumeSetting.GetPosition(), volume);
    EXPECT_DOUBLE_EQ(panel.m_agcDecayKnob.GetPosition(), decay);
    EXPECT_EQ(LastValue("scan_device_set_volume"), 40u);
    EXPECT_EQ(panel.m_vfo[0].get(parm::kAgcDecay), 500u);
    panel.DestroyWindow();
}

} // namespace
} // namespace hb::app::test
