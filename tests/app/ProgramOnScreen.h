#pragma once
// The program on a display of the test's own (Xvfb), used from outside as a person uses it.
#include "ProgramProcess.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "platform/testkit/xdriver/XServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace hb::apptest {

class ProgramOnScreen : public ::testing::Test {
protected:
    // Generous: the program runs under the sanitizers in CI.
    static constexpr std::chrono::seconds kWait{60};
    // Where the menu bar shows "Settings", and the first item of a drop-down.
    static constexpr int kSettingsX = 180;
    static constexpr int kMenuBarY = 12;
    static constexpr int kFirstItemX = 100;
    static constexpr int kFirstItemY = 11;
    // A point of the main window where the docking panes stand while they show, and the colour of
    // the workspace (the MDI client) that shows there once they are put away.
    static constexpr int kDockedPaneX = 150;
    static constexpr int kDockedPaneY = 300;
    static constexpr unsigned long kWorkspace = 0x808080;
    // A point of the radio window while the docking panes are out, and of the workspace after.
    static constexpr int kMovedWindowX = 650;
    static constexpr int kMovedWindowY = 300;

    // Skips the test when no X server can be had.
    void SetUp() override;
    // Starts the program on the display, answers the set-up wizard that greets a first start, and
    // returns the main window once it is painted and its first start's panes are put away; nothing
    // when a step fails (the test fails too).
    std::optional<hb::testkit::XDriver::XId> StartToMainWindow();
    // Starts the program on the receiver's scan list that a first start copies, answers the box
    // that says the wizard cannot run over it, and returns the main window with the receiver's
    // radio window once it is painted; nothing when a step fails (the test fails too).
    std::optional<hb::testkit::XDriver::XId> StartOnReceiversList();
    // The front panel is wider than the radio window opens: the user makes the main window
    // kRoomyWidth by kRoomyHeight and maximises the radio window, whose maximise box stands at
    // `maximiseX`. False when it does not repaint.
    bool GiveThePanelRoom(hb::testkit::XDriver::XId main, int maximiseX = 466);
    static constexpr unsigned kRoomyWidth = 1000;
    static constexpr unsigned kRoomyHeight = 700;
    // Where the menu bar shows "View", and how many items it drops while a radio window is
    // active: the main window's own, then the radio window's "Mini Status DIsplay".
    static constexpr int kViewX = 131;
    static constexpr int kViewItemsWithRadio = 8;
    // Opens the active radio window's mini status window from the View menu, whose picture goes
    // to `menuPicture` when one is named; the window once painted, or nothing (the test fails
    // too).
    std::optional<hb::testkit::XDriver::XId> OpenMiniStatus(hb::testkit::XDriver::XId main,
                                                            const std::string& menuPicture = "");

    std::unique_ptr<hb::testkit::XServer> server;
    std::unique_ptr<hb::testkit::XDriver> driver;
    ProgramProcess program;
};

} // namespace hb::apptest
