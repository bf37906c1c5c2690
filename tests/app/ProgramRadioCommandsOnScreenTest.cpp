// The radio window's commands on a display of the test's own: the "Scan" bar's activity log button
// shows the log's dialog over the window, captioned with the radio's name.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>

namespace hb::apptest {
namespace {

class ProgramRadioCommandsOnScreenTest : public ProgramOnScreen {
protected:
    // The activity log button of the radio window's "Scan" bar, as the window first opens.
    static constexpr int kActivityLogX = 449;
    static constexpr int kScanBarY = 102;
};

TEST_F(ProgramRadioCommandsOnScreenTest, TheActivityLogButtonShowsTheLogDialog) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    driver->Click(*main, kActivityLogX, kScanBarY);
    const auto log = driver->FindWindow("Receiver Scan Logging", kWait);
    ASSERT_TRUE(log);
    ASSERT_TRUE(driver->WaitUntilPainted(*log, kWait));
    EXPECT_TRUE(driver->Screenshot(*log, hb::testkit::ArtefactPath("program-activity-log.png")));
    driver->Press("Return");
    EXPECT_TRUE(driver->WaitUntilGone(*log, kWait));
}

} // namespace
} // namespace hb::apptest
