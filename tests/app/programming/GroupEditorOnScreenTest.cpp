// The group window on a display of the test's own: a first start opens the receiver's group that
// it copied, with its tool bar and channels; the user renames its first channel in the grid,
// closes the window and saves.
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "tests/app/ProgramOnScreen.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace hb::apptest {
namespace {

class GroupEditorOnScreenTest : public ProgramOnScreen {
protected:
    // The group window's maximise box as it first opens, in its title bar.
    static constexpr int kMaximiseX = 341;
    static constexpr int kChildTitleY = 80;
    // The first channel's Name cell once the window is maximised in a main window of
    // kRoomyWidth by kRoomyHeight.
    static constexpr int kFirstNameX = 580;
    static constexpr int kFirstRowY = 120;
    static constexpr int kSecondRowY = 132;
    // A point of the group window's grid while the first start's docking panes are out, and of the
    // workspace once they are put away and the window has moved left.
    static constexpr int kMovedGroupX = 500;
    // With the window maximised: the first button of its "Group Tools" bar, the side heading of
    // the last of the sample's five channels and of the row below it, and the window's close box
    // at the right of the menu bar.
    static constexpr int kFirstButtonX = 20;
    static constexpr int kBarY = 80;
    static constexpr int kSideHeadingX = 3;
    static constexpr int kTopHeadingY = 103;
    static constexpr int kFifthRowY = 192;
    static constexpr int kSixthRowY = 212;
    static constexpr int kChildCloseX = 990;
    static constexpr int kChildCloseY = 12;
};

TEST_F(GroupEditorOnScreenTest, TheUserRenamesTheFirstChannelAndSavesTheGroup) {
    const std::string group = program.Home() + "/Documents/Receiver.swg";
    ASSERT_TRUE(program.Launch({group}, server->name())) << program.Output();
    // The start-up wizard cannot run over an open window, and says so.
    const auto box = driver->FindWindow("Close All Windows", kWait);
    ASSERT_TRUE(box && driver->WaitUntilPainted(*box, kWait)) << program.Output();
    driver->Press("Return");
    const auto main = driver->FindWindow("Halbridge Pro - Receiver.swg", kWait);
    ASSERT_TRUE(driver->WaitUntilGone(*box, kWait) && main &&
                driver->WaitUntilPainted(*main, kWait))
        << program.Output();
    ASSERT_TRUE(driver->WaitForPixel(*main, kMovedGroupX, kMovedWindowY, kWorkspace, kWait))
        << program.Output();
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-group-window.png")));

    driver->Resize(*main, kRoomyWidth, kRoomyHeight);
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    auto before = driver->Pixels(*main, 0, 60, 900, 120);
    driver->Click(*main, kMaximiseX, kChildTitleY);
    ASSERT_TRUE(driver->WaitUntilChanged(*main, 0, 60, 900, 120, before, kWait));
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-group-roomy.png")));
    // The sample's five channels, each with its side heading, and no row after them.
    const auto pixel = [&](int x, int y) { return driver->Pixels(*main, x, y, 1, 1).at(0); };
    const unsigned long heading = pixel(kSideHeadingX, kTopHeadingY);
    EXPECT_EQ(pixel(kSideHeadingX, kFifthRowY), heading);
    EXPECT_NE(pixel(kSideHeadingX, kSixthRowY), heading);

    // Return moves the current cell down: the second Name cell changes only then.
    before = driver->Pixels(*main, kFirstNameX - 70, kSecondRowY, 140, 14);
    driver->Click(*main, kFirstNameX, kFirstRowY);
    driver->Type("Tower 1");
    driver->Press("Return");
    ASSERT_TRUE(
        driver->WaitUntilChanged(*main, kFirstNameX - 70, kSecondRowY, 140, 14, before, kWait));
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-group-editor.png")));

    // The "Group Tools" bar: its first button tells what it does.
    driver->MovePointer(*main, kFirstButtonX, kBarY);
    const auto tip = driver->FindPopup(kWait);
    ASSERT_TRUE(tip && driver->WaitUntilPainted(*tip, kWait)) << program.Output();
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-group-tools.png")));

    // Closing the group window asks whether to save the group; Yes writes the file.
    driver->Click(*main, kChildCloseX, kChildCloseY);
    const auto question = driver->FindWindow("Halbridge Pro", kWait);
    ASSERT_TRUE(question && driver->WaitUntilPainted(*question, kWait)) << program.Output();
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-group-save.png")));
    driver->Press("Return");
    ASSERT_TRUE(driver->WaitUntilGone(*question, kWait));
    ASSERT_TRUE(driver->WaitForTitle(*main, "Halbridge Pro", kWait)) << driver->Title(*main);
    std::ifstream file(group, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), {});
    EXPECT_NE(bytes.find("Tower 1"), std::string::npos);
    driver->Close(*main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
}

} // namespace
} // namespace hb::apptest
