// Tuning on a display of the test's own: a click on the receiver's up step LED tunes one step up.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>

namespace hb::apptest {
namespace {

class ProgramTuningOnScreenTest : public ProgramOnScreen {
protected:
    // Within the maximised window: the up step LED, the frequency display and its unit lamps.
    static constexpr int kStepUpX = 429;
    static constexpr int kStepUpY = 204;
    static constexpr int kDisplayX = 10;
    static constexpr int kDisplayY = 102;
    static constexpr unsigned kDisplayWidth = 215;
    static constexpr unsigned kDisplayHeight = 32;
    static constexpr int kLampY = 144;
    static constexpr int kKhzLampX = 8;
    static constexpr int kMhzLampX = 44;
    static constexpr unsigned kLampWidth = 28;
    static constexpr unsigned kLampHeight = 10;
};

TEST_F(ProgramTuningOnScreenTest, AClickOnTheUpLedTunesOneStepUp) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    ASSERT_TRUE(GiveThePanelRoom(*main));

    const auto display = driver->Pixels(*main, kDisplayX, kDisplayY, kDisplayWidth, kDisplayHeight);
    const auto khz = driver->Pixels(*main, kKhzLampX, kLampY, kLampWidth, kLampHeight);
    const auto mhz = driver->Pixels(*main, kMhzLampX, kLampY, kLampWidth, kLampHeight);
    // The panel opens on its VFO in MHz; after the click the display shows the new frequency and
    // both unit lamps stay as they were.
    driver->Click(*main, kStepUpX, kStepUpY);
    ASSERT_TRUE(driver->WaitUntilChanged(*main, kDisplayX, kDisplayY, kDisplayWidth, kDisplayHeight,
                                         display, kWait));
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    EXPECT_EQ(driver->Pixels(*main, kKhzLampX, kLampY, kLampWidth, kLampHeight), khz);
    EXPECT_EQ(driver->Pixels(*main, kMhzLampX, kLampY, kLampWidth, kLampHeight), mhz);
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-tuning.png")));
}

} // namespace
} // namespace hb::apptest
