// The program without a sound card, on a display of the test's own: the receiver's window opens,
// its "Audio Recorder" tab says that audio logging is disabled, and the window and the program
// close as usual.
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "tests/app/ProgramOnScreen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace hb::apptest {
namespace {

class ProgramNoSoundCardOnScreenTest : public ProgramOnScreen {
protected:
    // Where the maximised radio window shows its "Audio Recorder" tab and the recorder below
    // it, and where the menu bar shows the window's own close box.
    static constexpr int kRecorderTabX = 205;
    static constexpr int kTabsY = 265;
    static constexpr int kRecorderY = 280;
    static constexpr int kCloseBoxX = 990;

    // With the backend `audio` (none: the default), opens the receiver's window, shows its
    // recorder tab in `picture`, closes the window and then the program, which ends well.
    void OpenAndCloseTheReceiversWindow(const char* audio, const std::string& picture) {
        if (audio) {
            ::setenv("HB_AUDIO", audio, 1);
        }
        const auto main = StartOnReceiversList();
        ::unsetenv("HB_AUDIO");
        ASSERT_TRUE(main);
        ASSERT_TRUE(GiveThePanelRoom(*main));

        const auto tabs = driver->Pixels(*main, 5, kRecorderY, 990, 300);
        driver->Click(*main, kRecorderTabX, kTabsY);
        ASSERT_TRUE(driver->WaitUntilChanged(*main, 5, kRecorderY, 990, 300, tabs, kWait));
        ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
        EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath(picture)));

        driver->Click(*main, kCloseBoxX, kMenuBarY);
        EXPECT_TRUE(driver->WaitForPixel(*main, kMovedWindowX, kMovedWindowY, kWorkspace, kWait))
            << "the receiver's window stayed\n"
            << program.Output();
        driver->Close(*main);
        EXPECT_EQ(program.Finish(), 0) << program.Output();
    }
};

TEST_F(ProgramNoSoundCardOnScreenTest, WithoutAnyAudioTheReceiversWindowOpensAndCloses) {
    OpenAndCloseTheReceiversWindow("none", "program-recorder-no-audio.png");
}

TEST_F(ProgramNoSoundCardOnScreenTest, OnAlsaWithoutACardTheReceiversWindowOpensAndCloses) {
    std::ifstream cards("/proc/asound/cards");
    std::stringstream text;
    text << cards.rdbuf();
    if (cards && text.str().find("no soundcards") == std::string::npos) {
        GTEST_SKIP() << "this machine has a sound card";
    }
    ::unsetenv("HB_ALSA_PCMS");
    OpenAndCloseTheReceiversWindow(nullptr, "program-recorder-no-sound-card.png");
}

} // namespace
} // namespace hb::apptest
