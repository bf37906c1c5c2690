// The Volume pane on a display of the test's own, on simulated sound cards: a row for each card
// the receiver's audio goes through and a row for the receiver's audio logger.
#include "platform/testkit/TempFolder.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "tests/app/ProgramOnScreen.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace hb::apptest {
namespace {

using hb::testkit::ReadFileBytes;
using hb::testkit::WriteFileBytes;

class ProgramVolumePaneOnScreenTest : public ProgramOnScreen {
protected:
    // A first start without a display, ended once its wizard is cancelled: the settings and the
    // pane layout that the next start reads are there.
    void FirstStart() {
        ASSERT_TRUE(program.Launch()) << program.Output();
        ASSERT_TRUE(program.WaitFor("still open after its default button: cancelled"))
            << program.Output();
        ASSERT_EQ(program.Finish(SIGTERM), 0) << program.Output();
    }
    // The receiver records from the first card and monitors on the second.
    void RouteTheReceiversAudio() {
        std::string settings = ReadFileBytes(program.Config("Halbridge Pro.ini"));
        const std::string unrouted = "AudioInput=-1\nAudioOutput=-1\nAudioMonitor=-4";
        const auto at = settings.find(unrouted);
        ASSERT_NE(at, std::string::npos) << settings;
        settings.replace(at, unrouted.size(),
                         "AudioInput=0\nAudioOutput=-1\nAudioMonitor=" + std::to_string(1 << 24));
        WriteFileBytes(program.Config("Halbridge Pro.ini"), settings);
    }
    // The stored layout keeps the Volume pane out: the pane's hidden mark is the layout's last
    // byte.
    void LeaveTheVolumePaneOut() {
        std::string registry = ReadFileBytes(program.Config("user.reg"));
        const auto layout = registry.find("\"DockingPaneLayout\"=hex:");
        ASSERT_NE(layout, std::string::npos) << registry;
        const auto end = registry.find('\n', layout);
        ASSERT_NE(end, std::string::npos);
        registry.replace(end - 2, 2, "00");
        WriteFileBytes(program.Config("user.reg"), registry);
    }

    // Where the rows show in the main window, on a track of each card's speaker slider and on the
    // logger's level bar.
    static constexpr int kRowsX = 100;
    static constexpr int kFirstCardY = 148;
    static constexpr int kSecondCardY = 216;
    static constexpr int kLoggerY = 284;
    static constexpr unsigned long kSliderTrack = 0x3E3D3B;
    static constexpr unsigned long kLevelBar = 0x004000;
};

TEST_F(ProgramVolumePaneOnScreenTest, ShowsARowForEachRoutedCardAndTheReceiversLogger) {
    FirstStart();
    RouteTheReceiversAudio();
    LeaveTheVolumePaneOut();

    ::setenv("HB_AUDIO", "sim", 1);
    const bool launched =
        program.Launch({program.Home() + "/Documents/Receiver.sws"}, server->name());
    ::unsetenv("HB_AUDIO");
    ASSERT_TRUE(launched) << program.Output();
    const auto box = driver->FindWindow("Close All Windows", kWait);
    ASSERT_TRUE(box && driver->WaitUntilPainted(*box, kWait)) << program.Output();
    driver->Press("Return");
    const auto main = driver->FindWindow("Halbridge Pro - Receiver", kWait);
    ASSERT_TRUE(main && driver->WaitUntilGone(*box, kWait)) << program.Output();

    // The logger's row comes at the view's first tick after the window opened.
    const bool loggerRow = driver->WaitForPixel(*main, kRowsX, kLoggerY, kLevelBar, kWait);
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-volume-pane.png")));
    EXPECT_TRUE(loggerRow);
    EXPECT_EQ(driver->Pixels(*main, kRowsX, kFirstCardY, 1, 1).front(), kSliderTrack);
    EXPECT_EQ(driver->Pixels(*main, kRowsX, kSecondCardY, 1, 1).front(), kSliderTrack);
}

} // namespace
} // namespace hb::apptest
