#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <optional>
#include <thread>
#include <vector>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

class MessageTest : public PlatformTest {
protected:
    TestWindow a{{.text = "A"}};
    TestWindow b{{.text = "B"}};
};

TEST_F(MessageTest, SendIsSynchronousAndReentrant) {
    a.On(WM_USER, [&](WPARAM, LPARAM) {
        const LRESULT self = SendMessage(a.hwnd(), WM_USER + 1, 0, 0);
        const LRESULT other = SendMessage(b.hwnd(), WM_USER + 2, 0, 0);
        return self + other;
    });
    a.On(WM_USER + 1, [](WPARAM, LPARAM) { return LRESULT{10}; });
    a.On(WM_USER + 3, [](WPARAM, LPARAM) { return LRESULT{1}; });
    b.On(WM_USER + 2,
         [&](WPARAM, LPARAM) { return 100 + SendMessage(a.hwnd(), WM_USER + 3, 0, 0); });
    a.ClearMessages();

    EXPECT_EQ(SendMessage(a.hwnd(), WM_USER, 0, 0), 111);
    EXPECT_EQ(a.MessageIds(), (std::vector<UINT>{WM_USER, WM_USER + 1, WM_USER + 3}));
    EXPECT_EQ(PumpUntilIdle(), 0u);
}

TEST_F(MessageTest, SendToANonWindowRunsNothing) {
    const HWND gone = b.hwnd();
    DestroyWindow(gone);
    b.ClearMessages();
    EXPECT_EQ(SendMessage(gone, WM_USER, 0, 0), 0);
    EXPECT_EQ(SendMessage(HWND{}, WM_USER, 0, 0), 0);
    EXPECT_TRUE(b.Messages().empty());
}

TEST_F(MessageTest, PostsToAWindowDestroyedBeforeDispatchAreDropped) {
    b.On(WM_DESTROY, [&](WPARAM, LPARAM) {
        EXPECT_TRUE(PostMessage(b.hwnd(), WM_USER + 1, 0, 0)); // still a window here
        return LRESULT{0};
    });
    PostMessage(a.hwnd(), WM_USER, 1, 0);
    PostMessage(b.hwnd(), WM_USER, 2, 0);
    PostMessage(a.hwnd(), WM_USER, 3, 0);
    const HWND gone = b.hwnd();
    DestroyWindow(gone);

    EXPECT_EQ(PumpUntilIdle(), 2u);
    EXPECT_EQ(b.Count(WM_USER) + b.Count(WM_USER + 1), 0u);
    EXPECT_FALSE(PostMessage(gone, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(MessageTest, QuitComesAfterThePostsAlreadyQueued) {
    PostMessage(a.hwnd(), WM_USER, 0, 0);
    PostQuitMessage(3);
    PostMessage(a.hwnd(), WM_USER + 1, 0, 0);
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, HWND{}, 0, 0));
    EXPECT_EQ(msg.message, WM_USER);
    ASSERT_TRUE(GetMessage(&msg, HWND{}, 0, 0));
    EXPECT_EQ(msg.message, WM_USER + 1);
    EXPECT_FALSE(GetMessage(&msg, HWND{}, 0, 0));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessageTest, PeekCanLeaveAMessageAndFilterByWindowAndRange) {
    PostMessage(a.hwnd(), WM_USER, 0, 0);
    PostMessage(b.hwnd(), WM_COMMAND, 0, 0);
    PostThreadMessage(GetCurrentThreadId(), WM_APP, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, b.hwnd(), 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_COMMAND);
    ASSERT_TRUE(PeekMessage(&msg, HWND{}, WM_APP, WM_APP, PM_REMOVE));
    EXPECT_FALSE(msg.hwnd);
    EXPECT_FALSE(PeekMessage(&msg, HWND{}, WM_APP, WM_APP, PM_REMOVE));
    EXPECT_EQ(PumpUntilIdle(), 2u);
}

TEST_F(MessageTest, KeyDownOfACharacterKeyIsFollowedByItsChar) {
    PostMessage(a.hwnd(), WM_KEYDOWN, 'A', 0);
    PostMessage(a.hwnd(), WM_USER, 0, 0);
    PostMessage(a.hwnd(), WM_KEYDOWN, VK_F1, 0);
    a.ClearMessages();
    PumpUntilIdle();
    EXPECT_EQ(a.MessageIds(), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_USER, WM_KEYDOWN}));
    EXPECT_EQ(a.Messages()[1].wParam, static_cast<WPARAM>('a'));
}

