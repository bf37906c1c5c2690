#include "ProgramOnScreen.h"

#include "platform/testkit/xdriver/Artefacts.h"

#include <string>

namespace hb::apptest {

void ProgramOnScreen::SetUp() {
    std::string whyNot;
    server = hb::testkit::XServer::Start(whyNot);
    if (!server) {
        GTEST_SKIP() << "no X server for the program: " << whyNot;
    }
    driver = hb::testkit::XDriver::Connect(server->name());
    ASSERT_TRUE(driver) << "cannot open " << server->name();
}

std::optional<hb::testkit::XDriver::XId> ProgramOnScreen::StartToMainWindow() {
    if (!program.Launch({}, server->name())) {
        ADD_FAILURE() << program.Output();
        return std::nullopt;
    }
    const auto wizard = driver->FindWindow("Halbridge Pro Wizard", kWait);
    if (!wizard || !driver->WaitUntilPainted(*wizard, kWait)) {
        ADD_FAILURE() << "no set-up wizard: " << program.Output();
        return std::nullopt;
    }
    EXPECT_TRUE(driver->Screenshot(*wizard, hb::testkit::ArtefactPath("program-setup-wizard.png")));
    driver->Press("Escape");
    if (!driver->WaitUntilGone(*wizard, kWait)) {
        ADD_FAILURE() << "the set-up wizard stayed: " << program.Output();
        return std::nullopt;
    }
    const auto main = driver->FindWindow("Halbridge Pro", kWait);
    if (!main || !driver->WaitUntilPainted(*main, kWait)) {
        ADD_FAILURE() << "no main window: " << program.Output();
        return std::nullopt;
    }
    // A first start shows the docking panes for a moment and then puts them away, moving the
    // windows inside: what the tests find on the screen stays put once the workspace shows where
    // the panes stood.
    if (!driver->WaitForPixel(*main, kDockedPaneX, kDockedPaneY, kWorkspace, kWait)) {
        driver->Screenshot(*main, hb::testkit::ArtefactPath("program-unsettled.png"));
        ADD_FAILURE() << "the docking panes stayed: " << program.Output();
        return std::nullopt;
    }
    return main;
}

std::optional<hb::testkit::XDriver::XId> ProgramOnScreen::StartOnReceiversList() {
    // The first start copies the sample lists into the documents folder before it opens the file.
    const std::string list = program.Home() + "/Documents/Receiver.sws";
    if (!program.Launch({list}, server->name())) {
        ADD_FAILURE() << program.Output();
        return std::nullopt;
    }
    // The start-up wizard cannot run over an open window, and says so.
    const auto box = driver->FindWindow("Close All Windows", kWait);
    if (!box || !driver->WaitUntilPainted(*box, kWait)) {
        ADD_FAILURE() << "no box over the radio window\n" << program.Output();
        return std::nullopt;
    }
    driver->Press("Return");
    const auto main = driver->FindWindow("Halbridge Pro - Receiver", kWait);
    if (!driver->WaitUntilGone(*box, kWait) || !main || !driver->WaitUntilPainted(*main, kWait)) {
        ADD_FAILURE() << "no radio window\n" << program.Output();
        return std::nullopt;
    }
    // The radio window opens beside the docking panes and moves left when the first start puts
    // them away: what the tests click stays put once the workspace shows where the window stood.
    if (!driver->WaitForPixel(*main, kMovedWindowX, kMovedWindowY, kWorkspace, kWait)) {
        driver->Screenshot(*main, hb::testkit::ArtefactPath("program-unsettled.png"));
        ADD_FAILURE() << "the docking panes stayed: " << program.Output();
        return std::nullopt;
    }
    return main;
}

bool ProgramOnScreen::GiveThePanelRoom(hb::testkit::XDriver::XId main, int maximiseX) {
    // The radio window's title bar.
    constexpr int kChildTitleY = 80;
    driver->Resize(main, kRoomyWidth, kRoomyHeight);
    if (!driver->WaitUntilPainted(main, kWait)) {
        return false;
    }
    const auto before = driver->Pixels(main, 0, 0, 600, 120);
    driver->Click(main, maximiseX, kChildTitleY);
    return driver->WaitUntilChanged(main, 0, 0, 600, 120, before, kWait) &&
           driver->WaitUntilPainted(main, kWait);
}

std::optional<hb::testkit::XDriver::XId>
ProgramOnScreen::OpenMiniStatus(hb::testkit::XDriver::XId main, const std::string& menuPicture) {
    driver->Click(main, kViewX, kMenuBarY);
    const auto menu = driver->FindPopup(kWait);
    EXPECT_TRUE(menu) << "the View menu did not drop down";
    if (!menu || !driver->WaitUntilPainted(*menu, kWait)) {
        return std::nullopt;
    }
    if (!menuPicture.empty()) {
        EXPECT_TRUE(driver->Screenshot(*menu, hb::testkit::ArtefactPath(menuPicture)));
    }
    const int itemHeight = driver->Height(*menu) / kViewItemsWithRadio;
    driver->Click(*menu, kFirstItemX, itemHeight * (kViewItemsWithRadio - 1) + itemHeight / 2);
    const auto mini = driver->FindWindow("Receiver", kWait);
    EXPECT_TRUE(mini) << "the mini status window did not open";
    if (!mini || !driver->WaitUntilPainted(*mini, kWait)) {
        return std::nullopt;
    }
    return mini;
}

} // namespace hb::apptest
