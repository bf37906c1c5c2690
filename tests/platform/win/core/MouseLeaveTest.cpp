// TrackMouseEvent: a window that asks hears once when the mouse moves on to another window.
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

class MouseLeaveTest : public PlatformTest {
protected:
    static void Move(HWND over) {
        const MSG msg{over, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {}};
        DispatchMessage(&msg);
        PumpUntilIdle();
    }

    static bool Track(HWND hwnd, DWORD flags = TME_LEAVE) {
        TRACKMOUSEEVENT track;
        track.dwFlags = flags;
        track.hwndTrack = hwnd;
        return TrackMouseEvent(&track) != FALSE;
    }

    TestWindow top{{.style = WS_VISIBLE, .rect = {0, 0, 300, 200}}};
    TestWindow bar{{.style = WS_CHILD | WS_VISIBLE, .parent = top.hwnd(), .rect = {0, 0, 300, 40}}};
    TestWindow pane{
        {.style = WS_CHILD | WS_VISIBLE, .parent = top.hwnd(), .rect = {0, 40, 300, 200}}};
};

TEST_F(MouseLeaveTest, ATrackedWindowHearsOnceThatTheMouseMovedOnToAnother) {
    ASSERT_TRUE(Track(bar.hwnd()));
    Move(bar.hwnd());
    EXPECT_EQ(bar.Count(WM_MOUSELEAVE), 0u);
    Move(pane.hwnd());
    EXPECT_EQ(bar.Count(WM_MOUSELEAVE), 1u);
    Move(top.hwnd());
    EXPECT_EQ(bar.Count(WM_MOUSELEAVE), 1u);
    EXPECT_EQ(pane.Count(WM_MOUSELEAVE), 0u);

    // The mouse going off every window of the program counts too.
    ASSERT_TRUE(Track(pane.hwnd()));
    hb::win::NoteMouseOver({});
    PumpUntilIdle();
    EXPECT_EQ(pane.Count(WM_MOUSELEAVE), 1u);
}

TEST_F(MouseLeaveTest, ACancelledOrDestroyedTrackerHearsNothing) {
    EXPECT_FALSE(Track({}));
    ASSERT_TRUE(Track(bar.hwnd()));
    ASSERT_TRUE(Track(bar.hwnd(), TME_CANCEL | TME_LEAVE));
    Move(pane.hwnd());
    EXPECT_EQ(bar.Count(WM_MOUSELEAVE), 0u);

    ASSERT_TRUE(Track(pane.hwnd()));
    DestroyWindow(pane.hwnd());
    Move(bar.hwnd());
    EXPECT_EQ(pane.Count(WM_MOUSELEAVE), 0u);
}

} // namespace
