// The front panel on a display of the test's own: the receiver's window, opened on the scan list a
// first start copies, shows its panel painted: the frequency display, the knobs, V1-V5 and the
// keypad field.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>

#include <set>

namespace hb::apptest {
namespace {

class ProgramFrontPanelOnScreenTest : public ProgramOnScreen {
protected:
    // The panel's rows once the window is maximised.
    static constexpr int kPanelTop = 95;
    static constexpr unsigned kPanelHeight = 150;
};

TEST_F(ProgramFrontPanelOnScreenTest, TheReceiversWindowShowsItsPanelPainted) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    ASSERT_TRUE(GiveThePanelRoom(*main));
    // Displays, knobs, buttons and lamps in their own colours, not a blank form.
    const auto panel = driver->Pixels(*main, 0, kPanelTop, kRoomyWidth, kPanelHeight);
    EXPECT_GE(std::set<unsigned long>(panel.begin(), panel.end()).size(), 16u);
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-front-panel.png")));
}

} // namespace
} // namespace hb::apptest
