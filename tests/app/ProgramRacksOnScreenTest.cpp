// The instrument racks on a display of the test's own: the receiver, given a tone reader in its
// settings, shows the tone panel in its radio window, and its mini status window over the main
// window.
#include "ProgramOnScreen.h"
#include "platform/testkit/TempFolder.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>

#include <csignal>
#include <set>
#include <string>

namespace hb::apptest {
namespace {

class ProgramRacksOnScreenTest : public ProgramOnScreen {
protected:
    // A point of the tone panel's reader name, below the radio window's title.
    static constexpr int kReaderNameX = 12;
    static constexpr int kReaderNameY = 96;
    static constexpr unsigned kReaderNameWidth = 110;
    // The caption of the "Audio Recorder" tab.
    static constexpr int kTabX = 180;
    static constexpr int kTabY = 324;
    static constexpr unsigned kTabWidth = 70;
    static constexpr unsigned kTabHeight = 12;
    // The keypad's Enter key, where the start's message box stood over the panel.
    static constexpr int kEnterX = 248;
    static constexpr int kEnterY = 286;
    static constexpr unsigned kEnterWidth = 40;
    static constexpr unsigned kEnterHeight = 12;

    // Waits, when the main window's rectangle shows a single colour, until it shows its part.
    void WaitForPart(hb::testkit::XDriver::XId main, int x, int y, unsigned width,
                     unsigned height) {
        const auto part = driver->Pixels(main, x, y, width, height);
        if (std::set<unsigned long>(part.begin(), part.end()).size() < 2) {
            ASSERT_TRUE(driver->WaitUntilChanged(main, x, y, width, height, part, kWait));
        }
    }

    // The settings the first start copied, with a type-12 tone reader beside the receiver.
    void AddToneReader() {
        const std::string file = program.Config("Halbridge Pro.ini");
        std::string settings = hb::testkit::ReadFileBytes(file);
        const std::string none = "ToneReadersInstalled=0";
        const auto at = settings.find(none);
        ASSERT_NE(at, std::string::npos) << settings;
        settings.replace(at, none.size(), "ToneReadersInstalled=1");
        settings += "\n[Connections]\nReader#1=Radio#1\n[ToneReaders]\nReader#1=Tone Reader\n"
                    "[Tone Reader]\nType=12\nPort=SIM\n";
        hb::testkit::WriteFileBytes(file, settings);
    }
};

TEST_F(ProgramRacksOnScreenTest, TheReceiversWindowShowsItsTonePanelAndItsMiniStatusWindowOnTop) {
    ASSERT_TRUE(StartOnReceiversList());
    ASSERT_EQ(program.Finish(SIGTERM), 0) << program.Output();
    AddToneReader();
    // Started again, the program opens the radio window where the first start left it.
    ASSERT_TRUE(program.Launch({program.Home() + "/Documents/Receiver.sws"}, server->name()));
    const auto box = driver->FindWindow("Close All Windows", kWait);
    ASSERT_TRUE(box && driver->WaitUntilPainted(*box, kWait)) << program.Output();
    driver->Press("Return");
    const auto main = driver->FindWindow("Halbridge Pro - Receiver", kWait);
    ASSERT_TRUE(driver->WaitUntilGone(*box, kWait) && main) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    // The window paints in parts: the picture waits for the last tab's caption, and for what
    // the box covered.
    WaitForPart(*main, kTabX, kTabY, kTabWidth, kTabHeight);
    WaitForPart(*main, kEnterX, kEnterY, kEnterWidth, kEnterHeight);
    // The reader's name on the panel: text on the display colour, not a blank strip.
    const auto name = driver->Pixels(*main, kReaderNameX, kReaderNameY, kReaderNameWidth, 10);
    EXPECT_GE(std::set<unsigned long>(name.begin(), name.end()).size(), 2u);
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-tone-panel.png")));

    // Its mini status window, from the View menu, stays over the main window.
    const auto mini = OpenMiniStatus(*main);
    ASSERT_TRUE(mini);
    ASSERT_TRUE(driver->WaitUntilAbove(*mini, *main, kWait));
    EXPECT_TRUE(driver->Screenshot(*mini, hb::testkit::ArtefactPath("program-mini-status.png")));
}

} // namespace
} // namespace hb::apptest
