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
};

TEST_F(ProgramRadioWindowOnScreenTest, TheCopiedScanListOpensTheReceiversWindow) {
    // The first start copies the sample lists into the documents folder before it opens the file.
    const std::string list = program.Home() + "/Documents/Receiver.sws";
    ASSERT_TRUE(program.Launch({list}, server->name())) << program.Output();
    // The start-up wizard cannot run over an open window, and says so.
    const auto box = driver->FindWindow("Close All Windows", kWait);
    ASSERT_TRUE(box) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*box, kWait));
    driver->Press("Return");
    ASSERT_TRUE(driver->WaitUntilGone(*box, kWait));

    const auto main = driver->FindWindow("Halbridge Pro - Receiver", kWait);
    ASSERT_TRUE(main) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-radio-window.png")));

    // The History tab shows its column headings in place of the scan list.
    const int tabsBelow = 300;
    const auto before = driver->Pixels(*main, 5, tabsBelow, 490, 140);
    driver->Click(*main, kHistoryTabX, kTabsY);
    ASSERT_TRUE(driver->WaitUntilChanged(*main, 5, tabsBelow, 490, 140, before, kWait));
    EXPECT_TRUE(
        driver->Screenshot(*main, hb::testkit::ArtefactPath("program-history-columns.png")));
}

} // namespace
} // namespace hb::apptest
