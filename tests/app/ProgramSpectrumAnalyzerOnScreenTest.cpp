// The receiver's spectrum analyzer on a display of the test's own: the receiver tuned on its
// keypad, the analyzer opened from the radio window's toolbar sweeps around it at once; the
// markers and the maximum trace are switched on by clicks.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>

#include <utility>

namespace hb::apptest {
namespace {

class ProgramSpectrumAnalyzerOnScreenTest : public ProgramOnScreen {
protected:
    // The maximised radio window's "Spectrum Analyzer" button.
    static constexpr int kAnalyzerButtonX = 326;
    static constexpr int kAnalyzerButtonY = 79;
    // The radio window's keys 1, 4, 6, ".", 5 and Enter, and its frequency display.
    static constexpr std::pair<int, int> kTyped[] = {{255, 110}, {255, 132}, {319, 132},
                                                     {255, 178}, {287, 132}, {262, 227}};
    static constexpr int kDisplayX = 10;
    static constexpr int kDisplayY = 102;
    static constexpr unsigned kDisplayWidth = 215;
    static constexpr unsigned kDisplayHeight = 32;
    // The panel's meters and lamps.
    static constexpr int kPanelX = 450;
    static constexpr int kPanelY = 98;
    static constexpr unsigned kPanelWidth = 320;
    static constexpr unsigned kPanelHeight = 150;
    // Within the analyzer, maximised as the radio window was: its maximum and markers switches,
    // their lamps, its plot.
    static constexpr int kMaximumSwitchX = 545;
    static constexpr int kMarkersSwitchX = 609;
    static constexpr int kSwitchY = 185;
    static constexpr int kSwitchLedY = 166;
    static constexpr int kPlotX = 70;
    static constexpr int kPlotY = 330;
    static constexpr unsigned kPlotWidth = 900;
    static constexpr unsigned kPlotHeight = 300;
};

TEST_F(ProgramSpectrumAnalyzerOnScreenTest, TheAnalyzerSweepsTheReceiversBandWithMarkers) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    ASSERT_TRUE(GiveThePanelRoom(*main));
    // The receiver tuned to 146.5 MHz on its keypad; the panel shows what it hears once the new
    // frequency has gone to the radio.
    const auto display = driver->Pixels(*main, kDisplayX, kDisplayY, kDisplayWidth, kDisplayHeight);
    const auto panel = driver->Pixels(*main, kPanelX, kPanelY, kPanelWidth, kPanelHeight);
    for (const auto& [x, y] : kTyped) {
        driver->Click(*main, x, y);
    }
    ASSERT_TRUE(driver->WaitUntilChanged(*main, kDisplayX, kDisplayY, kDisplayWidth, kDisplayHeight,
                                         display, kWait));
    ASSERT_TRUE(
        driver->WaitUntilChanged(*main, kPanelX, kPanelY, kPanelWidth, kPanelHeight, panel, kWait));
    const auto before = driver->Pixels(*main, 0, 70, kRoomyWidth, kRoomyHeight - 100);
    driver->Click(*main, kAnalyzerButtonX, kAnalyzerButtonY);
    ASSERT_TRUE(
        driver->WaitUntilChanged(*main, 0, 70, kRoomyWidth, kRoomyHeight - 100, before, kWait));
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    // The maximum trace and the markers switched on; a few sweeps later both traces and both
    // cursors stand over the band.
    for (const int x : {kMaximumSwitchX, kMarkersSwitchX}) {
        const auto off = driver->Pixels(*main, x - 15, kSwitchLedY, 30, 4);
        driver->Click(*main, x, kSwitchY);
        EXPECT_TRUE(driver->WaitUntilChanged(*main, x - 15, kSwitchLedY, 30, 4, off, kWait));
    }
    const auto plot = driver->Pixels(*main, kPlotX, kPlotY, kPlotWidth, kPlotHeight);
    EXPECT_TRUE(
        driver->WaitUntilChanged(*main, kPlotX, kPlotY, kPlotWidth, kPlotHeight, plot, kWait));
    EXPECT_TRUE(
        driver->Screenshot(*main, hb::testkit::ArtefactPath("program-spectrum-analyzer.png")));
}

} // namespace
} // namespace hb::apptest
