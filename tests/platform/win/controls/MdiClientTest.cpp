#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <array>
#include <memory>
#include <utility>
#include <vector>

using hb::testkit::TestWindow;
using hb::win::HwndFromParam;
using hb::win::ParamFromHwnd;

namespace {

class MdiClientTest : public hb::testkit::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        client = CreateWindowEx(0, MDICLIENT_CLASS, "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200,
                                frame.hwnd(), 1, nullptr);
        ASSERT_TRUE(client);
        for (int i = 0; i < 3; ++i) {
            children.push_back(
                std::make_unique<TestWindow>(TestWindowOptions{.style = WS_CHILD | WS_VISIBLE,
                                                               .parent = client,
                                                               .id = 10u + i,
                                                               .rect = {0, 0, 50, 50}}));
        }
    }

    HWND Child(int i) const { return children[static_cast<std::size_t>(i)]->hwnd(); }
    HWND Active() const {
        return HwndFromParam(
            static_cast<std::uintptr_t>(SendMessage(client, WM_MDIGETACTIVE, 0, 0)));
    }
    void Activate(int i) const {
        SendMessage(client, WM_MDIACTIVATE, static_cast<WPARAM>(ParamFromHwnd(Child(i))), 0);
    }
    // The (deactivated, activated) pairs child `i` was told of.
    std::vector<std::pair<HWND, HWND>> Activations(int i) const {
        std::vector<std::pair<HWND, HWND>> seen;
        for (const MSG& m : children[static_cast<std::size_t>(i)]->Messages()) {
            if (m.message == WM_MDIACTIVATE) {
                seen.emplace_back(HwndFromParam(m.wParam),
                                  HwndFromParam(static_cast<std::uintptr_t>(m.lParam)));
            }
        }
        return seen;
    }
    static std::array<LONG, 4> RectOf(HWND hwnd) {
        RECT r;
        GetWindowRect(hwnd, &r);
        return {r.left, r.top, r.right, r.bottom};
    }

    using TestWindowOptions = hb::testkit::TestWindowOptions;
    TestWindow frame{{.style = WS_OVERLAPPED | WS_VISIBLE, .rect = {0, 0, 300, 200}}};
    HWND client;
    std::vector<std::unique_ptr<TestWindow>> children;
};

TEST_F(MdiClientTest, ActivationTellsBothChildrenAndFocusesTheNewOne) {
    EXPECT_EQ(Active(), HWND{});
    Activate(0);
    Activate(1);
    Activate(1);
    EXPECT_EQ(Active(), Child(1));
    EXPECT_EQ(GetFocus(), Child(1));
    using Pair = std::pair<HWND, HWND>;
    EXPECT_EQ(Activations(0), (std::vector<Pair>{{HWND{}, Child(0)}, {Child(0), Child(1)}}));
    EXPECT_EQ(Activations(1), (std::vector<Pair>{{Child(0), Child(1)}}));
    BOOL maximized = TRUE;
    SendMessage(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    EXPECT_FALSE(maximized);
}

TEST_F(MdiClientTest, NextCyclesThroughTheChildrenAndDestroyActivatesTheNext) {
    Activate(0);
    Activate(1);
    Activate(2); // order: 2 1 0
    SendMessage(client, WM_MDINEXT, 0, 0);
    EXPECT_EQ(Active(), Child(1)); // order: 1 0 2
    SendMessage(client, WM_MDINEXT, 0, 0);
    EXPECT_EQ(Active(), Child(0)); // order: 0 2 1
    SendMessage(client, WM_MDINEXT, 0, 1);
    EXPECT_EQ(Active(), Child(1)); // order: 1 0 2

    SendMessage(client, WM_MDIDESTROY, static_cast<WPARAM>(ParamFromHwnd(Child(1))), 0);
    EXPECT_FALSE(IsWindow(Child(1)));
    EXPECT_EQ(Active(), Child(0));
    SendMessage(client, WM_MDIDESTROY, static_cast<WPARAM>(ParamFromHwnd(Child(0))), 0);
    EXPECT_EQ(Active(), Child(2));
    // The last child is told that nothing is active any more before it goes.
    SendMessage(client, WM_MDIDESTROY, static_cast<WPARAM>(ParamFromHwnd(Child(2))), 0);
    EXPECT_EQ(Active(), HWND{});
    EXPECT_EQ(Activations(2).back(), std::make_pair(Child(2), HWND{}));

    // A child destroyed directly is simply gone from the order.
    TestWindow extra({.style = WS_CHILD | WS_VISIBLE, .parent = client, .id = 20});
    SendMessage(client, WM_MDIACTIVATE, static_cast<WPARAM>(ParamFromHwnd(extra.hwnd())), 0);
    DestroyWindow(extra.hwnd());
    EXPECT_EQ(Active(), HWND{});
}

TEST_F(MdiClientTest, TileAndCascadeShareTheClientAreaActiveFirst) {
    Activate(2);
    Activate(0); // order: 0 2 1
    EXPECT_TRUE(SendMessage(client, WM_MDITILE, MDITILE_HORIZONTAL, 0));
    EXPECT_EQ(RectOf(Child(0)), (std::array<LONG, 4>{0, 0, 300, 66}));
    EXPECT_EQ(RectOf(Child(2)), (std::array<LONG, 4>{0, 66, 300, 132}));
    EXPECT_EQ(RectOf(Child(1)), (std::array<LONG, 4>{0, 132, 300, 200}));

    ShowWindow(Child(1), SW_MINIMIZE);
    EXPECT_TRUE(SendMessage(client, WM_MDITILE, MDITILE_VERTICAL, 0));
    EXPECT_EQ(RectOf(Child(0)), (std::array<LONG, 4>{0, 0, 150, 200}));
    EXPECT_EQ(RectOf(Child(2)), (std::array<LONG, 4>{150, 0, 300, 200}));

    SendMessage(client, WM_MDIMAXIMIZE, static_cast<WPARAM>(ParamFromHwnd(Child(2))), 0);
    EXPECT_TRUE(IsZoomed(Child(2)));
    EXPECT_TRUE(SendMessage(client, WM_MDICASCADE, 0, 0));
    EXPECT_FALSE(IsZoomed(Child(2)));
    EXPECT_EQ(RectOf(Child(2)), (std::array<LONG, 4>{0, 0, 276, 176}));
    EXPECT_EQ(RectOf(Child(0)), (std::array<LONG, 4>{24, 24, 300, 200}));
}

TEST_F(MdiClientTest, AMaximizedChildFollowsTheClientSize) {
    SendMessage(client, WM_MDIMAXIMIZE, static_cast<WPARAM>(ParamFromHwnd(Child(1))), 0);
    MoveWindow(client, 0, 0, 250, 120, TRUE);
    EXPECT_EQ(RectOf(Child(1)), (std::array<LONG, 4>{0, 0, 250, 120}));
    SendMessage(client, WM_MDIRESTORE, static_cast<WPARAM>(ParamFromHwnd(Child(1))), 0);
    EXPECT_EQ(RectOf(Child(1)), (std::array<LONG, 4>{0, 0, 50, 50}));
}

} // namespace
