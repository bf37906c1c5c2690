#include "radioview/models/R8View.h"

#include "platform/afx/res/ResourceChain.h"
#include "resources/ResourceIds.h"
#include "tests/radioview/models/ModelViewTest.h"

namespace hb::app::test {
namespace {

class R8ViewTest : public ModelViewTest {
protected:
    CR8View* panel = nullptr;

    void SetUp() override {
        ModelViewTest::SetUp();
        panel = OpenModel<CR8View>("CR8View", kHf);
        ASSERT_NE(panel, nullptr);
    }
    void TurnBandwidth(double hz) {
        ASSERT_TRUE(hb::instruments::UserSetPosition(panel->m_bandwidthKnob.m_hWnd, hz));
        PumpUntilIdle();
    }
    std::uint16_t Flags() { return Active(*panel).get(parm::kOptionFlags); }
};

TEST_F(R8ViewTest, ThePanelStartsWithItsRangesAndTheModeSwitchRunsBothWays) {
    EXPECT_EQ(panel->m_agcSwitch.GetPositionCount(), 3);
    EXPECT_EQ(panel->m_attenuatorSwitch.GetPositionCount(), 2);
    EXPECT_EQ(panel->m_auxSwitch.GetPositionCount(), 2);
    EXPECT_EQ(panel->m_filterModeSwitch.GetPositionCount(), 3);
    EXPECT_EQ(panel->m_filterModeSwitch.GetPosition(), 1);
    EXPECT_DOUBLE_EQ(panel->m_bandwidthKnob.GetPositionMin(), 500);
    EXPECT_DOUBLE_EQ(panel->m_bandwidthKnob.GetPositionMax(), 9000);

    const std::uint8_t codes[] = {0, 1, 5, 3, 4, 10, 13};
    ASSERT_EQ(panel->m_modeSwitch.GetPositionCount(), 7);
    for (long position = 6; position >= 0; --position) {
        Slide(panel->m_modeSwitch, position);
        EXPECT_EQ(Active(*panel).get(parm::kMode), codes[position]);
        Show(*panel, codes[position]);
        EXPECT_EQ(panel->m_modeSwitch.GetPosition(), position);
    }
    EXPECT_TRUE(panel->IsManualMode());
    // Only the low four bits of a stored mode count: 0x1D shows as 13.
    Show(*panel, 0x1D);
    EXPECT_EQ(panel->m_modeSwitch.GetPosition(), 6);
}

TEST_F(R8ViewTest, TheFrontSwitchesSetTheirBytesAndShowThemBack) {
    Slide(panel->m_agcSwitch, 2);
    Slide(panel->m_attenuatorSwitch, 1);
    Slide(panel->m_auxSwitch, 1);
    parm record = Active(*panel);
    EXPECT_EQ(record.get(parm::kSwitch92), 2u);
    EXPECT_EQ(record.get(parm::kSwitch96), 1u);
    EXPECT_EQ(record.get(parm::kVoiceInversionOn), 1u);

    record.set(parm::kSwitch92, std::uint8_t{1});
    record.set(parm::kSwitch96, std::uint8_t{0});
    record.set(parm::kVoiceInversionOn, std::uint8_t{0});
    panel->UpdateControlsFromParm(&record, nullptr);
    EXPECT_EQ(panel->m_agcSwitch.GetPosition(), 1);
    EXPECT_EQ(panel->m_attenuatorSwitch.GetPosition(), 0);
    EXPECT_EQ(panel->m_auxSwitch.GetPosition(), 0);
}

TEST_F(R8ViewTest, TheFilterModeActsOnlyInTheDataModeAndReadsBackFromTheFlags) {
    Show(*panel, 1);
    Active(*panel).set(parm::kOptionFlags, std::uint16_t{0x0040});
    Slide(panel->m_filterModeSwitch, 0);
    EXPECT_EQ(panel->m_filterModeSwitch.GetPosition(), 1);
    EXPECT_EQ(Flags(), 0x0040u);

    Show(*panel, 10);
    Slide(panel->m_filterModeSwitch, 0);
    EXPECT_EQ(Flags(), 0x0440u);
    Slide(panel->m_filterModeSwitch, 2);
    EXPECT_EQ(Flags(), 0x0840u);
    Slide(panel->m_filterModeSwitch, 1);
    EXPECT_EQ(Flags(), 0x0040u);

    parm record = Active(*panel);
    record.set(parm::kOptionFlags, std::uint16_t{0x0800});
    panel->UpdateControlsFromParm(&record, nullptr);
    EXPECT_EQ(panel->m_filterModeSwitch.GetPosition(), 2);
    record.set(parm::kOptionFlags, std::uint16_t{0x0400});
    panel->UpdateControlsFromParm(&record, nullptr);
    EXPECT_EQ(panel->m_filterModeSwitch.GetPosition(), 0);
    record.set(parm::kOptionFlags, std::uint16_t{0});
    panel->UpdateControlsFromParm(&record, nullptr);
    EXPECT_EQ(panel->m_filterModeSwitch.GetPosition(), 1);
}

TEST_F(R8ViewTest, TheBandwidthKnobStoresTensOfHertzWithinEachModesLimits) {
    Show(*panel, 5);
    TurnBandwidth(2346);
    EXPECT_EQ(Active(*panel).get(parm::kBandwidth), 2350u);
    Show(*panel, 0);
    TurnBandwidth(520);
    EXPECT_EQ(Active(*panel).get(parm::kBandwidth), 600u);
    Show(*panel, 10);
    TurnBandwidth(1500);
    EXPECT_EQ(Active(*panel).get(parm::kBandwidth), 3200u);
    Show(*panel, 13);
    TurnBandwidth(2500);
    EXPECT_EQ(Active(*panel).get(parm::kBandwidth), 4000u);
    TurnBandwidth(6004);
    EXPECT_EQ(Active(*panel).get(parm::kBandwidth), 6000u);

    Show(*panel, 5);
    ASSERT_TRUE(hb::instruments::UserDoubleClick(panel->m_bandwidthKnob.m_hWnd, 1, 0, 5, 5));
    PumpUntilIdle();
    EXPECT_EQ(Active(*panel).get(parm::kBandwidth), 2800u);
    EXPECT_DOUBLE_EQ(panel->m_bandwidthKnob.GetPosition(), 2800);
}

TEST_F(R8ViewTest, TheNoDspMessageHasATextOfOurOwn) {
    const auto* text = hb::afx::FindStringResource(IDS_NO_DSP);
    ASSERT_NE(text, nullptr);
    EXPECT_FALSE(text->text.empty());
}

} // namespace
} // namespace hb::app::test
