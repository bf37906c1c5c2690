#include "platform/engine/EngineSim.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineStates.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/model/Format.h"
#include "radioview/models/OptoComView.h"
#include "radioview/models/OptoScanView.h"
#include "tests/radioview/models/ModelViewTest.h"

#include <memory>

namespace hb::app::test {
namespace {

using hb::engine::EngineSim;
using hb::radioview::OptoPanel;
using hb::records::EngineStatus;
using hb::records::UserId;

class OptoViewTest : public ModelViewTest {
protected:
    void TearDown() override {
        hb::tessary::ResetFormatStyles();
        ModelViewTest::TearDown();
    }
    // The engine reports a hit whose ID is of the kind, sub-kind and value; by default it is
    // scanning and holds on the hit, so the panel is not tuned by hand.
    static void Hit(OptoPanel& panel, std::uint8_t kind, std::uint32_t value,
                    std::uint8_t subKind = 0,
                    std::uint8_t state = hb::records::kEngineOnChannelActive) {
        auto engine = std::make_unique<EngineStatus>();
        auto device = std::make_unique<hb::records::DeviceStatus>();
        UserId id;
        id.set(UserId::kKind, kind);
        id.set(UserId::kValue, value);
        id.set(UserId::kSizeCode, subKind);
        engine->set(EngineStatus::kCurrentId, id);
        engine->set(EngineStatus::kState, state);
        panel.UpdateStatusDisplay(engine->data(), device->data(), nullptr, nullptr);
    }
    static std::vector<bool> Lamps(OptoPanel& panel) {
        std::vector<bool> lit;
        for (CiLedRectangleX* lamp : {&panel.m_plLamp, &panel.m_dplLamp, &panel.m_ltrLamp,
                                      &panel.m_m1Lamp, &panel.m_m2Lamp, &panel.m_edLamp}) {
            lit.push_back(lamp->m_hWnd && lamp->GetActive());
        }
        return lit;
    }
};

TEST_F(OptoViewTest, EachKindShowsItsValueWithOnlyItsLampAndMovesTheDecoderSwitch) {
    auto* panel = OpenModel<OptoPanel>("COptoComView");
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(panel->m_decoderSwitch.m_hWnd, nullptr);
    Hit(*panel, 4, 1035);
    EXPECT_DOUBLE_EQ(panel->m_decoderDisplay.GetValue(), 103.5);
    EXPECT_EQ(panel->m_decoderDisplay.GetPrecision(), 1);
    EXPECT_EQ(Lamps(*panel), (std::vector<bool>{true, false, false, false, false, false}));
    EXPECT_EQ(panel->m_decoderSwitch.GetPosition(), 0);

    Hit(*panel, 5, 0x13);
    EXPECT_DOUBLE_EQ(panel->m_decoderDisplay.GetValue(), 23);
    EXPECT_EQ(Lamps(*panel), (std::vector<bool>{false, true, false, false, false, false}));

    // LTR: area 1, home 5, group 17.
    Hit(*panel, 3, (1u << 13) | (5u << 8) | 17u);
    EXPECT_DOUBLE_EQ(panel->m_decoderDisplay.GetValue(), 105017);
    EXPECT_EQ(Lamps(*panel), (std::vector<bool>{false, false, true, false, false, false}));
    EXPECT_EQ(panel->m_decoderSwitch.GetPosition(), 1);

    Hit(*panel, 6, 1234);
    EXPECT_DOUBLE_EQ(panel->m_decoderDisplay.GetValue(), 1234);
    format_edacs_style(2);
    // Agency 3, fleet 5, subfleet 2.
    Hit(*panel, 8, (3u << 7) | (5u << 3) | 2u);
    EXPECT_NEAR(panel->m_decoderDisplay.GetValue(), 3.052, 1e-9);
    EXPECT_EQ(panel->m_decoderDisplay.GetPrecision(), 3);
    EXPECT_EQ(Lamps(*panel), (std::vector<bool>{false, false, false, false, false, true}));
    EXPECT_EQ(panel->m_decoderSwitch.GetPosition(), 2);

    Hit(*panel, 2, 4000);
    EXPECT_EQ(Lamps(*panel), (std::vector<bool>{false, false, false, false, true, false}));
    EXPECT_EQ(panel->m_decoderSwitch.GetPosition(), 4);

    Hit(*panel, 0, 0);
    EXPECT_EQ(Lamps(*panel), std::vector<bool>(6, false));
    EXPECT_DOUBLE_EQ(panel->m_decoderDisplay.GetValue(), 0);
}

TEST_F(OptoViewTest, MotorolaSubKindsSplitTheIdWithoutFaultingOnTheEdges) {
    auto* panel = OpenModel<OptoPanel>("COptoComView");
    ASSERT_NE(panel, nullptr);
    // Sub-kind 1: block 2, fleet 5 of 128, subfleet 3 of 4.
    Hit(*panel, 1, (2u << 13) | (5u * 64) | (3u * 16), 1);
    EXPECT_NEAR(panel->m_decoderDisplay.GetValue(), 2005.3, 1e-9);
    EXPECT_EQ(Lamps(*panel), (std::vector<bool>{false, false, false, true, false, false}));
    EXPECT_EQ(panel->m_decoderSwitch.GetPosition(), 3);
    // Sub-kind 14 spans all eight blocks; the high bits of the size byte do not count.
    Hit(*panel, 1, 0xFFFF, 0x1E);
    EXPECT_NEAR(panel->m_decoderDisplay.GetValue(), 0 * 100 + 0 + 15 / 100.0, 1e-9);
    Hit(*panel, 1, 0x4321, 0);
    EXPECT_DOUBLE_EQ(panel->m_decoderDisplay.GetValue(), 0);
    EXPECT_TRUE(panel->m_m1Lamp.GetActive());
    Hit(*panel, 1, 0x4321, 15);
    EXPECT_DOUBLE_EQ(panel->m_decoderDisplay.GetValue(), 0x4321);
    format_motorola_style(2);
    Hit(*panel, 1, 0x4320, 15);
    EXPECT_DOUBLE_EQ(panel->m_decoderDisplay.GetValue(), 0x432 + 800000);
}

TEST_F(OptoViewTest, TheDecoderSwitchSetsTheKindAndStaysPutInManualMode) {
    auto* panel = OpenModel<OptoPanel>("COptoComView");
    ASSERT_NE(panel, nullptr);
    const std::uint8_t kinds[] = {4, 3, 6, 1, 2};
    for (long position = 4; position >= 0; --position) {
        Slide(panel->m_decoderSwitch, position);
        EXPECT_EQ(Active(*panel).get(parm::Channel::kSquelchKind), kinds[position]);
    }
    Slide(panel->m_modeSwitch, 1);
    ASSERT_TRUE(panel->IsManualMode());
    EXPECT_EQ(Active(*panel).get(parm::kMode), 2u);
    Hit(*panel, 4, 1000, 0, hb::records::kEnginePaused);
    EXPECT_EQ(panel->m_decoderSwitch.GetPosition(), 0);
    Hit(*panel, 3, 1000, 0, hb::records::kEnginePaused);
    EXPECT_EQ(panel->m_decoderSwitch.GetPosition(), 0);
    EXPECT_TRUE(panel->m_ltrLamp.GetActive());
}

TEST_F(OptoViewTest, TheModeSwitchFollowsTheRecordOnlyWhileTheEngineAnswers) {
    auto* panel = OpenModel<OptoPanel>("COptoComView");
    ASSERT_NE(panel, nullptr);
    const std::uint8_t codes[] = {0, 2, 1};
    for (long position = 2; position >= 0; --position) {
        Slide(panel->m_modeSwitch, position);
        EXPECT_EQ(Active(*panel).get(parm::kMode), codes[position]);
        Show(*panel, codes[position]);
        EXPECT_EQ(panel->m_modeSwitch.GetPosition(), position);
    }
    EXPECT_FALSE(panel->m_idHoldLamp.GetActive());
    // The ID-hold lamp follows the engine's hold byte.
    EngineSim::PatchStatus(panel->m_rig->m_engine, EngineStatus::kIdHold.kOffset, 0xFF);
    Show(*panel, 0);
    EXPECT_TRUE(panel->m_idHoldLamp.GetActive());
    EngineSim::PatchStatus(panel->m_rig->m_engine, EngineStatus::kIdHold.kOffset, 0);
    Show(*panel, 0);
    EXPECT_FALSE(panel->m_idHoldLamp.GetActive());
    panel->m_rig->DestroyEngine();
    Show(*panel, 1);
    EXPECT_EQ(panel->m_modeSwitch.GetPosition(), 0);
}

TEST_F(OptoViewTest, TheTonePanelShowsTonesOnlyAndKeepsTheDtmfLine) {
    auto* panel = OpenModel<OptoPanel>("COptoScanView");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->m_decoderSwitch.m_hWnd, nullptr);
    EXPECT_EQ(panel->m_modeSwitch.GetPositionCount(), 3);
    Hit(*panel, 4, 885);
    EXPECT_DOUBLE_EQ(panel->m_decoderDisplay.GetValue(), 88.5);
    EXPECT_TRUE(panel->m_plLamp.GetActive());
    Hit(*panel, 5, 0x13);
    EXPECT_DOUBLE_EQ(panel->m_decoderDisplay.GetValue(), 23);
    EXPECT_TRUE(panel->m_dplLamp.GetActive());
    EXPECT_FALSE(panel->m_plLamp.GetActive());
    Hit(*panel, 3, 0x2111);
    EXPECT_DOUBLE_EQ(panel->m_decoderDisplay.GetValue(), 0);
    EXPECT_FALSE(panel->m_dplLamp.GetActive());

    panel->ShowChannelName("Sixteen chars ok");
    DtmfRecord rec;
    rec.setText(DtmfRecord::kText, "1234567890");
    panel->AppendDtmf(&rec);
    panel->AppendDtmf(&rec);
    EXPECT_EQ(std::string(panel->m_dtmfLabel.GetCaption()), "234567890Sixteen chars ok");
}

} // namespace
} // namespace hb::app::test
