#include "radioview/models/NRD535View.h"

#include "app/rig/Rig.h"
#include "platform/tessary/model/Radio.h"
#include "tests/radioview/models/ModelViewTest.h"

#include <cmath>

namespace hb::app::test {
namespace {

class NRD535ViewTest : public ModelViewTest {
protected:
    CNRD535View* panel = nullptr;

    void SetUp() override {
        ModelViewTest::SetUp();
        panel = OpenModel<CNRD535View>("CNRD535View", kHf);
        ASSERT_NE(panel, nullptr);
    }
};

TEST_F(NRD535ViewTest, TheModeSwitchRunsInTheReceiversOrderBothWays) {
    const std::uint8_t codes[] = {6, 5, 3, 4, 1, 0, 7, 8, 9};
    ASSERT_EQ(panel->m_modeSwitch.GetPositionCount(), 9);
    for (long position = 8; position >= 0; --position) {
        Slide(panel->m_modeSwitch, position);
        EXPECT_EQ(Active(*panel).get(parm::kMode), codes[position]);
        Show(*panel, codes[position]);
        EXPECT_EQ(panel->m_modeSwitch.GetPosition(), position);
    }
    EXPECT_TRUE(panel->IsManualMode());
}

TEST_F(NRD535ViewTest, TheFrontSwitchesSetTheirBytesAndTheFilterNormalisesTheRecord) {
    Slide(panel->m_agcSwitch, 2);
    Slide(panel->m_attenuatorSwitch, 1);
    Slide(panel->m_auxSwitch, 2);
    Slide(panel->m_noiseBlankerSwitch, 1);
    const parm& record = Active(*panel);
    EXPECT_EQ(record.get(parm::kSwitch92), 2u);
    EXPECT_EQ(record.get(parm::kSwitch96), 1u);
    EXPECT_EQ(record.get(parm::kVoiceInversionOn), 2u);
    EXPECT_EQ(record.get(parm::kSwitch95), 1u);

    Show(*panel, 0);
    Slide(panel->m_filterSwitch, 3);
    // Mode 0 always runs on filter 2.
    EXPECT_EQ(Active(*panel).get(parm::kFilter), 2u);
    EXPECT_FALSE(panel->m_filter2Knob.IsWindowEnabled());
    EXPECT_FALSE(panel->m_bfoKnob.IsWindowEnabled());
    Show(*panel, 5);
    Slide(panel->m_filterSwitch, 3);
    EXPECT_EQ(Active(*panel).get(parm::kFilter), 3u);
    EXPECT_TRUE(panel->m_filter2Knob.IsWindowEnabled());
    EXPECT_TRUE(panel->m_bfoKnob.IsWindowEnabled());
    Show(*panel, 3);
    EXPECT_TRUE(panel->m_filter2Knob.IsWindowEnabled());
    EXPECT_FALSE(panel->m_bfoKnob.IsWindowEnabled());
}

TEST_F(NRD535ViewTest, TheSecondFilterStoresTheScaledKnobValueAndSavesItAsFilter) {
    Show(*panel, 5);
    const float scale = panel->m_rig->m_radio->controls().filter2.scale;
    panel->m_filter2Knob.SetPosition(2.4);
    panel->ResetFilter2();
    const std::uint32_t stored = Active(*panel).get(parm::kBandwidth);
    EXPECT_EQ(stored, static_cast<std::uint32_t>(std::lround(2.4 * scale)));
    EXPECT_EQ(Profile("Filter"), static_cast<int>(stored));
}

} // namespace
} // namespace hb::app::test
