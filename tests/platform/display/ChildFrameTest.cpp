// The frames of MDI children on the screen: drawn in the active and inactive colours, found under
// the mouse, dragged, sized, and their buttons (and the ones a maximized child gives the menu bar)
// sending their system commands.
#include "platform/display/DoubleClick.h"
#include "platform/display/FrameTracker.h"
#include "platform/display/HitTest.h"
#include "platform/display/MenuBar.h"
#include "platform/display/Renderer.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/win/core/Clock.h"
#include "platform/win/gdi/FrameControls.h"

#include <cairo.h>

#include <array>
#include <memory>
#include <vector>

using hb::display::ClickSeries;
using hb::display::FrameTracker;
using hb::testkit::TestWindow;
using hb::testkit::TestWindowOptions;

namespace {

std::array<LONG, 4> Corners(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

POINT Middle(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class ChildFrameTest : public hb::testkit::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        client = CreateWindowEx(0, MDICLIENT_CLASS, "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300,
                                top.hwnd(), 1, nullptr);
        ASSERT_TRUE(client);
        for (const RECT& rect : {RECT{10, 10, 210, 160}, RECT{150, 100, 350, 250}}) {
            children.push_back(std::make_unique<TestWindow>(
                TestWindowOptions{.style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                  .exStyle = WS_EX_MDICHILD,
                                  .parent = client,
                                  .rect = rect,
                                  .text = "Group"}));
            SendMessage(client, WM_MDIACTIVATE,
                        static_cast<WPARAM>(hb::win::ParamFromHwnd(children.back()->hwnd())), 0);
        }
    }

    HWND Child(int i) const { return children[static_cast<std::size_t>(i)]->hwnd(); }
    HWND Active() const {
        return hb::win::HwndFromParam(
            static_cast<std::uintptr_t>(SendMessage(client, WM_MDIGETACTIVE, 0, 0)));
    }
    // A point of a child's frame part, on the screen.
    static POINT OnScreen(HWND hwnd, POINT window) {
        RECT rect;
        GetWindowRect(hwnd, &rect);
        return {rect.left + window.x, rect.top + window.y};
    }
    static POINT ButtonOf(HWND hwnd, RECT hb::win::FrameLayout::*part) {
        return OnScreen(hwnd, Middle(hb::win::LayOutFrame(hwnd).*part));
    }
    // The window's rectangle in the MDI client.
    RECT Placed(HWND hwnd) const {
        RECT rect;
        GetWindowRect(hwnd, &rect);
        MapWindowPoints(HWND{}, client, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    std::size_t SysCommands(int i, WPARAM command) const {
        std::size_t count = 0;
        for (const MSG& m : children[static_cast<std::size_t>(i)]->Messages()) {
            count += m.message == WM_SYSCOMMAND && m.wParam == command ? 1 : 0;
        }
        return count;
    }

    TestWindow top{{.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .rect = {0, 0, 400, 300}}};
    HWND client;
    std::vector<std::unique_ptr<TestWindow>> children;
    ClickSeries clicks;
    FrameTracker tracker{clicks};
};

TEST_F(ChildFrameTest, TheActiveChildsCaptionShowsTheActiveColourAndTheOtherTheInactiveOne) {
    auto surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, 400, 300), &cairo_surface_destroy);
    cairo_t* cr = cairo_create(surface.get());
    hb::display::RenderTree(cr, top.hwnd(), hb::win::PaintWindowTree(top.hwnd()));
    cairo_destroy(cr);
    cairo_surface_flush(surface.get());
    const auto at = [&](POINT pt) {
        const unsigned char* data = cairo_image_surface_get_data(surface.get());
        const int stride = cairo_image_surface_get_stride(surface.get());
        const auto pixel = *reinterpret_cast<const std::uint32_t*>(data + pt.y * stride + pt.x * 4);
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    };
    // Between the title and the buttons, along the caption's top row.
    const auto captionPoint = [&](HWND hwnd) {
        const hb::win::FrameLayout layout = hb::win::LayOutFrame(hwnd);
        return OnScreen(hwnd, {layout.minimize.left - 3, layout.caption.top + 1});
    };
    EXPECT_EQ(at(captionPoint(Child(1))), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(at(captionPoint(Child(0))), GetSysColor(COLOR_INACTIVECAPTION));
    // The active child lies over the other where they overlap.
    EXPECT_EQ(hb::display::HitTest(top.hwnd(), {160, 140}), Child(1));
}

TEST_F(ChildFrameTest, TheFrameIsFoundUnderTheMouseApartFromTheClientArea) {
    const hb::win::FrameLayout layout = hb::win::LayOutFrame(Child(1));
    const POINT caption = OnScreen(Child(1), {60, Middle(layout.caption).y});
    const auto hit = hb::display::HitTestFrames(top.hwnd(), caption);
    EXPECT_EQ(hit.hwnd, Child(1));
    EXPECT_TRUE(hit.onFrame);
    const auto inside =
        hb::display::HitTestFrames(top.hwnd(), OnScreen(Child(1), Middle(layout.client)));
    EXPECT_EQ(inside.hwnd, Child(1));
    EXPECT_FALSE(inside.onFrame);
}

TEST_F(ChildFrameTest, TheCaptionDragsTheWindowInsideItsParentAndPressingItActivatesIt) {
    const POINT grab = OnScreen(Child(0), {60, 10});
    EXPECT_TRUE(tracker.Press(Child(0), grab));
    EXPECT_EQ(Active(), Child(0));
    tracker.Move({grab.x + 30, grab.y + 20});
    EXPECT_EQ(Corners(Placed(Child(0))), (std::array<LONG, 4>{40, 30, 240, 180}));
    // Far beyond the client area: the grabbed point stops at its edge.
    tracker.Move({grab.x - 500, grab.y - 500});
    EXPECT_EQ(Placed(Child(0)).top, -10);
    tracker.Release({grab.x - 500, grab.y - 500});
    EXPECT_FALSE(tracker.Tracking());
    tracker.Move({grab.x, grab.y});
    EXPECT_EQ(Placed(Child(0)).top, -10) << "moves after the release change nothing";
}

TEST_F(ChildFrameTest, TheBorderSizesTheWindowDownToAMinimum) {
    const POINT corner = OnScreen(Child(1), {199, 149});
    EXPECT_TRUE(tracker.Press(Child(1), corner));
    tracker.Move({corner.x + 20, corner.y + 10});
    EXPECT_EQ(Corners(Placed(Child(1))), (std::array<LONG, 4>{150, 100, 370, 260}));
    tracker.Move({corner.x - 400, corner.y - 400});
    const RECT small = Placed(Child(1));
    const RECT insets = hb::win::FrameInsets(WS_CHILD | WS_OVERLAPPEDWINDOW, WS_EX_MDICHILD);
    EXPECT_GE(small.right - small.left, 100);
    EXPECT_EQ(small.bottom - small.top, insets.top + insets.bottom);
    tracker.Release(corner);
}

TEST_F(ChildFrameTest, AButtonSendsItsCommandOnlyWhenReleasedOverIt) {
    const POINT close = ButtonOf(Child(1), &hb::win::FrameLayout::close);
    EXPECT_TRUE(tracker.Press(Child(1), close));
    tracker.Release({close.x - 60, close.y});
    PumpUntilIdle();
    EXPECT_EQ(SysCommands(1, SC_CLOSE), 0u);

    const POINT minimize = ButtonOf(Child(0), &hb::win::FrameLayout::minimize);
    tracker.Press(Child(0), minimize);
    tracker.Release(minimize);
    PumpUntilIdle();
    EXPECT_TRUE(IsIconic(Child(0)));

    // The minimized caption keeps its close button.
    const POINT closeMinimized = ButtonOf(Child(0), &hb::win::FrameLayout::close);
    tracker.Press(Child(0), closeMinimized);
    tracker.Release(closeMinimized);
    PumpUntilIdle();
    EXPECT_EQ(SysCommands(0, SC_CLOSE), 1u);
    EXPECT_FALSE(IsWindow(Child(0)));

    const POINT maximize = ButtonOf(Child(1), &hb::win::FrameLayout::maximize);
    tracker.Press(Child(1), maximize);
    tracker.Release(maximize);
    PumpUntilIdle();
    EXPECT_TRUE(IsZoomed(Child(1)));
}

TEST_F(ChildFrameTest, ADoubleClickOnTheCaptionMaximizesAndAnotherRestores) {
    const POINT caption = OnScreen(Child(1), {60, 10});
    tracker.Press(Child(1), caption);
    tracker.Release(caption);
    AdvanceAndPump(200);
    EXPECT_FALSE(tracker.Press(Child(1), caption));
    PumpUntilIdle();
    EXPECT_TRUE(IsZoomed(Child(1)));

    // Two clicks too far apart in time are two single clicks.
    RECT window;
    GetWindowRect(Child(1), &window);
    const POINT stillCaption{window.left + 60, window.top + 10};
    tracker.Press(Child(1), stillCaption);
    tracker.Release(stillCaption);
    AdvanceAndPump(900);
    tracker.Press(Child(1), stillCaption);
    tracker.Release(stillCaption);
    PumpUntilIdle();
    EXPECT_TRUE(IsZoomed(Child(1)));
    AdvanceAndPump(100);
    tracker.Press(Child(1), stillCaption);
    PumpUntilIdle();
    EXPECT_FALSE(IsZoomed(Child(1)));
    EXPECT_EQ(Corners(Placed(Child(1))), (std::array<LONG, 4>{150, 100, 350, 250}));
}

TEST_F(ChildFrameTest, APressElsewhereBetweenTwoClicksMakesNoDoubleClick) {
    // Caption, menu bar, caption: the window stays as it was.
    const POINT caption = OnScreen(Child(1), {60, 10});
    tracker.Press(Child(1), caption);
    tracker.Release(caption);
    clicks.Break();
    AdvanceAndPump(100);
    EXPECT_TRUE(tracker.Press(Child(1), caption)) << "a drag begins";
    tracker.Release(caption);
    PumpUntilIdle();
    EXPECT_FALSE(IsZoomed(Child(1)));

    // A button of a bar, then a double-click on the caption that maximizes the window, then the
    // same button: that last press is a press of its own, no double-click with the first.
    const POINT button{370, 10};
    const auto barPress = [&] {
        const std::int64_t now = hb::win::NowMs();
        const bool again = clicks.Completes(top.hwnd(), WM_LBUTTONDOWN, button, now);
        clicks.Note(top.hwnd(), WM_LBUTTONDOWN, button, now, again);
        return again;
    };
    AdvanceAndPump(600);
    EXPECT_FALSE(barPress());
    tracker.Press(Child(1), caption);
    tracker.Release(caption);
    AdvanceAndPump(50);
    tracker.Press(Child(1), caption);
    PumpUntilIdle();
    EXPECT_TRUE(IsZoomed(Child(1)));
    AdvanceAndPump(50);
    EXPECT_FALSE(barPress());
    AdvanceAndPump(50);
    EXPECT_TRUE(barPress()) << "two presses in a row on the bar still pair";
}

TEST_F(ChildFrameTest, AMaximizedChildsButtonsSitAtTheRightEndOfTheMenuBar) {
    EXPECT_FALSE(hb::display::MaximizedChild(top.hwnd()));
    ShowWindow(Child(1), SW_MAXIMIZE);
    ASSERT_EQ(hb::display::MaximizedChild(top.hwnd()), Child(1));
    const auto buttons =
        hb::win::LayOutMenuBarButtons(static_cast<DWORD>(GetWindowLong(Child(1), GWL_STYLE)),
                                      {0, 0, 400, hb::display::kMenuBarHeight});
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0].command, SC_CLOSE);
    EXPECT_EQ(buttons[1].command, SC_RESTORE);
    EXPECT_EQ(buttons[2].command, SC_MINIMIZE);
    EXPECT_LE(buttons[0].rect.right, 400);

    hb::display::ClickMenuBar(top.hwnd(), {0, -20}, Middle(buttons[1].rect).x);
    PumpUntilIdle();
    EXPECT_FALSE(IsZoomed(Child(1)));
    EXPECT_FALSE(hb::display::MaximizedChild(top.hwnd()));
}

} // namespace
