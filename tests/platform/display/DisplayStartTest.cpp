#include "platform/display/Display.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/win/core/WaitSource.h"

#include <cstdlib>
#include <optional>
#include <string>

using hb::testkit::PlatformTest;

namespace {

class DisplayStartTest : public PlatformTest {
protected:
    DisplayStartTest() {
        if (const char* value = std::getenv("DISPLAY")) {
            m_saved = value;
        }
    }
    ~DisplayStartTest() override {
        if (m_saved) {
            ::setenv("DISPLAY", m_saved->c_str(), 1);
        } else {
            ::unsetenv("DISPLAY");
        }
    }

private:
    std::optional<std::string> m_saved;
};

TEST_F(DisplayStartTest, WithoutADisplayToReachTheProgramStaysHeadless) {
    ::unsetenv("DISPLAY");
    EXPECT_FALSE(hb::display::StartIfAvailable());
    ::setenv("DISPLAY", "", 1);
    EXPECT_FALSE(hb::display::StartIfAvailable());
    EXPECT_FALSE(hb::display::StartIfAvailable(":65000"));
    EXPECT_FALSE(hb::display::IsShowing());

    // Message boxes are still answered by the script, and the loop still runs on its clock.
    ExpectBox("Saved", IDOK);
    EXPECT_EQ(MessageBox(HWND{}, "Saved.", "Halbridge Pro", MB_OK), IDOK);
    EXPECT_FALSE(hb::win::GetWaitSource());
}

} // namespace
