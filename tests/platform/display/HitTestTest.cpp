#include "platform/display/HitTest.h"

#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

using hb::display::HitTest;
using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

class HitTestTest : public PlatformTest {
protected:
    HWND Child(HWND parent, RECT rect, DWORD style = WS_VISIBLE) {
        return CreateWindowEx(0, TestWindow::kClassName, "", WS_CHILD | style, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent, 0, nullptr);
    }

    TestWindow top{{.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .rect = {50, 50, 350, 250}}};
};

TEST_F(HitTestTest, TheDeepestVisibleChildUnderThePointIsHitAndLaterSiblingsLieOnTop) {
    const HWND panel = Child(top.hwnd(), {10, 10, 210, 110});
    const HWND inner = Child(panel, {20, 20, 80, 60});
    const HWND over = Child(top.hwnd(), {150, 50, 250, 150});
    const HWND hidden = Child(top.hwnd(), {0, 0, 300, 200}, 0);
    (void)hidden;

    EXPECT_EQ(HitTest(top.hwnd(), {5, 5}), top.hwnd());
    EXPECT_EQ(HitTest(top.hwnd(), {30, 30}), inner);
    EXPECT_EQ(HitTest(top.hwnd(), {89, 69}), inner); // the inner window's last pixel
    EXPECT_EQ(HitTest(top.hwnd(), {90, 70}), panel);
    EXPECT_EQ(HitTest(top.hwnd(), {160, 60}), over);
    EXPECT_EQ(HitTest(top.hwnd(), {260, 160}), top.hwnd());
}

TEST_F(HitTestTest, DisabledWindowsAreHitButGroupBoxesLetThePointThrough) {
    const HWND field = Child(top.hwnd(), {20, 20, 120, 40});
    const HWND group = CreateWindowEx(0, "Button", "Squelch", WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                                      10, 10, 200, 100, top.hwnd(), 1, nullptr);
    const HWND off = Child(top.hwnd(), {20, 60, 120, 80}, WS_VISIBLE | WS_DISABLED);
    ASSERT_TRUE(group);

    EXPECT_EQ(HitTest(top.hwnd(), {30, 30}), field);
    EXPECT_EQ(HitTest(top.hwnd(), {15, 90}), top.hwnd());
    EXPECT_EQ(HitTest(top.hwnd(), {30, 70}), off);
}

TEST_F(HitTestTest, AnOpenDropDownListTakesThePointOverLaterSiblings) {
    const HWND combo = CreateWindowEx(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                                      10, 10, 150, 120, top.hwnd(), 1, nullptr);
    for (LPCSTR step : {"5 kHz", "12.5 kHz", "25 kHz"}) {
        SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(step));
    }
    const HWND below = Child(top.hwnd(), {10, 40, 150, 60});

    EXPECT_EQ(HitTest(top.hwnd(), {20, 50}), below);
    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_EQ(HitTest(top.hwnd(), {20, 50}), combo);
}

} // namespace
