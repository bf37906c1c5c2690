// The program's pictures and prompts on a display of the test's own (Xvfb): the tool bar shows
// pictures, found beside the program; resting the pointer on a button shows its prompt in the
// status bar and then its tooltip, and so does a menu item its prompt; moving away or closing the
// menu brings the idle text back.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"

#include <string>
#include <vector>

using hb::testkit::ArtefactPath;

namespace {

// The "Open" button of the main tool bar, and a point of the empty client area below the bars.
constexpr int kOpenButtonX = 102;
constexpr int kButtonY = 48;
constexpr int kClientX = 400;
constexpr int kClientY = 300;
// The start of the status bar's message pane, from the window's bottom.
constexpr int kPaneX = 4;
constexpr int kPaneFromBottom = 18;
constexpr unsigned kPaneWidth = 200;
constexpr unsigned kPaneHeight = 12;

using ProgramPicturesOnScreenTest = hb::apptest::ProgramOnScreen;

TEST_F(ProgramPicturesOnScreenTest, AToolBarButtonUnderThePointerShowsItsPromptThenItsTooltip) {
    const auto main = StartToMainWindow();
    ASSERT_TRUE(main);
    // The program's icon goes to the window manager as a picture.
    EXPECT_EQ(driver->WaitForIconSizes(*main, kWait), (std::vector<int>{16, 32}));
    const int height = driver->Height(*main);
    ASSERT_GT(height, 100);
    const int paneY = height - kPaneFromBottom;
    // The idle text may be painted a moment after the rest of the window: wait until the pane is
    // no longer blank before taking it.
    const std::vector<unsigned long> blank(kPaneWidth * kPaneHeight,
                                           driver->Pixels(*main, kPaneX, paneY, 1, 1).front());
    ASSERT_TRUE(
        driver->WaitUntilChanged(*main, kPaneX, paneY, kPaneWidth, kPaneHeight, blank, kWait))
        << "no idle text in the status bar";
    const std::vector<unsigned long> idle =
        driver->Pixels(*main, kPaneX, paneY, kPaneWidth, kPaneHeight);

    driver->MovePointer(*main, kOpenButtonX, kButtonY);
    EXPECT_TRUE(
        driver->WaitUntilChanged(*main, kPaneX, paneY, kPaneWidth, kPaneHeight, idle, kWait))
        << "no prompt in the status bar";
    const auto tip = driver->FindPopup(kWait);
    ASSERT_TRUE(tip) << "no tooltip";
    ASSERT_TRUE(driver->WaitUntilPainted(*tip, kWait));
    EXPECT_TRUE(driver->Screenshot(*main, ArtefactPath("program-tooltip.png")));
    const std::vector<unsigned long> prompt =
        driver->Pixels(*main, kPaneX, paneY, kPaneWidth, kPaneHeight);

    driver->MovePointer(*main, kClientX, kClientY);
    EXPECT_TRUE(driver->WaitUntilGone(*tip, kWait)) << "the tooltip stayed";
    EXPECT_TRUE(
        driver->WaitUntilChanged(*main, kPaneX, paneY, kPaneWidth, kPaneHeight, prompt, kWait));
    EXPECT_EQ(driver->Pixels(*main, kPaneX, paneY, kPaneWidth, kPaneHeight), idle)
        << "the idle text did not come back";

    // A menu item under the pointer shows its prompt too, until the menu closes.
    driver->Click(*main, kSettingsX, kMenuBarY);
    const auto menu = driver->FindPopup(kWait);
    ASSERT_TRUE(menu) << "the Settings menu did not drop down";
    ASSERT_TRUE(driver->WaitUntilPainted(*menu, kWait));
    driver->MovePointer(*menu, kFirstItemX, kFirstItemY);
    EXPECT_TRUE(
        driver->WaitUntilChanged(*main, kPaneX, paneY, kPaneWidth, kPaneHeight, idle, kWait))
        << "no prompt for the menu item";
    EXPECT_TRUE(driver->Screenshot(*main, ArtefactPath("program-menu-prompt.png")));
    driver->Press("Escape");
    ASSERT_TRUE(driver->WaitUntilGone(*menu, kWait));
    const std::vector<unsigned long> menuPrompt =
        driver->Pixels(*main, kPaneX, paneY, kPaneWidth, kPaneHeight);
    if (menuPrompt != idle) {
        EXPECT_TRUE(driver->WaitUntilChanged(*main, kPaneX, paneY, kPaneWidth, kPaneHeight,
                                             menuPrompt, kWait));
    }
    EXPECT_EQ(driver->Pixels(*main, kPaneX, paneY, kPaneWidth, kPaneHeight), idle)
        << "the idle text did not come back after the menu";

    driver->Close(*main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
    // Every picture the main window asked for was there.
    EXPECT_EQ(program.Trace().find("picture"), std::string::npos) << program.Trace();
}

} // namespace
