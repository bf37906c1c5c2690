#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <string>
#include <vector>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;
using hb::win::HwndFromParam;

namespace {

class WindowStateTest : public PlatformTest {
protected:
    TestWindow top{{.style = WS_VISIBLE, .rect = {100, 50, 500, 350}}};
    TestWindow a{
        {.style = WS_CHILD | WS_VISIBLE, .parent = top.hwnd(), .id = 1, .rect = {10, 20, 110, 70}}};
    TestWindow b{{.style = WS_CHILD | WS_VISIBLE, .parent = top.hwnd(), .id = 2}};
};

TEST_F(WindowStateTest, FocusMovesWithKillFocusBeforeSetFocus) {
    std::vector<std::string> log;
    a.On(WM_KILLFOCUS, [&](WPARAM wParam, LPARAM) {
        log.push_back(HwndFromParam(wParam) == b.hwnd() ? "a lost to b" : "a lost");
        return LRESULT{0};
    });
    b.On(WM_SETFOCUS, [&](WPARAM wParam, LPARAM) {
        log.push_back(HwndFromParam(wParam) == a.hwnd() ? "b got from a" : "b got");
        EXPECT_EQ(GetFocus(), b.hwnd());
        return LRESULT{0};
    });
    SetFocus(a.hwnd());
    EXPECT_EQ(GetActiveWindow(), top.hwnd()); // focusing a child activates its top-level window

    EXPECT_EQ(SetFocus(b.hwnd()), a.hwnd());
    EXPECT_EQ(log, (std::vector<std::string>{"a lost to b", "b got from a"}));
    b.ClearMessages();
    SetFocus(b.hwnd());
    EXPECT_EQ(b.Count(WM_SETFOCUS), 0u);
    EXPECT_EQ(SetFocus(HWND{}), b.hwnd());
    EXPECT_EQ(b.Count(WM_KILLFOCUS), 1u);
}

TEST_F(WindowStateTest, ActivationTellsBothWindows) {
    TestWindow second({.style = WS_VISIBLE});
    SetActiveWindow(top.hwnd());
    top.ClearMessages();
    EXPECT_EQ(SetActiveWindow(second.hwnd()), top.hwnd());
    ASSERT_EQ(top.Count(WM_ACTIVATE), 1u);
    EXPECT_EQ(LOWORD(top.Messages().back().wParam), WA_INACTIVE);
    EXPECT_EQ(HwndFromParam(static_cast<std::uintptr_t>(top.Messages().back().lParam)),
              second.hwnd());
    ASSERT_EQ(second.Count(WM_ACTIVATE), 1u);
    EXPECT_EQ(GetActiveWindow(), second.hwnd());
    DestroyWindow(second.hwnd());
    EXPECT_FALSE(GetActiveWindow());
}

// Showing, hiding, moving or re-parenting a child makes nothing dirty, but its top-level window
// hears, once, that its tree is laid out anew.
TEST_F(WindowStateTest, ATreeLaidOutAnewIsReportedOnceToItsTopLevelWindow) {
    hb::win::TakeRearranged(top.hwnd());
    EXPECT_FALSE(hb::win::TakeRearranged(top.hwnd()));

    ShowWindow(a.hwnd(), SW_HIDE);
    EXPECT_FALSE(GetUpdateRect(top.hwnd(), nullptr, FALSE));
    EXPECT_TRUE(hb::win::TakeRearranged(top.hwnd()));
    EXPECT_FALSE(hb::win::TakeRearranged(top.hwnd()));

    ShowWindow(a.hwnd(), SW_HIDE);
    MoveWindow(b.hwnd(), 5, 5, 100, 100, TRUE);
    MoveWindow(b.hwnd(), 5, 5, 100, 100, TRUE);
    EXPECT_TRUE(hb::win::TakeRearranged(top.hwnd()));
    MoveWindow(b.hwnd(), 5, 5, 100, 100, TRUE);
    EXPECT_FALSE(hb::win::TakeRearranged(top.hwnd())) << "nothing moved";

    TestWindow inner({.style = WS_CHILD | WS_VISIBLE, .parent = b.hwnd(), .id = 3});
    hb::win::TakeRearranged(top.hwnd());
    SetParent(inner.hwnd(), a.hwnd());
    EXPECT_TRUE(hb::win::TakeRearranged(top.hwnd()));
}

TEST_F(WindowStateTest, ShowWindowReportsThePreviousStateAndSendsOnlyChanges) {
    top.ClearMessages();
    EXPECT_TRUE(ShowWindow(top.hwnd(), SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(a.hwnd())); // hidden with its parent
    EXPECT_FALSE(ShowWindow(top.hwnd(), SW_HIDE));
    EXPECT_EQ(top.Count(WM_SHOWWINDOW), 1u);
    EXPECT_FALSE(ShowWindow(top.hwnd(), SW_SHOWNOACTIVATE));
    EXPECT_TRUE(IsWindowVisible(a.hwnd()));
    EXPECT_FALSE(GetActiveWindow());
    EXPECT_TRUE(ShowWindow(top.hwnd(), SW_SHOW));
    EXPECT_EQ(GetActiveWindow(), top.hwnd());
}

TEST_F(WindowStateTest, MaximizeFillsTheParentAndRestoreGoesBack) {
    a.ClearMessages();
    ShowWindow(a.hwnd(), SW_SHOWMAXIMIZED);
    RECT r;
    GetClientRect(a.hwnd(), &r);
    EXPECT_EQ(r.right, 400);
    EXPECT_EQ(r.bottom, 300);
    EXPECT_TRUE(IsZoomed(a.hwnd()));
    ASSERT_EQ(a.Count(WM_SIZE), 1u);
    EXPECT_EQ(a.Messages().back().wParam, SIZE_MAXIMIZED);

    ShowWindow(a.hwnd(), SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(a.hwnd()));
    EXPECT_FALSE(IsZoomed(a.hwnd()));
    EXPECT_EQ(a.Messages().back().wParam, SIZE_MINIMIZED);

    ShowWindow(a.hwnd(), SW_RESTORE);
    GetWindowRect(a.hwnd(), &r);
    EXPECT_EQ(r.left, 110);
    EXPECT_EQ(r.top, 70);
    EXPECT_EQ(r.right, 210);
    EXPECT_EQ(a.Messages().back().message, WM_SIZE);
    EXPECT_EQ(a.Messages().back().wParam, SIZE_RESTORED);
    EXPECT_EQ(a.Messages().back().lParam, MAKELPARAM(100, 50));
}

TEST_F(WindowStateTest, EnableWindowReportsWhetherItWasDisabled) {
    SetFocus(a.hwnd());
    a.ClearMessages();
    EXPECT_FALSE(EnableWindow(top.hwnd(), FALSE));
    EXPECT_FALSE(GetFocus()); // taken from the disabled window's child
    EXPECT_TRUE(EnableWindow(top.hwnd(), FALSE));
    EXPECT_FALSE(IsWindowEnabled(top.hwnd()));
    EXPECT_TRUE(EnableWindow(top.hwnd(), TRUE));
    EXPECT_EQ(top.Count(WM_ENABLE), 2u);
    EXPECT_EQ(a.Count(WM_KILLFOCUS), 1u);
}

TEST_F(WindowStateTest, SetWindowPosSendsMoveAndSizeOnlyForWhatChanged) {
    a.ClearMessages();
    SetWindowPos(a.hwnd(), HWND{}, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(a.MessageIds(), std::vector<UINT>{WM_MOVE});
    EXPECT_EQ(a.Messages()[0].lParam, MAKELPARAM(30, 40));
    SetWindowPos(a.hwnd(), HWND{}, 0, 0, 60, 70, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(a.MessageIds(), (std::vector<UINT>{WM_MOVE, WM_SIZE}));
    MoveWindow(a.hwnd(), 30, 40, 60, 70, TRUE);
    EXPECT_EQ(a.Messages().size(), 2u);

    SetWindowPos(top.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(GetWindowLong(top.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(WindowStateTest, ChildCoordinatesAreRelativeToTheParentsClientArea) {
    RECT r;
    GetWindowRect(a.hwnd(), &r);
    EXPECT_EQ(r.left, 110);
    EXPECT_EQ(r.top, 70);
    EXPECT_EQ(r.bottom, 120);
    POINT p{115, 75};
    ScreenToClient(a.hwnd(), &p);
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, 5);
    ClientToScreen(b.hwnd(), &p);
    EXPECT_EQ(p.x, 105);
    POINT q{0, 0};
    MapWindowPoints(a.hwnd(), top.hwnd(), &q, 1);
    EXPECT_EQ(q.x, 10);
    EXPECT_EQ(q.y, 20);
}

TEST_F(WindowStateTest, PaintingHappensOnlyOnDemandForDirtyWindows) {
    top.ClearMessages();
    UpdateWindow(top.hwnd());
    EXPECT_EQ(top.Count(WM_PAINT), 0u);

    const RECT left{0, 0, 10, 10};
    const RECT right{50, 5, 60, 20};
    InvalidateRect(top.hwnd(), &left, TRUE);
    InvalidateRect(top.hwnd(), &right, FALSE);
    RECT dirty;
    EXPECT_TRUE(GetUpdateRect(top.hwnd(), &dirty, TRUE));
    EXPECT_TRUE(EqualRect(&dirty, &(const RECT&)RECT{0, 0, 60, 20}));
    EXPECT_TRUE(GetUpdateRect(top.hwnd(), nullptr, TRUE));
    EXPECT_EQ(top.Count(WM_ERASEBKGND), 1u);
    ValidateRect(top.hwnd(), &left); // only part of it: still dirty
    EXPECT_EQ(PumpUntilIdle(), 0u);  // no painting from the queue
    UpdateWindow(top.hwnd());
    UpdateWindow(top.hwnd()); // the default procedure validated it
    EXPECT_EQ(top.Count(WM_PAINT), 1u);
}

TEST_F(WindowStateTest, RedrawWindowPaintsTheTreeParentFirst) {
    std::vector<HWND> painted;
    for (TestWindow* w : {&top, &a, &b}) {
        w->On(WM_PAINT, [&painted, w](WPARAM, LPARAM) {
            painted.push_back(w->hwnd());
            ValidateRect(w->hwnd(), nullptr);
            return LRESULT{0};
        });
    }
    RedrawWindow(top.hwnd(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(painted, std::vector<HWND>{top.hwnd()});
    painted.clear();
    RedrawWindow(top.hwnd(), nullptr, 0x185);
    EXPECT_EQ(painted, (std::vector<HWND>{top.hwnd(), a.hwnd(), b.hwnd()}));
}

TEST_F(WindowStateTest, CaptureChangeIsToldToTheLoser) {
    EXPECT_FALSE(SetCapture(a.hwnd()));
    EXPECT_EQ(SetCapture(b.hwnd()), a.hwnd());
    EXPECT_EQ(a.Count(WM_CAPTURECHANGED), 1u);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(b.Count(WM_CAPTURECHANGED), 1u);
    EXPECT_FALSE(GetCapture());
}

} // namespace
