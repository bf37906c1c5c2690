#include "radioview/BlandView.h"
#include "radioview/models/R10View.h"
#include "radioview/models/R20View.h"
#include "radioview/models/R7100View.h"
#include "radioview/models/R75View.h"
#include "radioview/models/R8500View.h"
#include "radioview/models/R9000View.h"
#include "tests/radioview/models/ModelViewTest.h"

#include <vector>

namespace hb::app::test {
namespace {

struct ModeTable {
    const char* className;
    std::vector<std::uint8_t> codes;
};

const ModeTable kModeTables[] = {
    {"CR8500View", {0, 11, 2, 1, 12, 14, 5, 15, 3, 4}},
    {"CR9000View", {0, 2, 1, 5, 6, 3, 4}},
    {"CR7100View", {0, 11, 2, 1, 14, 3, 4}},
    {"CR10View", {0, 2, 1, 3, 4, 5}},
    {"CR20View", {0, 2, 1, 3, 4, 5}},
    {"CR75View", {0, 2, 1, 3, 4, 5}},
};

CiSwitchSliderX& ModeSwitchOf(CRadioView& panel) {
    return static_cast<CiSwitchSliderX&>(*panel.GetDlgItem(IDC_MODE_SWITCH));
}

using RSeriesViewTest = ModelViewTest;

TEST_F(RSeriesViewTest, EachModelIsMadeByNameBindsItsSwitchesStartsTheRadioAndSavesItsVfos) {
    const char* names[] = {"CBlandView", "CR8500View", "CR9000View", "CR7100View",
                           "CR10View",   "CR20View",   "CR75View",   "CNRD535View"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        CRadioView* panel = OpenModel<CRadioView>(name);
        ASSERT_NE(panel, nullptr);
        EXPECT_STREQ(panel->GetRuntimeClass()->m_lpszClassName, name);
        EXPECT_EQ(panel->m_vfo[0].get(parm::kFrequency), 162'550'000u);
        CloseWindow();
        EXPECT_EQ(Binary("VFO0").size(), sizeof(parm));
    }
    auto* r8500 = OpenModel<CR8500View>("CR8500View");
    ASSERT_NE(r8500, nullptr);
    for (CWnd* control : std::initializer_list<CWnd*>{
             &r8500->m_modeSwitch, &r8500->m_attenuatorSwitch, &r8500->m_apfKnob,
             &r8500->m_apfButton, &r8500->m_noiseBlankerButton, &r8500->m_agcButton}) {
        EXPECT_NE(control->m_hWnd, nullptr);
    }
    CloseWindow();
    auto* r9000 = OpenModel<CR9000View>("CR9000View");
    ASSERT_NE(r9000, nullptr);
    EXPECT_NE(r9000->m_filterSwitch.m_hWnd, nullptr);
    EXPECT_NE(r9000->m_attenuatorSwitch.m_hWnd, nullptr);
}

TEST_F(RSeriesViewTest, EveryModeSwitchPositionGivesItsCodeAndTheCodeShowsItBack) {
    for (const auto& [name, codes] : kModeTables) {
        SCOPED_TRACE(name);
        CRadioView* panel = OpenModel<CRadioView>(name);
        ASSERT_NE(panel, nullptr);
        CiSwitchSliderX& modeSwitch = ModeSwitchOf(*panel);
        EXPECT_EQ(modeSwitch.GetPositionCount(), static_cast<long>(codes.size()));
        EXPECT_FALSE(panel->IsManualMode());
        for (long position = static_cast<long>(codes.size()) - 1; position >= 0; --position) {
            Slide(modeSwitch, position);
            EXPECT_TRUE(panel->IsManualMode());
            EXPECT_EQ(Active(*panel).get(parm::kMode), codes[static_cast<std::size_t>(position)])
                << position;
        }
        for (std::size_t position = 0; position < codes.size(); ++position) {
            Show(*panel, codes[position]);
            EXPECT_EQ(modeSwitch.GetPosition(), static_cast<long>(position))
                << int{codes[position]};
        }
        // Only the low four bits of a stored code choose the position.
        Show(*panel, 0x13);
        EXPECT_EQ(codes[static_cast<std::size_t>(modeSwitch.GetPosition())], 3);
        CloseWindow();
    }
}

TEST_F(RSeriesViewTest, ACodeTheModelLacksShowsTheNearestPosition) {
    auto* panel = OpenModel<CR10View>("CR10View");
    ASSERT_NE(panel, nullptr);
    Show(*panel, 9);
    EXPECT_EQ(panel->m_modeSwitch.GetPosition(), 5);
    Show(*panel, 0xFF);
    EXPECT_EQ(panel->m_modeSwitch.GetPosition(), 5);
}

TEST_F(RSeriesViewTest, TheR8500PeakFilterTakesTheKnobsLevelAndOffDisablesTheKnob) {
    auto* panel = OpenModel<CR8500View>("CR8500View");
    ASSERT_NE(panel, nullptr);
    panel->m_apfKnob.SetPosition(77.4);
    Click(*panel, panel->m_apfButton);
    EXPECT_TRUE(panel->m_apfButton.GetChecked());
    EXPECT_EQ(Active(*panel).get(parm::kControlWord72), 77u);
    EXPECT_TRUE(panel->m_apfKnob.IsWindowEnabled());
    Click(*panel, panel->m_apfButton);
    EXPECT_FALSE(panel->m_apfButton.GetChecked());
    EXPECT_EQ(Active(*panel).get(parm::kControlWord72), 0u);
    EXPECT_FALSE(panel->m_apfKnob.IsWindowEnabled());

    Click(*panel, panel->m_noiseBlankerButton);
    Click(*panel, panel->m_agcButton);
    EXPECT_EQ(Active(*panel).get(parm::kVoiceInversionOn), 1u);
    EXPECT_EQ(Active(*panel).get(parm::kSwitch92), 1u);
    EXPECT_TRUE(panel->m_agcButton.GetChecked());
    Slide(panel->m_attenuatorSwitch, 3);
    EXPECT_EQ(Active(*panel).get(parm::kSwitch96), 3u);
}

TEST_F(RSeriesViewTest, TheR8500KeepsItsSwitchesAndBfoOnlyInTheSidebandAndCwModes) {
    auto* panel = OpenModel<CR8500View>("CR8500View", kHf);
    ASSERT_NE(panel, nullptr);
    parm record;
    record.set(parm::kSwitch92, std::uint8_t{1});
    record.set(parm::kVoiceInversionOn, std::uint8_t{1});
    record.set(parm::kIfShift, std::int16_t{40});
    record.set(parm::kMode, std::uint8_t{3});
    parm kept = record;
    panel->NormaliseParm(&kept);
    EXPECT_EQ(kept, record);
    EXPECT_TRUE(panel->m_bfoKnob.IsWindowEnabled());

    record.set(parm::kMode, std::uint8_t{12});
    parm narrow = record;
    panel->NormaliseParm(&narrow);
    EXPECT_EQ(narrow.get(parm::kIfShift), 0);
    EXPECT_EQ(narrow.get(parm::kSwitch92), 1u);
    EXPECT_FALSE(panel->m_bfoKnob.IsWindowEnabled());

    record.set(parm::kMode, std::uint8_t{0});
    panel->NormaliseParm(&record);
    EXPECT_EQ(record.get(parm::kSwitch92), 0u);
    EXPECT_EQ(record.get(parm::kVoiceInversionOn), 0u);
    EXPECT_EQ(record.get(parm::kIfShift), 0);
}

TEST_F(RSeriesViewTest, TheR7100AttenuatorAndTheR9000FilterAndAttenuatorSetTheActiveVfo) {
    auto* r7100 = OpenModel<CR7100View>("CR7100View");
    ASSERT_NE(r7100, nullptr);
    Click(*r7100, r7100->m_attenuatorButton);
    EXPECT_EQ(Active(*r7100).get(parm::kSwitch96), 1u);
    EXPECT_TRUE(r7100->m_attenuatorButton.GetChecked());
    Click(*r7100, r7100->m_attenuatorButton);
    EXPECT_EQ(Active(*r7100).get(parm::kSwitch96), 0u);
    CloseWindow();

    auto* r9000 = OpenModel<CR9000View>("CR9000View");
    ASSERT_NE(r9000, nullptr);
    Slide(r9000->m_filterSwitch, 2);
    Slide(r9000->m_attenuatorSwitch, 3);
    EXPECT_EQ(Active(*r9000).get(parm::kFilter), 2u);
    EXPECT_EQ(Active(*r9000).get(parm::kSwitch96), 3u);

    // The panel gives its filter switch three positions; a switch with more (a form of another
    // layout) still names one of the radio's three filters.
    r9000->m_filterSwitch.SetPositionCount(6);
    Slide(r9000->m_filterSwitch, 4);
    EXPECT_EQ(Active(*r9000).get(parm::kFilter), 1u);
    Slide(r9000->m_filterSwitch, 3);
    EXPECT_EQ(Active(*r9000).get(parm::kFilter), 0u);
}

} // namespace
} // namespace hb::app::test
