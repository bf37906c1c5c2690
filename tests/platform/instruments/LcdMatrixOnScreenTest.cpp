// The dot-matrix display on a real X server (Xvfb): its lit dots reach the screen, and the
// screenshot shows whether its characters read.
#include "platform/afx/Afx.h"
#include "platform/instruments/Instruments.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/ScreenSession.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace {

using hb::testkit::ArtefactPath;
using hb::testkit::TestWindow;
using hb::testkit::XDriver;
using namespace std::chrono_literals;

constexpr RECT kDisplay{10, 10, 330, 50};
constexpr unsigned long kLitPixel = 0x00FF00;

class LcdMatrixOnScreenTest : public hb::testkit::PlatformTest {
protected:
    void SetUp() override { screen.Start(); }

    void TearDown() override {
        screen.Stop();
        PlatformTest::TearDown();
    }

    hb::testkit::ScreenSession screen;
};

TEST_F(LcdMatrixOnScreenTest, TheDisplayShowsItsTextInLitDots) {
    TestWindow frame;
    frame.On(WM_DESTROY, [](WPARAM, LPARAM) {
        PostQuitMessage(0);
        return LRESULT{0};
    });
    frame.Create({.style = WS_OVERLAPPEDWINDOW, .rect = {100, 80, 460, 180}, .text = "LCD Test"});
    const HWND hwnd = CreateWindowEx(0, "TiLCDMatrix", "", WS_CHILD | WS_VISIBLE, kDisplay.left,
                                     kDisplay.top, kDisplay.right - kDisplay.left,
                                     kDisplay.bottom - kDisplay.top, frame.hwnd(), 100, nullptr);
    CiLCDMatrixX lcd;
    ASSERT_TRUE(lcd.SubclassWindow(hwnd));
    lcd.SetText(" 1-10-021 [03]");
    ShowWindow(frame.hwnd(), SW_SHOWNORMAL);

    std::string failure;
    const HWND top = frame.hwnd();
    std::thread user([&, top] {
        auto driver = XDriver::Connect(screen.name());
        const auto window = driver ? driver->FindWindow("LCD Test", 10s) : std::nullopt;
        if (!window || !driver->WaitUntilPainted(*window, 10s)) {
            failure = "the window never showed";
        } else {
            const std::vector<unsigned long> pixels =
                driver->Pixels(*window, kDisplay.left, kDisplay.top, kDisplay.right - kDisplay.left,
                               kDisplay.bottom - kDisplay.top);
            if (std::count(pixels.begin(), pixels.end(), kLitPixel) == 0) {
                failure = "no lit dot on the screen";
            }
            driver->Screenshot(*window, ArtefactPath("instrument-lcd-matrix.png"));
        }
        PostMessage(top, WM_CLOSE, 0, 0);
    });
    MSG msg;
    while (GetMessage(&msg, HWND{}, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    user.join();
    lcd.UnsubclassWindow();
    EXPECT_EQ(failure, "");
}

} // namespace
