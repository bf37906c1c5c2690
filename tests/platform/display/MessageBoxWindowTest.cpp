// The message box window without a display: the test clicks and types through posted messages
// at a set time on the manual clock, while the box's loop runs.
#include "platform/display/MessageBoxWindow.h"

#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <functional>
#include <string>
#include <vector>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

class MessageBoxWindowTest : public PlatformTest {
protected:
    // The box on the screen: the top-level window owned by the frame.
    static HWND Box() {
        for (HWND hwnd : hb::win::TopLevelWindows()) {
            if (IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER)) {
                return hwnd;
            }
        }
        return {};
    }

    static HWND ButtonLabelled(HWND box, const std::string& label) {
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            char text[32] = {};
            GetWindowText(c, text, sizeof text);
            if (label == text) {
                return c;
            }
        }
        return {};
    }

    // What the user does once the box is up.
    static void Then(std::function<void(HWND box)> act) {
        hb::win::ScheduleAfter(
            10, [act = std::move(act)] { act(Box()); }, "user");
    }

    static void Click(HWND button) {
        PostMessage(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessage(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }

    int Show(UINT type) {
        return hb::display::ShowMessageBox({frame.hwnd(), "Delete the bank?", "Banks", type});
    }

    TestWindow frame{{.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .rect = {0, 0, 600, 400}}};
};

TEST_F(MessageBoxWindowTest, AButtonClickedAnswersAndTheOwnerIsOutOfReachMeanwhile) {
    bool ownerEnabled = true;
    std::vector<std::string> labels;
    Then([&](HWND box) {
        ASSERT_TRUE(box);
        ownerEnabled = IsWindowEnabled(frame.hwnd()) != FALSE;
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            char text[32] = {};
            GetWindowText(c, text, sizeof text);
            labels.push_back(text);
        }
        Click(ButtonLabelled(box, "&No"));
    });

    EXPECT_EQ(Show(MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(labels, (std::vector<std::string>{"Delete the bank?", "&Yes", "&No", "Cancel"}));
    EXPECT_TRUE(IsWindowEnabled(frame.hwnd()));
    EXPECT_FALSE(Box());
}

TEST_F(MessageBoxWindowTest, TheFocusGoesBackWhereItWasBeforeTheBox) {
    const HWND edit = CreateWindowEx(0, "Edit", "Police", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10,
                                     10, 200, 24, frame.hwnd(), 100, nullptr);
    SetFocus(edit);
    HWND focusMeanwhile{};
    Then([&](HWND box) {
        focusMeanwhile = GetFocus();
        Click(ButtonLabelled(box, "OK"));
    });
    EXPECT_EQ(Show(MB_OK), IDOK);
    EXPECT_NE(focusMeanwhile, edit);
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(MessageBoxWindowTest, ReturnClicksTheFocusedButtonStartingWithTheDefaultOne) {
    Then([](HWND box) {
        EXPECT_EQ(GetFocus(), ButtonLabelled(box, "&No"));
        PostMessage(GetFocus(), WM_KEYDOWN, VK_TAB, 0); // wraps round to Yes
        PostMessage(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(Show(MB_YESNO | MB_DEFBUTTON2), IDYES);
}

TEST_F(MessageBoxWindowTest, ClosingAnswersCancelOrOkAndIsRefusedWithoutEither) {
    Then([](HWND box) { PostMessage(box, WM_CLOSE, 0, 0); });
    EXPECT_EQ(Show(MB_OKCANCEL), IDCANCEL);

    Then([](HWND) { PostMessage(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); });
    EXPECT_EQ(Show(MB_OK), IDOK);

    // Yes or No must be chosen: Escape and the close button change nothing.
    Then([](HWND box) {
        PostMessage(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessage(box, WM_CLOSE, 0, 0);
        hb::win::ScheduleAfter(
            10, [box] { Click(ButtonLabelled(box, "&Yes")); }, "user");
    });
    EXPECT_EQ(Show(MB_YESNO), IDYES);
}

} // namespace
