// The receiver's band scope on a display of the test's own: opened from the radio window's
// toolbar, it sweeps at once and docks the radio's recorder; the medium wave band is chosen from
// the band list, a click on its strongest station holds the sweep there, Mark marks that step
// before the sweep goes on, and the light colours tell the traces apart.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

namespace hb::apptest {
namespace {

class ProgramBandScopeOnScreenTest : public ProgramOnScreen {
protected:
    // The radio window's "Band Scope" button, as the window first opens.
    static constexpr int kScopeButtonX = 376;
    static constexpr int kScopeButtonY = 102;
    // Within the band scope once the recorder is docked: its band and Mark buttons, and the
    // data area of its plot.
    static constexpr int kBandX = 368;
    static constexpr int kMarkX = 589;
    static constexpr int kButtonsY = 255;
    static constexpr int kColoursX = 700;
    static constexpr int kColoursY = 365;
    // A point of the plot's margin, in the background colour.
    static constexpr int kPlotMarginX = 40;
    static constexpr int kPlotMarginY = 440;
    static constexpr int kDataX = 95;
    static constexpr int kDataY = 470;
    static constexpr unsigned kDataWidth = 650;
    static constexpr unsigned kDataHeight = 62;
    static constexpr int kAttempts = 20;
    static constexpr std::chrono::seconds kBandsWait{3};
    static constexpr unsigned kWidth = 1000;
    static constexpr unsigned kHeight = 720;

    // The column of the data area where a trace reaches highest.
    int Strongest(hb::testkit::XDriver::XId main) {
        const auto pixels = driver->Pixels(main, kDataX, kDataY, kDataWidth, kDataHeight);
        for (unsigned row = 0; row < kDataHeight; ++row) {
            for (unsigned column = 0; column < kDataWidth; ++column) {
                const unsigned long pixel = pixels[row * kDataWidth + column];
                if (pixel == 0xFFFFFF) {
                    return kDataX + static_cast<int>(column);
                }
            }
        }
        return kDataX + static_cast<int>(kDataWidth) / 2;
    }
};

TEST_F(ProgramBandScopeOnScreenTest, TheScopeSweepsTheReceiversBandAndShowsAMarkedStep) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    driver->Resize(*main, kWidth, kHeight);
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    const auto before = driver->Pixels(*main, 0, 70, kWidth, kHeight - 100);
    driver->Click(*main, kScopeButtonX, kScopeButtonY);
    ASSERT_TRUE(driver->WaitUntilChanged(*main, 0, 70, kWidth, kHeight - 100, before, kWait));
    // The first tick docks the recorder above the scope's controls, and the band button with
    // them; until it has, a click there meets a caption.
    std::optional<hb::testkit::XDriver::XId> bands;
    for (int attempt = 0; attempt < kAttempts && !bands; ++attempt) {
        driver->Click(*main, kBandX, kButtonsY);
        bands = driver->FindWindow("Select Band", kBandsWait);
    }
    ASSERT_TRUE(bands);
    driver->Press("Down");
    driver->Press("Return");
    ASSERT_TRUE(driver->WaitUntilGone(*bands, kWait));
    // A few sweeps of the band later its stations stand out.
    for (int sweep = 0; sweep < 3; ++sweep) {
        const auto shown = driver->Pixels(*main, kDataX, kDataY, kDataWidth, kDataHeight);
        EXPECT_TRUE(
            driver->WaitUntilChanged(*main, kDataX, kDataY, kDataWidth, kDataHeight, shown, kWait));
    }
    driver->Click(*main, Strongest(*main), kDataY + static_cast<int>(kDataHeight) / 2);
    const auto held = driver->Pixels(*main, kDataX, kDataY, kDataWidth, kDataHeight);
    driver->Click(*main, kMarkX, kButtonsY);
    EXPECT_TRUE(
        driver->WaitUntilChanged(*main, kDataX, kDataY, kDataWidth, kDataHeight, held, kWait));
    const auto marked = driver->Pixels(*main, kDataX, kDataY, kDataWidth, kDataHeight);
    EXPECT_TRUE(
        driver->WaitUntilChanged(*main, kDataX, kDataY, kDataWidth, kDataHeight, marked, kWait));
    // In the light colours every trace has a colour of its own, the marked ones grey.
    driver->Click(*main, kColoursX, kColoursY);
    EXPECT_TRUE(driver->WaitForPixel(*main, kPlotMarginX, kPlotMarginY, 0xFFFFFF, kWait));
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-band-scope.png")));
}

} // namespace
} // namespace hb::apptest
