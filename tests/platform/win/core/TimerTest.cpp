#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <vector>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

class TimerTest : public PlatformTest {
protected:
    std::vector<WPARAM> TimerIds() const {
        std::vector<WPARAM> ids;
        for (const MSG& msg : w.Messages()) {
            if (msg.message == WM_TIMER) {
                ids.push_back(msg.wParam);
            }
        }
        return ids;
    }

    TestWindow w{{}};
};

TEST_F(TimerTest, FiresOncePerPeriod) {
    EXPECT_EQ(SetTimer(w.hwnd(), 7, 1000), 7u);
    AdvanceAndPump(5000);
    EXPECT_EQ(TimerIds(), std::vector<WPARAM>(5, 7));
}

TEST_F(TimerTest, SettingItAgainReplacesPeriodAndRestartsIt) {
    SetTimer(w.hwnd(), 1, 1000);
    AdvanceAndPump(600);
    SetTimer(w.hwnd(), 1, 5000);
    AdvanceAndPump(4999);
    EXPECT_EQ(w.Count(WM_TIMER), 0u);
    AdvanceAndPump(1);
    EXPECT_EQ(w.Count(WM_TIMER), 1u);
    EXPECT_EQ(hb::win::ActiveTimers().size(), 1u);
}

TEST_F(TimerTest, KillTimerReportsWhetherItExistedAndTakesThePendingMessage) {
    SetTimer(w.hwnd(), 1, 100);
    hb::win::Advance(150); // due, not yet delivered
    EXPECT_TRUE(KillTimer(w.hwnd(), 1));
    EXPECT_EQ(PumpUntilIdle(), 0u);
    EXPECT_FALSE(KillTimer(w.hwnd(), 1));
    EXPECT_FALSE(KillTimer(w.hwnd(), 2));
}

TEST_F(TimerTest, ALateLoopSeesOneMessageAndNoBacklog) {
    SetTimer(w.hwnd(), 1, 100);
    hb::win::Advance(10'000);
    EXPECT_EQ(PumpUntilIdle(), 1u);
    AdvanceAndPump(99); // re-armed from delivery, not from the missed due times
    EXPECT_EQ(w.Count(WM_TIMER), 1u);
    AdvanceAndPump(1);
    EXPECT_EQ(w.Count(WM_TIMER), 2u);
}

TEST_F(TimerTest, ShortPeriodsAreTenMilliseconds) {
    SetTimer(w.hwnd(), 1, 0);
    AdvanceAndPump(100);
    EXPECT_EQ(w.Count(WM_TIMER), 10u);
}

TEST_F(TimerTest, TimersDieWithTheirWindow) {
    TestWindow other{{}};
    SetTimer(other.hwnd(), 1, 100);
    SetTimer(w.hwnd(), 1, 100);
    const HWND gone = other.hwnd();
    DestroyWindow(gone);
    ASSERT_EQ(hb::win::ActiveTimers().size(), 1u);
    EXPECT_EQ(hb::win::ActiveTimers()[0].hwnd, w.hwnd());
    EXPECT_EQ(SetTimer(gone, 1, 100), 0u);
    EXPECT_FALSE(KillTimer(gone, 1));
}

TEST_F(TimerTest, KeepFiringAcrossTheTickWrap) {
    hb::win::SetTickCount(0xFFFFFF00u);
    SetTimer(w.hwnd(), 1, 100);
    AdvanceAndPump(1000);
    std::vector<DWORD> times;
    for (const MSG& msg : w.Messages()) {
        if (msg.message == WM_TIMER) {
            times.push_back(msg.time);
        }
    }
    ASSERT_EQ(times.size(), 10u);
    for (std::size_t i = 1; i < times.size(); ++i) {
        EXPECT_EQ(times[i] - times[i - 1], 100u);
    }
    EXPECT_LT(times.back(), times.front()); // the count wrapped on the way
}

TEST_F(TimerTest, EarliestDueComesFirstAfterPostedMessagesAndQuit) {
    SetTimer(w.hwnd(), 1, 200);
    SetTimer(w.hwnd(), 2, 100);
    hb::win::Advance(300);
    PostQuitMessage(4);
    PostMessage(w.hwnd(), WM_USER, 0, 0);

    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, HWND{}, 0, 0));
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_FALSE(GetMessage(&msg, HWND{}, 0, 0));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 4u);
    ASSERT_TRUE(GetMessage(&msg, HWND{}, 0, 0));
    EXPECT_EQ(msg.wParam, 2u);
    ASSERT_TRUE(GetMessage(&msg, HWND{}, 0, 0));
    EXPECT_EQ(msg.wParam, 1u);
}

int g_procCalls = 0;

void CountTimerProc(HWND, UINT message, UINT_PTR id, DWORD) {
    if (message == WM_TIMER && id == 3) {
        ++g_procCalls;
    }
}

TEST_F(TimerTest, ATimerProcIsCalledInsteadOfTheWindow) {
    g_procCalls = 0;
    SetTimer(w.hwnd(), 3, 100, &CountTimerProc);
    AdvanceAndPump(300);
    EXPECT_EQ(g_procCalls, 3);
    EXPECT_EQ(w.Count(WM_TIMER), 0u);
}

} // namespace