TEST_F(MessageTest, AKeyboardLayoutTypesForKeysWithAScanCodeOnly) {
    hb::win::SetKeyboardLayout([](UINT vk, UINT scanCode) -> std::optional<char> {
        if (vk == 'A' && scanCode == 38) {
            return GetKeyState(VK_SHIFT) & 0x8000 ? 'A' : 'a';
        }
        return std::nullopt;
    });
    hb::win::SetKeyDown(VK_SHIFT, true);
    PostMessage(a.hwnd(), WM_KEYDOWN, 'A', 1 | (38 << 16));
    PostMessage(a.hwnd(), WM_KEYDOWN, '1', 1 | (10 << 16)); // the layout types nothing for it
    PostMessage(a.hwnd(), WM_KEYDOWN, 'B', 1);              // made by the program: the default
    a.ClearMessages();
    PumpUntilIdle();

    EXPECT_EQ(a.MessageIds(),
              (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYDOWN, WM_KEYDOWN, WM_CHAR}));
    EXPECT_EQ(a.Messages()[1].wParam, static_cast<WPARAM>('A'));
    EXPECT_EQ(a.Messages()[4].wParam, static_cast<WPARAM>('b'));
}

TEST_F(MessageTest, PostsFromOtherThreadsKeepEachThreadsOrder) {
    constexpr WPARAM kPerThread = 20'000;
    const HWND target = a.hwnd();
    const auto poster = [target](WPARAM thread) {
        for (WPARAM i = 0; i < kPerThread; ++i) {
            PostMessage(target, WM_USER, thread, static_cast<LPARAM>(i));
        }
    };
    std::thread first(poster, 0);
    std::thread second(poster, 1);
    first.join();
    second.join();
    a.ClearMessages();

    EXPECT_EQ(PumpUntilIdle(), 2 * kPerThread);
    LPARAM next[2] = {0, 0};
    for (const MSG& msg : a.Messages()) {
        EXPECT_EQ(msg.lParam, next[msg.wParam]++);
    }
}

TEST_F(MessageTest, TraceRecordsSentAndPostedMessagesBeyondTheWindowsEnd) {
    const HWND hwnd = b.hwnd();
    hb::win::TraceMessages(hwnd, true);
    SendMessage(hwnd, WM_USER, 1, 2);
    PostMessage(hwnd, WM_USER + 1, 3, 4);
    PumpUntilIdle();
    DestroyWindow(hwnd);

    const auto trace = hb::win::MessageTrace(hwnd);
    ASSERT_EQ(trace.size(), 4u);
    EXPECT_EQ(trace[0].message, WM_USER);
    EXPECT_FALSE(trace[0].posted);
    EXPECT_EQ(trace[1].message, WM_USER + 1);
    EXPECT_EQ(trace[1].lParam, 4);
    EXPECT_TRUE(trace[1].posted);
    EXPECT_EQ(trace[2].message, WM_DESTROY);
    EXPECT_EQ(trace[3].message, WM_NCDESTROY);
    EXPECT_TRUE(hb::win::MessageTrace(a.hwnd()).empty());
}

TEST_F(MessageTest, OnTheRealClockGetMessageWaitsForAPostFromAnotherThread) {
    hb::win::UseRealClock();
    const HWND target = a.hwnd();
    std::thread poster([target] { PostMessage(target, WM_USER, 5, 0); });
    MSG msg;
    EXPECT_TRUE(GetMessage(&msg, HWND{}, 0, 0));
    poster.join();
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_EQ(msg.wParam, 5u);
}

