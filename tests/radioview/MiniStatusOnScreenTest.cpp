// The mini status window on a real X server (Xvfb): it stays over the main window, and the
// screenshot shows whether its panel reads.
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineStatus.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/ScreenSession.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "platform/win/core/Clock.h"
#include "radioview/MiniStatusWnd.h"
#include "tests/radioview/FrontPanelTest.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>

namespace hb::radioview::test {
namespace {

using hb::testkit::ArtefactPath;
using hb::testkit::XDriver;
using namespace std::chrono_literals;

class MiniStatusOnScreenTest : public hb::app::test::FrontPanelTest {
protected:
    void SetUp() override {
        FrontPanelTest::SetUp();
        screen.Start();
    }
    void TearDown() override {
        screen.Stop();
        FrontPanelTest::TearDown();
    }

    hb::testkit::ScreenSession screen;
};

TEST_F(MiniStatusOnScreenTest, ItStaysOverTheMainWindowWithItsPanelPainted) {
    StartWith(42);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    CRadioFrame* frame = RadioWindow();
    auto* mini = new CMiniStatusWnd(frame, kSection);
    frame->m_miniStatus = mini;
    // Its caption names the radio once the status comes.
    hb::records::EngineStatus engine;
    hb::records::DeviceStatus device;
    device.set(hb::records::DeviceStatus::kCurrentFrequency, 145'500'000);
    mini->SetStatus("", engine.data(), device.data(), frame->m_rig, 0);
    CString mainTitle;
    AfxGetMainWnd()->GetWindowText(mainTitle);
    const std::string mainName = mainTitle.str();
    const HWND top = mini->m_hWnd;

    std::string failure;
    bool done = false;
    std::thread user([&] {
        auto driver = XDriver::Connect(screen.name());
        const auto window = driver ? driver->FindWindow(kSection, 30s) : std::nullopt;
        const auto main = driver ? driver->FindWindow(mainName, 30s) : std::nullopt;
        if (!window || !main || !driver->WaitUntilPainted(*window, 30s)) {
            failure = "the mini status window never showed";
        } else {
            if (!driver->WaitUntilAbove(*window, *main, 30s)) {
                failure = "the mini status window is not over the main window";
            }
            const auto pixels = driver->Pixels(*window, 0, 0, 200, 100);
            if (std::set<unsigned long>(pixels.begin(), pixels.end()).size() < 8) {
                failure = "the panel is not painted";
            }
            driver->Screenshot(*window, ArtefactPath("mini-status-panel.png"));
        }
        done = true;
        PostMessage(top, WM_NULL, 0, 0);
    });
    while (!done) {
        MSG msg;
        if (GetMessage(&msg, HWND{}, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
    user.join();
    mini->DestroyWindow();
    EXPECT_EQ(failure, "");
}

} // namespace
} // namespace hb::radioview::test
