// The MDI client's window list in its frame's window menu, the keys that close and cycle its
// children, and what maximizing does while another child is activated.
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <memory>
#include <string>
#include <vector>

using hb::testkit::TestWindow;
using hb::testkit::TestWindowOptions;
using hb::win::HwndFromParam;
using hb::win::ParamFromHwnd;

namespace {

constexpr UINT kFirstChild = 0xFF00;
constexpr UINT kCascade = 0xE132;

class MdiWindowListTest : public hb::testkit::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        windowMenu = CreatePopupMenu();
        AppendMenu(windowMenu, MF_STRING, kCascade, "&Cascade");
        CLIENTCREATESTRUCT ccs{windowMenu, kFirstChild};
        client = CreateWindowEx(0, MDICLIENT_CLASS, "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300,
                                frame.hwnd(), 1, &ccs);
        ASSERT_TRUE(client);
        for (const char* title : {"Alpha", "Beta"}) {
            Open(title);
        }
    }
    void TearDown() override {
        DestroyMenu(windowMenu);
        PlatformTest::TearDown();
    }

    HWND Open(LPCSTR title) {
        children.push_back(std::make_unique<TestWindow>(
            TestWindowOptions{.style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                              .exStyle = WS_EX_MDICHILD,
                              .parent = client,
                              .rect = {0, 0, 200, 150},
                              .text = title}));
        Activate(children.back()->hwnd());
        return children.back()->hwnd();
    }
    HWND Child(int i) const { return children[static_cast<std::size_t>(i)]->hwnd(); }
    void Activate(HWND child) const {
        SendMessage(client, WM_MDIACTIVATE, static_cast<WPARAM>(ParamFromHwnd(child)), 0);
    }
    HWND Active() const {
        return HwndFromParam(
            static_cast<std::uintptr_t>(SendMessage(client, WM_MDIGETACTIVE, 0, 0)));
    }
    // Each item of the window menu: its text, with "*" before it when checked.
    std::vector<std::string> MenuItems() const {
        std::vector<std::string> items;
        for (int i = 0; i < GetMenuItemCount(windowMenu); ++i) {
            const UINT state = GetMenuState(windowMenu, static_cast<UINT>(i), MF_BYPOSITION);
            char text[64] = {};
            GetMenuString(windowMenu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            items.push_back((state & MF_SEPARATOR)
                                ? std::string("-")
                                : ((state & MF_CHECKED) ? "*" : "") + std::string(text));
        }
        return items;
    }
    static void PressWithControl(HWND target, UINT key, bool shift = false) {
        hb::win::SetKeyDown(VK_CONTROL, true);
        hb::win::SetKeyDown(VK_SHIFT, shift);
        MSG msg{target, WM_KEYDOWN, key, 1, 0, {}};
        EXPECT_TRUE(TranslateMDISysAccel(GetParent(target), &msg));
        hb::win::SetKeyDown(VK_CONTROL, false);
        hb::win::SetKeyDown(VK_SHIFT, false);
    }

    TestWindow frame{{.style = WS_OVERLAPPED | WS_VISIBLE, .rect = {0, 0, 400, 300}}};
    HMENU windowMenu;
    HWND client;
    std::vector<std::unique_ptr<TestWindow>> children;
};

TEST_F(MdiWindowListTest, TheWindowMenuListsTheChildrenNumberedWithTheActiveOneChecked) {
    EXPECT_EQ(MenuItems(), (std::vector<std::string>{"&Cascade", "-", "&1 Alpha", "*&2 Beta"}));
    EXPECT_EQ(GetMenuItemID(windowMenu, 2), kFirstChild);
    EXPECT_EQ(GetMenuItemID(windowMenu, 3), kFirstChild + 1);

    Activate(Child(0));
    EXPECT_EQ(MenuItems(), (std::vector<std::string>{"&Cascade", "-", "*&1 Alpha", "&2 Beta"}));

    // A title changed since is shown once the list is refreshed.
    SetWindowText(Child(1), "Gamma");
    SendMessage(client, WM_MDIREFRESHMENU, 0, 0);
    EXPECT_EQ(MenuItems().back(), "&2 Gamma");
}

TEST_F(MdiWindowListTest, ChildrenThatGoLeaveTheListAndTheLastTakesTheSeparatorWithIt) {
    SendMessage(client, WM_MDIDESTROY, static_cast<WPARAM>(ParamFromHwnd(Child(0))), 0);
    EXPECT_EQ(MenuItems(), (std::vector<std::string>{"&Cascade", "-", "*&1 Beta"}));
    SendMessage(client, WM_MDIDESTROY, static_cast<WPARAM>(ParamFromHwnd(Child(1))), 0);
    EXPECT_EQ(MenuItems(), (std::vector<std::string>{"&Cascade"}));
}

TEST_F(MdiWindowListTest, ChoosingAListedWindowActivatesIt) {
    ASSERT_EQ(Active(), Child(1));
    EXPECT_EQ(DefFrameProc(frame.hwnd(), client, WM_COMMAND, kFirstChild, 0), 0);
    EXPECT_EQ(Active(), Child(0));
    // The active child is drawn over the others.
    EXPECT_EQ(GetWindow(Child(1), GW_HWNDNEXT), Child(0));
    // Not a listed window: nothing changes.
    DefFrameProc(frame.hwnd(), client, WM_COMMAND, kFirstChild + 5, 0);
    EXPECT_EQ(Active(), Child(0));
}

TEST_F(MdiWindowListTest, ControlF6CyclesTheChildrenAndControlF4ClosesTheActiveOne) {
    Open("Delta");
    ASSERT_EQ(Active(), Child(2));
    PressWithControl(Child(2), VK_F6);
    EXPECT_EQ(Active(), Child(1));
    PressWithControl(Child(1), VK_F6, true);
    EXPECT_EQ(Active(), Child(2));

    PressWithControl(Child(2), VK_F4);
    EXPECT_FALSE(IsWindow(Child(2)));
    EXPECT_TRUE(IsWindow(Active()));
    EXPECT_EQ(children[2]->Count(WM_CLOSE), 1u);

    // Other keys, or F4 without Control, are left to the accelerators.
    MSG plain{Active(), WM_KEYDOWN, VK_F4, 1, 0, {}};
    EXPECT_FALSE(TranslateMDISysAccel(client, &plain));
}

TEST_F(MdiWindowListTest, AChildActivatedWhileTheActiveOneIsMaximizedTakesItsPlace) {
    ShowWindow(Child(1), SW_MAXIMIZE);
    Activate(Child(0));
    EXPECT_TRUE(IsZoomed(Child(0)));
    EXPECT_FALSE(IsZoomed(Child(1)));
    BOOL maximized = FALSE;
    SendMessage(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    EXPECT_TRUE(maximized);

    // Resizing the client keeps the maximized child's client area filling it.
    MoveWindow(client, 0, 0, 350, 250, TRUE);
    RECT area;
    GetClientRect(Child(0), &area);
    EXPECT_EQ(area.right, 350);
    EXPECT_EQ(area.bottom, 250);
}

} // namespace
