// The receiver's spectrum analyzer on a display of the test's own: opened from the radio window's
// toolbar, it sweeps at once; the markers and the maximum trace are switched on by clicks.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>

namespace hb::apptest {
namespace {

class ProgramSpectrumAnalyzerOnScreenTest : public ProgramOnScreen {
protected:
    // The radio window's "Spectrum Analyzer" button, as the window first opens.
    static constexpr int kAnalyzerButtonX = 330;
    static constexpr int kAnalyzerButtonY = 102;
    // Within the analyzer as it opens: its maximum and markers switches, their lamps, its plot.
    static constexpr int kMaximumSwitchX = 561;
    static constexpr int kMarkersSwitchX = 637;
    static constexpr int kSwitchY = 229;
    static constexpr int kSwitchLedY = 211;
    static constexpr int kPlotX = 95;
    static constexpr int kPlotY = 300;
    static constexpr unsigned kPlotWidth = 620;
    static constexpr unsigned kPlotHeight = 150;
    static constexpr unsigned kWidth = 1000;
    static constexpr unsigned kHeight = 700;
};

TEST_F(ProgramSpectrumAnalyzerOnScreenTest, TheAnalyzerSweepsTheReceiversBandWithMarkers) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    driver->Resize(*main, kWidth, kHeight);
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    const auto before = driver->Pixels(*main, 0, 70, kWidth, kHeight - 100);
    driver->Click(*main, kAnalyzerButtonX, kAnalyzerButtonY);
    ASSERT_TRUE(driver->WaitUntilChanged(*main, 0, 70, kWidth, kHeight - 100, before, kWait));
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
