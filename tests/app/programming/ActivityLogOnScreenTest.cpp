// The activity log's dialog on a real X server (Xvfb): the caption on its label, the sinks, the
// day's file names and the table's path read, and nothing is cut.
#include "platform/afx/ModalScript.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/ScreenSession.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "platform/win/core/Clock.h"
#include "programming/RadioLog.h"
#include "resources/program/ProgramResources.h"
#include "tests/app/rig/RigTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

namespace hb::app::test {
namespace {

using hb::testkit::ArtefactPath;
using hb::testkit::XDriver;
using namespace std::chrono_literals;

class ActivityLogOnScreenTest : public RigTest {
protected:
    void SetUp() override {
        if (!screen.Start()) {
            return;
        }
        UseProgramResources(ProgramResourceTables());
    }

    void TearDown() override {
        screen.Stop();
        RigTest::TearDown();
    }

    hb::testkit::ScreenSession screen;
};

TEST_F(ActivityLogOnScreenTest, TheDialogShowsTheRadiosLogging) {
    CRadioLog log;
    log.Start("Receiver");
    log.SetCaption("Receiver Scan Logging");
    std::string failure;
    std::thread user;
    hb::afx::SetModalScript(CRadioLog::kDialogId, [&](CDialog& dialog) {
        const HWND hwnd = dialog.m_hWnd;
        user = std::thread([&, hwnd] {
            auto driver = XDriver::Connect(screen.name());
            const auto window =
                driver ? driver->FindWindow("Receiver Scan Logging", 30s) : std::nullopt;
            if (!window || !driver->WaitUntilPainted(*window, 30s)) {
                failure = "the dialog never showed";
            } else {
                driver->Screenshot(*window, ArtefactPath("program-activity-log.png"));
            }
            PostMessage(hwnd, WM_COMMAND, IDCANCEL, 0);
        });
    });
    EXPECT_EQ(log.DoModal(), IDCANCEL);
    user.join();
    EXPECT_EQ(failure, "");
}

} // namespace
} // namespace hb::app::test
