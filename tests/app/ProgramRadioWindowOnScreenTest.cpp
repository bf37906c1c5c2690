// The radio window on a display of the test's own: a first start on a fresh home opens the scan
// list the start copied, named on the command line, and shows the radio's window.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>

namespace hb::apptest {
namespace {

class ProgramRadioWindowOnScreenTest : public ProgramOnScreen {};

TEST_F(ProgramRadioWindowOnScreenTest, TheCopiedScanListOpensTheReceiversWindow) {
    const auto main = StartOnReceiversList();
    ASSERT_TRUE(main);
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-radio-window.png")));
}

} // namespace
} // namespace hb::apptest
