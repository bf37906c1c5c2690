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
    static constexpr unsigned kWide = 1000;
    static constexpr unsigned kHigh = 700;
    // The radio window's maximise box, in its title bar.
    static constexpr int kMaximiseX = 466;
    static constexpr int kChildTitleY = 80;
    // The panel's rows once the window is maximised.
    static constexpr int kPanelTop = 95;
    static constexpr unsigned kPanelHeight = 150;
};

TEST_F(ProgramFrontPanelOnScreenTest, TheReceiversWindowShowsItsPanelPainted) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    // The panel is wider than the window opens: the user gives it room and maximises the window.
    driver->Resize(*main, kWide, kHigh);
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    const auto before = driver->Pixels(*main, 0, 0, 600, 120);
    driver->Click(*main, kMaximiseX, kChildTitleY);
    ASSERT_TRUE(driver->WaitUntilChanged(*main, 0, 0, 600, 120, before, kWait));
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    // Displays, knobs, buttons and lamps in their own colours, not a blank form.
    const auto panel = driver->Pixels(*main, 0, kPanelTop, kWide, kPanelHeight);
    EXPECT_GE(std::set<unsigned long>(panel.begin(), panel.end()).size(), 16u);
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-front-panel.png")));
}

} // namespace
} // namespace hb::apptest
