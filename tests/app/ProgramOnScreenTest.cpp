// The program on a display of the test's own (Xvfb), used from outside as a person uses it: the
// start-up box answered by a key, a menu item clicked, the dialog it opens closed, the main window
// closed by the window manager's request.
#include "ProgramOnScreen.h"

#include "platform/testkit/TempFolder.h"
#include "platform/testkit/xdriver/Artefacts.h"

#include <signal.h>

#include <filesystem>
#include <string>

using hb::testkit::ArtefactPath;

namespace {

using ProgramOnScreenTest = hb::apptest::ProgramOnScreen;

TEST_F(ProgramOnScreenTest, AMenuItemClickedOnTheMainWindowOpensItsDialogAndClosingSavesTheWindow) {
    // The set-up wizard greets a first start; the user cancels it.
    const auto main = StartToMainWindow();
    ASSERT_TRUE(main);
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
    // Every picture the windows asked for was there.
    EXPECT_EQ(program.Trace().find("picture"), std::string::npos) << program.Trace();
}

TEST_F(ProgramOnScreenTest, TheWizardGoesOnToTheTasksWithEnterAndCancelsWithEscape) {
    ASSERT_TRUE(program.Launch({}, server->name())) << program.Output();
    const auto wizard = driver->FindWindow("Halbridge Pro Wizard", kWait);
    ASSERT_TRUE(wizard) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*wizard, kWait));
    const auto welcome = driver->Pixels(*wizard, 0, 0, 300, 200);
    driver->Press("Return");
    EXPECT_TRUE(driver->WaitUntilChanged(*wizard, 0, 0, 300, 200, welcome, kWait));
    EXPECT_TRUE(driver->Screenshot(*wizard, ArtefactPath("program-wizard-tasks.png")));
    driver->Press("Escape");
    ASSERT_TRUE(driver->WaitUntilGone(*wizard, kWait));
    EXPECT_EQ(program.Finish(SIGTERM), 0) << program.Output();
}

TEST_F(ProgramOnScreenTest, SigtermWhileTheConfigurationPromptIsUpEndsTheProgramInOrder) {
    std::filesystem::create_directories(program.Config(""));
    hb::testkit::WriteFileBytes(program.Config("Halbridge Pro.ini"), "[Radios]\n");
    ASSERT_TRUE(program.Launch({}, server->name())) << program.Output();
    const auto prompt = driver->FindWindow("Radio Configuration", kWait);
    ASSERT_TRUE(prompt) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*prompt, kWait));
    EXPECT_TRUE(driver->Screenshot(*prompt, ArtefactPath("program-configuration-prompt.png")));

    EXPECT_EQ(program.Finish(SIGTERM), 0) << program.Output();
    // Start-up stopped there: no failure to report, nothing written.
    EXPECT_EQ(program.Output().find("start-up ended"), std::string::npos) << program.Output();
    EXPECT_EQ(program.Trace().find("MainFrm("), std::string::npos);
    EXPECT_EQ(hb::testkit::ReadFileBytes(program.Config("Halbridge Pro.ini")), "[Radios]\n");
    EXPECT_FALSE(std::filesystem::exists(program.Config("user.reg")));
}

} // namespace
