// The keypad on a display of the test's own: a frequency typed into the receiver's keypad field
// and Return tune the radio, and a click on V2 checks that button alone.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>

namespace hb::apptest {
namespace {

class ProgramKeypadOnScreenTest : public ProgramOnScreen {
protected:
    // Within the maximised window: the keypad field, the frequency display and the V buttons.
    static constexpr int kKeypadX = 287;
    static constexpr int kKeypadY = 202;
    static constexpr int kDisplayX = 10;
    static constexpr int kDisplayY = 102;
    static constexpr unsigned kDisplayWidth = 215;
    static constexpr unsigned kDisplayHeight = 32;
    static constexpr int kV1X = 8;
    static constexpr int kV2X = 44;
    static constexpr int kButtonY = 202;
    static constexpr unsigned kButtonWidth = 32;
    static constexpr unsigned kButtonHeight = 15;
};

TEST_F(ProgramKeypadOnScreenTest, AFrequencyTypedAndReturnTuneAndV2IsCheckedAlone) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    ASSERT_TRUE(GiveThePanelRoom(*main));

    const auto display = driver->Pixels(*main, kDisplayX, kDisplayY, kDisplayWidth, kDisplayHeight);
    driver->Click(*main, kKeypadX, kKeypadY);
    driver->Type("146");
    driver->Press("period");
    driver->Type("52");
    driver->Press("Return");
    ASSERT_TRUE(driver->WaitUntilChanged(*main, kDisplayX, kDisplayY, kDisplayWidth, kDisplayHeight,
                                         display, kWait));
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-keypad.png")));

    const auto v1 = driver->Pixels(*main, kV1X, kButtonY, kButtonWidth, kButtonHeight);
    const auto v2 = driver->Pixels(*main, kV2X, kButtonY, kButtonWidth, kButtonHeight);
    driver->Click(*main, kV2X + 16, kButtonY + 7);
    ASSERT_TRUE(
        driver->WaitUntilChanged(*main, kV2X, kButtonY, kButtonWidth, kButtonHeight, v2, kWait));
    ASSERT_TRUE(driver->WaitUntilPainted(*main, kWait));
    EXPECT_EQ(driver->Pixels(*main, kV1X, kButtonY, kButtonWidth, kButtonHeight), v1);
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-keypad-v2.png")));
}

} // namespace
} // namespace hb::apptest
