// The radio window on a display of the test's own: a first start on a fresh home opens the scan
// list the start copied, named on the command line, and shows the radio's window.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>

namespace hb::apptest {
namespace {

class ProgramRadioWindowOnScreenTest : public ProgramOnScreen {
protected:
    // Where the radio window, as it first opens, shows its "History" tab.
    static constexpr int kHistoryTabX = 117;
    static constexpr int kTabsY = 288;
    // Where the menu bar shows the radio window's own "Radio" menu while that window is active.
    static constexpr int kRadioMenuX = 252;
};

TEST_F(ProgramRadioWindowOnScreenTest, TheCopiedScanListOpensTheReceiversWindow) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-radio-window.png")));

    // The History tab shows its column headings in place of the scan list.
    const int tabsBelow = 300;
    const auto before = driver->Pixels(*main, 5, tabsBelow, 490, 140);
    driver->Click(*main, kHistoryTabX, kTabsY);
    ASSERT_TRUE(driver->WaitUntilChanged(*main, 5, tabsBelow, 490, 140, before, kWait));
    EXPECT_TRUE(
        driver->Screenshot(*main, hb::testkit::ArtefactPath("program-history-columns.png")));
}

TEST_F(ProgramRadioWindowOnScreenTest, TheActiveRadioWindowsMenusOpenItsMiniStatusWindow) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    driver->Click(*main, kRadioMenuX, kMenuBarY);
    const auto menu = driver->FindPopup(kWait);
    ASSERT_TRUE(menu) << "the Radio menu did not drop down";
    ASSERT_TRUE(driver->WaitUntilPainted(*menu, kWait));
    EXPECT_TRUE(driver->Screenshot(*menu, hb::testkit::ArtefactPath("program-radio-menu.png")));
    driver->Press("Escape");
    ASSERT_TRUE(driver->WaitUntilGone(*menu, kWait));

    // The radio window's "Mini Status DIsplay" stands at the end of the main window's View menu.
    const auto mini = OpenMiniStatus(*main, "program-view-menu.png");
    ASSERT_TRUE(mini);
    EXPECT_TRUE(driver->WaitUntilAbove(*mini, *main, kWait));
}

} // namespace
} // namespace hb::apptest
