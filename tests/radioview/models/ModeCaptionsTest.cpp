// Each model's mode switch names, under every position, the mode that position gives the radio.
#include "platform/records/ModeNames.h"
#include "tests/radioview/models/ModelViewTest.h"

#include <string>

namespace hb::app::test {
namespace {

using ModeCaptionsTest = ModelViewTest;

TEST_F(ModeCaptionsTest, EveryModeSwitchPositionIsCaptionedWithTheModeItGives) {
    const char* names[] = {"COptoComView", "COptoScanView", "CPCR1000View", "CPCR1500View",
                           "CPCR100View",  "CR8500View",    "CR9000View",   "CR7100View",
                           "CR10View",     "CR20View",      "CR75View",     "CR8View",
                           "CNRD535View"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        CRadioView* panel = OpenModel<CRadioView>(name);
        ASSERT_NE(panel, nullptr);
        auto& modeSwitch = static_cast<CiSwitchSliderX&>(*panel->GetDlgItem(IDC_MODE_SWITCH));
        const long count = modeSwitch.GetPositionCount();
        EXPECT_GE(count, 3);
        // From the far end, so that each position is a change.
        for (long position = count - 1; position >= 0; --position) {
            Slide(modeSwitch, position);
            EXPECT_EQ(std::string(modeSwitch.GetPositionCaption(position).GetString()),
                      hb::records::ModeName(Active(*panel).get(parm::kMode)))
                << position;
        }
        EXPECT_EQ(modeSwitch.GetPositionCaption(count).GetLength(), 0);
        CloseWindow();
    }
}

} // namespace
} // namespace hb::app::test
