// The user's input in the message queue: keys are addressed to the focus as a loop takes them, so
// keys typed in one go after one that moves the focus follow it.
#include "platform/win/core/Input.h"

#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <string>
#include <vector>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

constexpr LPARAM kPressed = 1;
constexpr LPARAM kReleased = 1 | (LPARAM{1} << 30) | (LPARAM{1} << 31);

// The first edit acts as an edit list does on Insert: it opens the box to type the new name in.
WNDPROC g_editProc = nullptr;
HWND g_nameBox;

LRESULT InsertOpensTheNameBox(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_INSERT) {
        SetFocus(g_nameBox);
        return 0;
    }
    return CallWindowProc(g_editProc, hwnd, message, wParam, lParam);
}

class InputTest : public PlatformTest {
protected:
    InputTest() {
        list = CreateWindowEx(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 200, 24,
                              frame.hwnd(), 1, nullptr);
        nameBox = CreateWindowEx(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 40, 200, 24,
                                 frame.hwnd(), 2, nullptr);
        g_nameBox = nameBox;
        g_editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtr(
            list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InsertOpensTheNameBox)));
        SetActiveWindow(frame.hwnd());
        SetFocus(list);
    }

    // A key pressed and released, as the display queues it.
    void Tap(UINT key, HWND from = {}) {
        hb::win::PostKeyInput(from ? from : frame.hwnd(), WM_KEYDOWN, key, kPressed);
        hb::win::PostKeyInput(from ? from : frame.hwnd(), WM_KEYUP, key, kReleased);
    }

    static std::string Text(HWND hwnd) {
        char text[64] = {};
        GetWindowText(hwnd, text, sizeof text);
        return text;
    }

    TestWindow frame{{.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .text = "Frame"}};
    HWND list;
    HWND nameBox;
};

TEST_F(InputTest, KeysTypedInOneGoAfterOneThatMovesTheFocusReachTheNewlyFocusedEdit) {
    Tap(VK_INSERT);
    Tap('A');
    Tap('B');
    PumpUntilIdle();

    EXPECT_EQ(Text(nameBox), "ab");
    EXPECT_EQ(Text(list), "");
    EXPECT_EQ(GetFocus(), nameBox);
}

TEST_F(InputTest, ALoopTakesEachKeyAddressedToTheFocusOfThatMoment) {
    hb::win::PostKeyInput(frame.hwnd(), WM_KEYDOWN, 'A', kPressed);
    hb::win::PostKeyInput(frame.hwnd(), WM_KEYDOWN, 'B', kPressed);

    MSG msg{};
    ASSERT_GT(GetMessage(&msg, HWND{}, 0, 0), 0);
    EXPECT_EQ(msg.hwnd, list);
    EXPECT_EQ(msg.wParam, WPARAM{'A'});

    SetFocus(nameBox);
    // A filter by window sees the key's final window.
    EXPECT_FALSE(PeekMessage(&msg, list, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessage(&msg, nameBox, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, nameBox);
    EXPECT_EQ(msg.message, UINT{WM_KEYDOWN});
    EXPECT_EQ(msg.wParam, WPARAM{'B'});
}

TEST_F(InputTest, WithoutAFocusKeysGoToTheActiveWindowAndAreDroppedWhileItIsDisabled) {
    SetFocus(HWND{});
    Tap('A');
    EXPECT_EQ(PumpUntilIdle(), 3u); // the key down, its character, the key up
    EXPECT_EQ(frame.Count(WM_KEYDOWN), 1u);
    EXPECT_EQ(frame.Count(WM_CHAR), 1u);

    // A modal dialog disables its owner after the keys were typed but before they are taken.
    SetFocus(list);
    Tap('B');
    EnableWindow(frame.hwnd(), FALSE);
    EXPECT_EQ(PumpUntilIdle(), 0u);
    EnableWindow(frame.hwnd(), TRUE);
    EXPECT_EQ(Text(list), "");
}

TEST_F(InputTest, KeysThatCameThroughAWindowClosedMeanwhileGoWhereTheFocusIsThen) {
    TestWindow box({.style = WS_POPUP | WS_VISIBLE, .text = "Box"});
    Tap('C', box.hwnd());
    DestroyWindow(box.hwnd());
    PumpUntilIdle();
    EXPECT_EQ(Text(list), "c");
    EXPECT_EQ(box.Count(WM_KEYDOWN), 0u);
}

TEST_F(InputTest, InputWaitsUntilALoopTakesItAndDiesWithItsWindow) {
    PostMessage(frame.hwnd(), WM_APP, 0, 0);
    EXPECT_FALSE(hb::win::InputWaiting()); // the program's own posts are no input
    EXPECT_TRUE(hb::win::PostMouseInput(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)));
    EXPECT_TRUE(hb::win::InputWaiting());
    MSG msg{};
    ASSERT_TRUE(PeekMessage(&msg, HWND{}, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, list);
    EXPECT_TRUE(hb::win::InputWaiting());
    ASSERT_TRUE(PeekMessage(&msg, HWND{}, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE));
    EXPECT_FALSE(hb::win::InputWaiting());

    hb::win::PostMouseInput(nameBox, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    DestroyWindow(nameBox);
    EXPECT_FALSE(hb::win::InputWaiting());
    EXPECT_FALSE(hb::win::PostMouseInput(nameBox, WM_LBUTTONUP, 0, MAKELPARAM(5, 5)));
    EXPECT_EQ(PumpUntilIdle(), 1u); // WM_APP
}

} // namespace
