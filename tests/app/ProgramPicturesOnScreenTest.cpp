// The program's pictures and prompts on a display of the test's own (Xvfb): the tool bar shows
// pictures, found beside the program; resting the pointer on a button shows its prompt in the
// status bar and then its tooltip; moving away brings the idle text back.
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
    const int height = driver->Height(*main);
    ASSERT_GT(height, 100);
    const int paneY = height - kPaneFromBottom;
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

    driver->Close(*main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
    // Every picture the main window asked for was there.
    EXPECT_EQ(program.Trace().find("picture"), std::string::npos) << program.Trace();
}

} // namespace
