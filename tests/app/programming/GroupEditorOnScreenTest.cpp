// The group window on a display of the test's own: a first start opens the receiver's group that
// it copied, and the user renames its first channel in the grid and saves.
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
    // A point of the group window's grid while the first start's docking panes are out, and of the
    // workspace once they are put away and the window has moved left.
    static constexpr int kMovedGroupX = 500;
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

    before = driver->Pixels(*main, 0, 60, 900, 120);
    driver->Click(*main, kFirstNameX, kFirstRowY);
    driver->Type("Tower 1");
    driver->Press("Return");
    ASSERT_TRUE(driver->WaitUntilChanged(*main, 0, 60, 900, 120, before, kWait));
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-group-editor.png")));

    // Closing the program asks whether to save the group; Yes writes the file.
    driver->Close(*main);
    const auto question = driver->FindWindow("Halbridge Pro", kWait);
    ASSERT_TRUE(question && driver->WaitUntilPainted(*question, kWait)) << program.Output();
    driver->Press("Return");
    ASSERT_TRUE(driver->WaitUntilGone(*question, kWait));
    std::ifstream file(group, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), {});
    EXPECT_NE(bytes.find("Tower 1"), std::string::npos);
}

} // namespace
} // namespace hb::apptest
