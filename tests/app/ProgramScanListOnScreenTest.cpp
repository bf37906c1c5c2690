// The receiver's "Scan List" tab on a display of the test's own: the standard view shows the
// sample group under its file name, and the scan view the list's six columns, where a click on a
// Log box turns the entry's logging off and the Type button shows the entry picker.
#include "ProgramOnScreen.h"
#include "platform/testkit/TempFolder.h"
#include "platform/testkit/xdriver/Artefacts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace hb::apptest {
namespace {

class ProgramScanListOnScreenTest : public ProgramOnScreen {
protected:
    // Where the grid's upper heading shows once the radio window is maximised, and the first
    // row's Log box with its label.
    static constexpr int kHeadingX = 30;
    static constexpr int kHeadingY = 278;
    static constexpr int kTypeButtonX = 116;
    static constexpr int kLogBoxX = 134;
    static constexpr int kFirstRowY = 302;

    // The user's settings say that the receiver's window shows the scan view.
    void ChooseTheScanView() {
        std::filesystem::create_directories(program.Config(""));
        hb::testkit::WriteFileBytes(program.Config("user.reg"),
                                    "HalbridgeRegistry 1\n"
                                    "[Software]\n[Software\\Corvanta]\n"
                                    "[Software\\Corvanta\\Halbridge Pro]\n"
                                    "[Software\\Corvanta\\Halbridge Pro\\Receiver]\n"
                                    "\"ViewType\"=dword:00000000\nEnd\n");
    }
};

TEST_F(ProgramScanListOnScreenTest, TheStandardViewShowsTheSampleGroupUnderItsFileName) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    ASSERT_TRUE(GiveThePanelRoom(*main));
    // The file name line is written in blue.
    const auto heading = driver->Pixels(*main, kHeadingX, kHeadingY, 200, 14);
    EXPECT_TRUE(std::ranges::any_of(heading, [](unsigned long pixel) {
        return (pixel & 0xFF) > 0xC0 && (pixel >> 16) < 0x60;
    }));
    EXPECT_TRUE(
        driver->Screenshot(*main, hb::testkit::ArtefactPath("program-scan-list-group.png")));
}

TEST_F(ProgramScanListOnScreenTest,
       TheScanViewShowsTheListsColumnsALogBoxTurnsOffAndTheTypeButtonPicks) {
    ChooseTheScanView();
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    ASSERT_TRUE(GiveThePanelRoom(*main));
    const auto log = driver->Pixels(*main, kLogBoxX - 8, kFirstRowY - 8, 60, 16);
    driver->Click(*main, kLogBoxX, kFirstRowY);
    ASSERT_TRUE(driver->WaitUntilChanged(*main, kLogBoxX - 8, kFirstRowY - 8, 60, 16, log, kWait));
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-scan-list.png")));

    // The Type button picks another file for the entry; Escape leaves it as it is.
    driver->Click(*main, kTypeButtonX, kFirstRowY);
    const auto picker = driver->FindWindow("Scan List Entry", kWait);
    ASSERT_TRUE(picker && driver->WaitUntilPainted(*picker, kWait)) << program.Output();
    EXPECT_TRUE(
        driver->Screenshot(*picker, hb::testkit::ArtefactPath("program-scan-list-entry.png")));
    driver->Press("Escape");
    EXPECT_TRUE(driver->WaitUntilGone(*picker, kWait));
}

} // namespace
} // namespace hb::apptest
