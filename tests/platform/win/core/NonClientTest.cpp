// Child windows with a caption keep a frame around their client area: the geometry every other
// call sees, the parts under the mouse, and where maximize and minimize put them.
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <array>
#include <utility>

using hb::testkit::TestWindow;
using hb::testkit::TestWindowOptions;

namespace {

using Pair = std::pair<LONG, LONG>;

constexpr DWORD kFramed = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW;

std::array<LONG, 4> Corners(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

class NonClientTest : public hb::testkit::PlatformTest {
protected:
    TestWindow parent{{.style = WS_OVERLAPPED | WS_VISIBLE, .rect = {100, 50, 500, 350}}};
    TestWindow child{{.style = kFramed, .parent = parent.hwnd(), .rect = {10, 20, 210, 170}}};

    RECT Insets() const { return hb::win::FrameInsets(kFramed, 0); }
    LRESULT HitAt(POINT window) const {
        RECT rect;
        GetWindowRect(child.hwnd(), &rect);
        return SendMessage(child.hwnd(), WM_NCHITTEST, 0,
                           MAKELPARAM(rect.left + window.x, rect.top + window.y));
    }
};

TEST_F(NonClientTest, AFramedChildsClientAreaLiesInsideItsBorderAndCaption) {
    const RECT insets = Insets();
    EXPECT_GT(insets.top, insets.left) << "the caption is above the client area";
    RECT client;
    GetClientRect(child.hwnd(), &client);
    EXPECT_EQ(Corners(client), (std::array<LONG, 4>{0, 0, 200 - insets.left - insets.right,
                                                    150 - insets.top - insets.bottom}));
    RECT window;
    GetWindowRect(child.hwnd(), &window);
    EXPECT_EQ(Corners(window), (std::array<LONG, 4>{110, 70, 310, 220}));
    POINT origin{0, 0};
    ClientToScreen(child.hwnd(), &origin);
    EXPECT_EQ(Pair(origin.x, origin.y), Pair(110 + insets.left, 70 + insets.top));

    // The first WM_SIZE and every later one carry the client area's size.
    const MSG* size = nullptr;
    for (const MSG& m : child.Messages()) {
        size = m.message == WM_SIZE ? &m : size;
    }
    ASSERT_TRUE(size);
    EXPECT_EQ(LOWORD(size->lParam), client.right);
    EXPECT_EQ(HIWORD(size->lParam), client.bottom);
    MoveWindow(child.hwnd(), 0, 0, 300, 200, TRUE);
    EXPECT_EQ(LOWORD(child.Messages().back().lParam), 300 - insets.left - insets.right);
}

TEST_F(NonClientTest, WindowsWithoutACaptionAndTopLevelWindowsHaveNoFrame) {
    TestWindow plain{{.style = WS_CHILD | WS_VISIBLE | WS_BORDER,
                      .parent = parent.hwnd(),
                      .rect = {0, 0, 80, 40}}};
    RECT client;
    GetClientRect(plain.hwnd(), &client);
    EXPECT_EQ(Corners(client), (std::array<LONG, 4>{0, 0, 80, 40}));
    GetClientRect(parent.hwnd(), &client);
    EXPECT_EQ(Corners(client), (std::array<LONG, 4>{0, 0, 400, 300}));
    EXPECT_EQ(SendMessage(plain.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(105, 55)), HTCLIENT);
}

TEST_F(NonClientTest, TheMouseFindsTheCaptionItsButtonsTheBordersAndTheClientArea) {
    const hb::win::FrameLayout layout = hb::win::LayOutFrame(child.hwnd());
    const auto middle = [](const RECT& r) {
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    EXPECT_EQ(HitAt(middle(layout.close)), HTCLOSE);
    EXPECT_EQ(HitAt(middle(layout.maximize)), HTMAXBUTTON);
    EXPECT_EQ(HitAt(middle(layout.minimize)), HTMINBUTTON);
    EXPECT_EQ(HitAt(middle(layout.icon)), HTSYSMENU);
    EXPECT_EQ(HitAt({100, layout.caption.top + 2}), HTCAPTION);
    EXPECT_EQ(HitAt(middle(layout.client)), HTCLIENT);
    EXPECT_EQ(HitAt({0, 80}), HTLEFT);
    EXPECT_EQ(HitAt({199, 80}), HTRIGHT);
    EXPECT_EQ(HitAt({100, 0}), HTTOP);
    EXPECT_EQ(HitAt({100, 149}), HTBOTTOM);
    EXPECT_EQ(HitAt({0, 0}), HTTOPLEFT);
    EXPECT_EQ(HitAt({199, 149}), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt({5, 149}), HTBOTTOMLEFT);
    EXPECT_EQ(HitAt({199, 3}), HTTOPRIGHT);
    EXPECT_EQ(HitAt({250, 80}), HTNOWHERE);
    // The buttons from right to left: close, maximize, minimize.
    EXPECT_LT(layout.minimize.right, layout.close.left);
    EXPECT_LE(layout.minimize.right, layout.maximize.left);
}

TEST_F(NonClientTest, AToolWindowHasASmallerCaptionWithOnlyItsCloseButton) {
    TestWindow tool{{.style = WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                     .exStyle = WS_EX_TOOLWINDOW,
                     .parent = parent.hwnd(),
                     .rect = {0, 0, 120, 80}}};
    const hb::win::FrameLayout layout = hb::win::LayOutFrame(tool.hwnd());
    EXPECT_TRUE(layout.toolWindow);
    EXPECT_LT(layout.caption.bottom - layout.caption.top, Insets().top - Insets().left);
    EXPECT_FALSE(IsRectEmpty(&layout.close));
    EXPECT_TRUE(IsRectEmpty(&layout.maximize));
    EXPECT_TRUE(IsRectEmpty(&layout.minimize));
    EXPECT_TRUE(IsRectEmpty(&layout.icon));
}

TEST_F(NonClientTest, AMaximizedChildsClientAreaFillsItsParentAndItsButtonRestores) {
    ShowWindow(child.hwnd(), SW_MAXIMIZE);
    RECT client;
    GetClientRect(child.hwnd(), &client);
    EXPECT_EQ(Corners(client), (std::array<LONG, 4>{0, 0, 400, 300}));
    POINT origin{0, 0};
    ClientToScreen(child.hwnd(), &origin);
    EXPECT_EQ(Pair(origin.x, origin.y), Pair(100, 50));
    EXPECT_EQ(hb::win::ButtonCommand(child.hwnd(), HTMAXBUTTON), SC_RESTORE);
    EXPECT_EQ(hb::win::ButtonCommand(child.hwnd(), HTMINBUTTON), SC_MINIMIZE);
    EXPECT_EQ(hb::win::ButtonCommand(child.hwnd(), HTCLOSE), SC_CLOSE);
    // Nothing sizes a maximized window by its border.
    EXPECT_EQ(HitAt({0, 100}), HTBORDER);

    SendMessage(child.hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
    RECT window;
    GetWindowRect(child.hwnd(), &window);
    EXPECT_EQ(Corners(window), (std::array<LONG, 4>{110, 70, 310, 220}));
    EXPECT_EQ(hb::win::ButtonCommand(child.hwnd(), HTMAXBUTTON), SC_MAXIMIZE);
}

TEST_F(NonClientTest, MinimizedChildrenLineUpAlongTheBottomAsCaptions) {
    TestWindow other{{.style = kFramed, .parent = parent.hwnd(), .rect = {50, 50, 150, 150}}};
    SendMessage(child.hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    SendMessage(other.hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    RECT first;
    RECT second;
    GetWindowRect(child.hwnd(), &first);
    GetWindowRect(other.hwnd(), &second);
    EXPECT_EQ(first.bottom, 350);
    EXPECT_EQ(first.left, 100);
    EXPECT_EQ(second.left, first.right);
    EXPECT_EQ(first.bottom - first.top, Insets().top + Insets().bottom);
    EXPECT_EQ(hb::win::ButtonCommand(child.hwnd(), HTMINBUTTON), SC_RESTORE);

    SendMessage(child.hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
    GetWindowRect(child.hwnd(), &first);
    EXPECT_EQ(Corners(first), (std::array<LONG, 4>{110, 70, 310, 220}));
}

TEST_F(NonClientTest, TheFrontChildIsTheLastOneAfterBringingItToTheTop) {
    TestWindow other{{.style = kFramed, .parent = parent.hwnd(), .rect = {50, 50, 150, 150}}};
    EXPECT_EQ(GetWindow(parent.hwnd(), GW_CHILD), child.hwnd());
    EXPECT_TRUE(BringWindowToTop(child.hwnd()));
    EXPECT_EQ(GetWindow(parent.hwnd(), GW_CHILD), other.hwnd());
    EXPECT_EQ(GetWindow(other.hwnd(), GW_HWNDNEXT), child.hwnd());
}

} // namespace
