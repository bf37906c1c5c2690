// The program on a display of the test's own (Xvfb), used from outside as a person uses it: the
// start-up box answered by a key, a menu item clicked, the dialog it opens closed, the main window
// closed by the window manager's request.
#include "ProgramProcess.h"
#include "platform/testkit/TempFolder.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "platform/testkit/xdriver/XServer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

using hb::testkit::ArtefactPath;
using hb::testkit::XDriver;
using hb::testkit::XServer;
using namespace std::chrono_literals;

namespace {

// Generous: the program runs under the sanitizers in CI.
constexpr auto kWait = 60s;
// Where the menu bar shows "Settings", and its first item in the drop-down.
constexpr int kSettingsX = 180;
constexpr int kMenuBarY = 12;
constexpr int kFirstItemX = 100;
constexpr int kFirstItemY = 11;

class ProgramOnScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string whyNot;
        server = XServer::Start(whyNot);
        if (!server) {
            GTEST_SKIP() << "no X server for the program: " << whyNot;
        }
        driver = XDriver::Connect(server->name());
        ASSERT_TRUE(driver) << "cannot open " << server->name();
    }

    std::unique_ptr<XServer> server;
    std::unique_ptr<XDriver> driver;
    hb::apptest::ProgramProcess program;
};

TEST_F(ProgramOnScreenTest, AMenuItemClickedOnTheMainWindowOpensItsDialogAndClosingSavesTheWindow) {
    ASSERT_TRUE(program.Launch({}, server->name())) << program.Output();

    // The set-up wizard's stand-in greets a first start; the user answers it.
    const auto wizard = driver->FindWindow("Setup Wizard", kWait);
    ASSERT_TRUE(wizard) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*wizard, kWait));
    driver->Press("Return");
    ASSERT_TRUE(driver->WaitUntilGone(*wizard, kWait));

    const auto main = driver->FindWindow("Halbridge Pro", kWait);
    ASSERT_TRUE(main);
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    EXPECT_TRUE(driver->Screenshot(*main, ArtefactPath("program-main-window.png")));

    driver->Click(*main, kSettingsX, kMenuBarY);
    const auto menu = driver->FindPopup(kWait);
    ASSERT_TRUE(menu) << "the Settings menu did not drop down";
    ASSERT_TRUE(driver->WaitUntilPainted(*menu, kWait));
    EXPECT_TRUE(driver->Screenshot(*menu, ArtefactPath("program-settings-menu.png")));
    driver->Click(*menu, kFirstItemX, kFirstItemY);

    const auto configuration = driver->FindWindow("Halbridge Pro Configuration", kWait);
    ASSERT_TRUE(configuration) << "the menu item did not open the configuration";
    EXPECT_EQ(driver->TransientFor(*configuration), *main);
    ASSERT_TRUE(driver->WaitUntilPainted(*configuration, kWait));
    EXPECT_TRUE(driver->Screenshot(*configuration, ArtefactPath("program-configuration.png")));
    driver->Press("Escape");
    ASSERT_TRUE(driver->WaitUntilGone(*configuration, kWait));

    driver->Close(*main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
    EXPECT_NE(hb::testkit::ReadFileBytes(program.Config("user.reg")).find("\"MainWindow\"=sz:"),
              std::string::npos);
    EXPECT_GT(std::filesystem::file_size(ArtefactPath("program-configuration.png")), 0u);
}

} // namespace
