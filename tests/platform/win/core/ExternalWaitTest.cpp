// The manual clock while work outside the GUI thread is on its way: a held external wait gives a
// post from another thread real time to arrive before the clock runs to the next timer.
#include "platform/win/core/ExternalWait.h"

#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/MessageLoop.h"

#include <future>
#include <thread>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

class ExternalWaitTest : public PlatformTest {
protected:
    ExternalWaitTest() { SetTimer(window.hwnd(), 1, 100, nullptr); }

    // Runs the loop until the window has a WM_USER or a WM_TIMER.
    void RunUntilEither() {
        hb::win::RunNestedLoop(
            [this] { return window.Count(WM_USER) == 0 && window.Count(WM_TIMER) == 0; });
    }

    TestWindow window{{.style = WS_OVERLAPPED}};
};

TEST_F(ExternalWaitTest, APostFromAnotherThreadComesBeforeTheClockMoves) {
    const std::int64_t start = hb::win::NowMs();
    std::promise<void> waiting;
    std::thread poster([&] {
        waiting.get_future().wait();
        PostMessage(window.hwnd(), WM_USER, 0, 0);
    });
    {
        hb::win::ExternalWait wait;
        EXPECT_TRUE(hb::win::ExternalWaitHeld());
        waiting.set_value();
        RunUntilEither();
    }
    poster.join();
    EXPECT_EQ(window.Count(WM_USER), 1u);
    EXPECT_EQ(window.Count(WM_TIMER), 0u);
    EXPECT_EQ(hb::win::NowMs(), start);
    EXPECT_FALSE(hb::win::ExternalWaitHeld());
}

TEST_F(ExternalWaitTest, WithoutAPostTheClockMovesOnAfterTheLimit) {
    hb::win::SetExternalWaitLimit(20);
    const std::int64_t start = hb::win::NowMs();
    hb::win::ExternalWait wait;
    RunUntilEither();
    EXPECT_EQ(window.Count(WM_TIMER), 1u);
    EXPECT_EQ(hb::win::NowMs(), start + 100);
}

} // namespace
