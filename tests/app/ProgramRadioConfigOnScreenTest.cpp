// The engine's radio configuration on a display of the test's own, opened as a person opens it:
// Settings > Halbridge Pro Configuration > Radio Settings. Its port box, baud box and buttons show
// whole and readable.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>

using hb::testkit::ArtefactPath;

namespace {

class ProgramRadioConfigOnScreenTest : public hb::apptest::ProgramOnScreen {};

TEST_F(ProgramRadioConfigOnScreenTest, RadioSettingsShowThePortAndBaudBoxes) {
    const auto main = StartToMainWindow();
    ASSERT_TRUE(main);
    driver->Click(*main, kSettingsX, kMenuBarY);
    const auto menu = driver->FindPopup(kWait);
    ASSERT_TRUE(menu) << "the menu did not drop down";
    ASSERT_TRUE(driver->WaitUntilPainted(*menu, kWait));
    driver->Press("Down"); // the first item: the configuration
    driver->Press("Return");
    const auto configuration = driver->FindWindow("Halbridge Pro Configuration", kWait);
    ASSERT_TRUE(configuration) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*configuration, kWait));
    EXPECT_TRUE(driver->Screenshot(*configuration, ArtefactPath("program-configuration.png")));
    // "Radio Settings": the third button of the first row.
    constexpr int kRadioSettingsX = 340;
    constexpr int kRadioSettingsY = 32;
    driver->Click(*configuration, kRadioSettingsX, kRadioSettingsY);
    const auto radios = driver->FindWindow("Radio Configuration", kWait);
    ASSERT_TRUE(radios) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*radios, kWait));
    EXPECT_TRUE(driver->Screenshot(*radios, ArtefactPath("program-radio-configuration.png")));
    driver->Press("Escape");
    ASSERT_TRUE(driver->WaitUntilGone(*radios, kWait));
    driver->Press("Escape");
    ASSERT_TRUE(driver->WaitUntilGone(*configuration, kWait));

    driver->Close(*main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
}

} // namespace
