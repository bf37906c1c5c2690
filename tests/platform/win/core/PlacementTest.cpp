// Where dialogs and message boxes open: over their owner, clear of its menu bar when they fit.
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <utility>

using hb::testkit::TestWindow;

namespace {

using Pair = std::pair<LONG, LONG>;

class PlacementTest : public hb::testkit::PlatformTest {
protected:
    static Pair At(HWND owner, SIZE size) {
        const POINT pt = hb::win::CentredOver(owner, size);
        return {pt.x, pt.y};
    }
    static HWND Owner(TestWindow& window, RECT rect) {
        return window.Create({.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .rect = rect});
    }
};

TEST_F(PlacementTest, ADialogGoesOverTheMiddleOfItsOwnerOrOfTheScreen) {
    TestWindow owner;
    Owner(owner, {100, 300, 900, 900});
    TestWindow control{
        {.style = WS_CHILD | WS_VISIBLE, .parent = owner.hwnd(), .rect = {0, 0, 50, 20}}};
    EXPECT_EQ(At(owner.hwnd(), {200, 100}), Pair(400, 550));
    // A control stands for its top-level window.
    EXPECT_EQ(At(control.hwnd(), {200, 100}), Pair(400, 550));
    EXPECT_EQ(At(HWND{}, {200, 100}), Pair(860, 490));
}

TEST_F(PlacementTest, ADialogTallerThanItsOwnerStaysBelowTheOwnersMenuBarWhenItFits) {
    TestWindow owner;
    Owner(owner, {0, 30, 800, 130});
    const LONG belowMenu = 30 + GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(At(owner.hwnd(), {200, 300}), Pair(300, belowMenu));

    // Near the bottom of the screen there is no room below: it moves up just enough to be whole.
    TestWindow low;
    Owner(low, {0, 900, 400, 1000});
    EXPECT_EQ(At(low.hwnd(), {200, 400}), Pair(100, 680));
}

TEST_F(PlacementTest, ADialogStaysWholeOnTheScreenTheWindowsAreShownOn) {
    // A display smaller than the classic screen: a dialog without an owner is centred on it.
    hb::win::SetScreenSize(1024, 768);
    EXPECT_EQ(At(HWND{}, {200, 100}), Pair(412, 334));
    // Over an owner near the right edge it moves left rather than leave the screen.
    TestWindow owner;
    Owner(owner, {824, 100, 1024, 300});
    EXPECT_EQ(At(owner.hwnd(), {400, 100}), Pair(624, 150));
}

TEST_F(PlacementTest, ADialogNeverStartsOffTheScreensTopLeftCorner) {
    TestWindow owner;
    Owner(owner, {0, 0, 100, 60});
    const auto [x, y] = At(owner.hwnd(), {600, 2000});
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

} // namespace
