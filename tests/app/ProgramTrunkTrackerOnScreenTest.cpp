// The sample trunk tracker on a display of the test's own: opened from Tools/Radio Control on a
// first start, its panel follows the simulated scanner: lit banks, the ID matrix with its mode
// column, a talkgroup with its kind lamp, the name lines and the status line.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>

#include <set>

namespace hb::apptest {
namespace {

class ProgramTrunkTrackerOnScreenTest : public ProgramOnScreen {
protected:
    // "Tools" on the menu bar.
    static constexpr int kToolsX = 76;
    // The radio selection's list, its "Trunk Tracker" row and its OK button, on the main window.
    static constexpr int kListX = 245;
    static constexpr int kListY = 193;
    static constexpr unsigned kListWidth = 210;
    static constexpr unsigned kListHeight = 60;
    static constexpr int kTrackerRowY = 220;
    static constexpr int kOkX = 435;
    static constexpr int kOkY = 394;
    // The trunk tracker's window is wider than the receiver's: its maximise box.
    static constexpr int kMaximiseX = 766;
    // A point of the bank strip's first cell once the window is maximised, and its colour while
    // the scanner reports the bank enabled and current.
    static constexpr int kFirstBankX = 680;
    static constexpr int kFirstBankY = 283;
    static constexpr unsigned long kBankLit = 0x00FF00;
    // The panel's rows once the window is maximised.
    static constexpr int kPanelTop = 95;
    static constexpr unsigned kPanelHeight = 290;
};

TEST_F(ProgramTrunkTrackerOnScreenTest,
       RadioControlOpensTheTrackerWithItsPanelFollowingTheScanner) {
    const auto main = StartToMainWindow();
    ASSERT_TRUE(main);
    driver->Click(*main, kToolsX, kMenuBarY);
    const auto menu = driver->FindPopup(kWait);
    ASSERT_TRUE(menu) << "the Tools menu did not drop down";
    ASSERT_TRUE(driver->WaitUntilPainted(*menu, kWait));
    const auto before = driver->Pixels(*main, kListX, kListY, kListWidth, kListHeight);
    driver->Click(*menu, kFirstItemX, kFirstItemY);

    // The radio selection lists the receiver first, then the trunk tracker.
    ASSERT_TRUE(
        driver->WaitUntilChanged(*main, kListX, kListY, kListWidth, kListHeight, before, kWait))
        << "no radio selection\n"
        << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    driver->Click(*main, kListX + 60, kTrackerRowY);
    driver->Click(*main, kOkX, kOkY);

    const auto window = driver->FindWindow("Halbridge Pro - Trunk Tracker", kWait);
    ASSERT_TRUE(window) << program.Output();
    ASSERT_TRUE(GiveThePanelRoom(*main, kMaximiseX));
    // The scanner reports the sample's bank.
    EXPECT_TRUE(driver->WaitForPixel(*main, kFirstBankX, kFirstBankY, kBankLit, kWait));
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    const auto panel = driver->Pixels(*main, 0, kPanelTop, kRoomyWidth, kPanelHeight);
    EXPECT_GE(std::set<unsigned long>(panel.begin(), panel.end()).size(), 16u);
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-trunk-tracker.png")));
}

} // namespace
} // namespace hb::apptest