TEST_F(MessageTest, GetMessageForANonWindowFailsInsteadOfWaiting) {
    const HWND gone = b.hwnd();
    DestroyWindow(gone);
    MSG msg;
    EXPECT_EQ(GetMessage(&msg, gone, 0, 0), -1);
}

class NestedLoopTest : public MessageTest {};

TEST_F(NestedLoopTest, TimersKeepFiringInsideIt) {
    SetTimer(a.hwnd(), 1, 1000);
    std::optional<int> result = 99;
    b.On(WM_USER, [&](WPARAM, LPARAM) {
        result = hb::win::RunNestedLoop([&] { return a.Count(WM_TIMER) < 3; });
        return LRESULT{0};
    });
    const std::int64_t start = hb::win::NowMs();
    PostMessage(b.hwnd(), WM_USER, 0, 0);
    PumpUntilIdle();
    EXPECT_EQ(result, std::nullopt);
    EXPECT_EQ(a.Count(WM_TIMER), 3u);
    EXPECT_EQ(hb::win::NowMs() - start, 3000);
}

TEST_F(NestedLoopTest, PostsQuitAgainForTheLoopsOutside) {
    std::optional<int> inner;
    a.On(WM_USER, [&](WPARAM, LPARAM) {
        inner = hb::win::RunNestedLoop([] { return true; });
        return LRESULT{0};
    });
    b.On(WM_USER, [](WPARAM, LPARAM) {
        PostQuitMessage(7);
        return LRESULT{0};
    });
    PostMessage(a.hwnd(), WM_USER, 0, 0);
    PostMessage(b.hwnd(), WM_USER, 0, 0);

    const std::optional<int> outer = hb::win::RunNestedLoop([] { return true; });
    EXPECT_EQ(inner, 7);
    EXPECT_EQ(outer, 7);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, HWND{}, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
}

TEST_F(NestedLoopTest, PreTranslateCanConsumeMessages) {
    PostMessage(a.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessage(a.hwnd(), WM_USER, 0, 0);
    a.ClearMessages();
    bool done = false;
    a.On(WM_USER, [&](WPARAM, LPARAM) {
        done = true;
        return LRESULT{0};
    });
    hb::win::RunNestedLoop([&] { return !done; },
                           [](const MSG& msg) { return msg.message == WM_KEYDOWN; });
    EXPECT_EQ(a.MessageIds(), std::vector<UINT>{WM_USER});
}

TEST_F(NestedLoopTest, AnEmptyQueueIsADeadlockThatUnwindsEveryLoop) {
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& m) { failures.push_back(m); });
    TestWindow child({.style = WS_CHILD | WS_VISIBLE, .parent = a.hwnd(), .id = 42, .text = "Ok"});

    EXPECT_EQ(hb::win::RunNestedLoop([] { return true; }), 0);

    ASSERT_EQ(failures.size(), 1u);
    const std::string& report = failures[0];
    EXPECT_NE(report.find("deadlock"), std::string::npos);
    EXPECT_NE(report.find("class \"HbTestWindow\" id 42 text \"Ok\""), std::string::npos) << report;
    EXPECT_NE(report.find("text \"A\""), std::string::npos);
    MSG msg;
    EXPECT_FALSE(GetMessage(&msg, HWND{}, 0, 0)); // the re-posted quit
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(failures.size(), 1u);
}

TEST_F(NestedLoopTest, AClockRunningAwayFromTheTestIsADeadlock) {
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& m) { failures.push_back(m); });
    hb::win::SetAutoAdvanceLimit(10'000);
    SetTimer(a.hwnd(), 5, 1000);
    hb::win::ScheduleAfter(
        60'000, [] {}, "engine poll");

    MSG msg;
    int timers = 0;
    while (GetMessage(&msg, HWND{}, 0, 0)) {
        ++timers;
    }
    EXPECT_EQ(timers, 10);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("id 5 every 1000 ms"), std::string::npos) << failures[0];
    EXPECT_NE(failures[0].find("\"engine poll\""), std::string::npos);
}

} // namespace
