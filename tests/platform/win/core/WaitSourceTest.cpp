// The message loop with an input source besides its queue, as a display connection is one.
#include "platform/win/core/WaitSource.h"

#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <fcntl.h>
#include <unistd.h>

#include <functional>
#include <thread>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

// Input arrives as bytes on a pipe; each byte becomes a WM_USER carrying it.
class PipeSource : public hb::win::WaitSource {
public:
    explicit PipeSource(HWND target) : m_target(target) {
        EXPECT_EQ(::pipe2(m_fds, O_NONBLOCK | O_CLOEXEC), 0);
    }
    ~PipeSource() override {
        ::close(m_fds[0]);
        ::close(m_fds[1]);
    }

    void Dispatch() override {
        unsigned char byte = 0;
        while (::read(m_fds[0], &byte, 1) == 1) {
            PostMessage(m_target, WM_USER, byte, 0);
        }
    }
    bool PrepareToWait() override {
        ++prepared;
        return prepare ? prepare() : true;
    }
    int Descriptor() const override { return m_fds[0]; }

    void Send(unsigned char byte) { EXPECT_EQ(::write(m_fds[1], &byte, 1), 1); }

    int prepared = 0;
    std::function<bool()> prepare;

private:
    HWND m_target;
    int m_fds[2] = {-1, -1};
};

class WaitSourceTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        hb::win::SetWaitSource(&source);
    }
    void TearDown() override {
        hb::win::SetWaitSource(nullptr);
        PlatformTest::TearDown();
    }

    static MSG Next() {
        MSG msg{};
        EXPECT_GT(GetMessage(&msg, HWND{}, 0, 0), 0);
        return msg;
    }

    TestWindow window{{.style = WS_OVERLAPPED}};
    PipeSource source{window.hwnd()};
};

TEST_F(WaitSourceTest, InputFromAnotherThreadWakesTheWaitOnTheRealClock) {
    hb::win::UseRealClock();
    std::thread writer([this] { source.Send(7); });
    const MSG msg = Next();
    writer.join();

    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(WaitSourceTest, APostFromAnotherThreadStillWakesTheWait) {
    hb::win::UseRealClock();
    const HWND hwnd = window.hwnd();
    std::thread poster([hwnd] { PostMessage(hwnd, WM_APP, 3, 0); });
    const MSG msg = Next();
    poster.join();

    EXPECT_EQ(msg.message, WM_APP);
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(WaitSourceTest, WhatTheSourceDoesBeforeWaitingIsHandledWithoutBlocking) {
    hb::win::UseRealClock();
    // Preparing posts (as a paint may); then input is already waiting, so the loop must not block.
    source.prepare = [this] {
        if (source.prepared == 1) {
            PostMessage(window.hwnd(), WM_APP, 1, 0);
            return true;
        }
        source.Send(9);
        return false;
    };
    EXPECT_EQ(Next().message, WM_APP);
    const MSG msg = Next();
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_EQ(msg.wParam, 9u);
    EXPECT_EQ(source.prepared, 2);
}

TEST_F(WaitSourceTest, PeekTakesInputInButTheManualClockNeverWaitsOnIt) {
    source.Send(5);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, HWND{}, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);

    SetTimer(window.hwnd(), 1, 100, nullptr);
    EXPECT_EQ(Next().message, WM_TIMER);
    EXPECT_EQ(source.prepared, 0);
}

} // namespace
