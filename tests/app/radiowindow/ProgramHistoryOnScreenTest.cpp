// The receiver's window on a display of the test's own, started with its Start button: the
// simulated receiver's hits arrive as rows of the History tab.
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "tests/app/ProgramOnScreen.h"

#include <gtest/gtest.h>

namespace hb::apptest {
namespace {

class ProgramHistoryOnScreenTest : public ProgramOnScreen {
protected:
    // Where the radio window, as it first opens, shows its "History" tab and its Start button.
    static constexpr int kHistoryTabX = 117;
    static constexpr int kTabsY = 288;
    static constexpr int kStartX = 18;
    static constexpr int kStartY = 102;
    // The rows of the History tab, below its column headings.
    static constexpr int kRowsX = 10;
    static constexpr int kRowsY = 322;
    static constexpr unsigned kRowsWidth = 480;
    static constexpr unsigned kRowsHeight = 100;
};

TEST_F(ProgramHistoryOnScreenTest, TheStartedReceiversHitsArriveInItsHistory) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    const auto tabs = driver->Pixels(*main, 5, 300, 490, 140);
    driver->Click(*main, kHistoryTabX, kTabsY);
    ASSERT_TRUE(driver->WaitUntilChanged(*main, 5, 300, 490, 140, tabs, kWait));

    const auto empty = driver->Pixels(*main, kRowsX, kRowsY, kRowsWidth, kRowsHeight);
    driver->Click(*main, kStartX, kStartY);
    const bool rows =
        driver->WaitUntilChanged(*main, kRowsX, kRowsY, kRowsWidth, kRowsHeight, empty, kWait);
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-history.png")));
    EXPECT_TRUE(rows);
}

} // namespace
} // namespace hb::apptest
