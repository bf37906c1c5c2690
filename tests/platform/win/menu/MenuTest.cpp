#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <string>
#include <vector>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

std::string TextOf(HMENU menu, UINT position, UINT flags) {
    char text[64];
    GetMenuString(menu, position, text, sizeof text, flags);
    return text;
}

class MenuTest : public PlatformTest {
protected:
    // "&File" (Open 1, separator, Exit 2), "&Edit" (Copy 3 grayed, Paste 4 checked).
    void SetUp() override {
        PlatformTest::SetUp();
        bar = CreateMenu();
        file = CreatePopupMenu();
        edit = CreatePopupMenu();
        AppendMenu(file, MF_STRING, 1, "&Open");
        AppendMenu(file, MF_SEPARATOR, 0, nullptr);
        AppendMenu(file, MF_STRING, 2, "E&xit");
        AppendMenu(edit, MF_STRING | MF_GRAYED, 3, "&Copy");
        AppendMenu(edit, MF_STRING | MF_CHECKED, 4, "&Paste");
        AppendMenu(bar, MF_POPUP, file.id(), "&File");
        AppendMenu(bar, MF_POPUP, edit.id(), "&Edit");
    }

    // Failures reported by the platform, instead of failing the test.
    void CaptureFailures() {
        hb::win::SetFailureHandler([this](const std::string& m) { failures.push_back(m); });
    }

    HMENU bar;
    HMENU file;
    HMENU edit;
    std::vector<std::string> failures;
};

TEST_F(MenuTest, ItemsAreFoundByPositionAndByCommandThroughThePopups) {
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(GetSubMenu(bar, 1), edit);
    EXPECT_EQ(GetMenuItemID(bar, 0), 0xFFFFFFFFu);
    EXPECT_EQ(GetMenuItemID(file, 1), 0u);
    EXPECT_EQ(GetMenuItemID(file, 2), 2u);
    EXPECT_EQ(TextOf(bar, 4, MF_BYCOMMAND), "&Paste");
    EXPECT_EQ(TextOf(bar, 1, MF_BYPOSITION), "&Edit");
    EXPECT_EQ(GetMenuState(bar, 3, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(GetMenuState(bar, 1, MF_BYPOSITION), (2u << 8) | MF_POPUP);
    EXPECT_EQ(GetMenuState(bar, 99, MF_BYCOMMAND), 0xFFFFFFFFu);

    char cut[4];
    EXPECT_EQ(GetMenuString(bar, 4, cut, sizeof cut, MF_BYCOMMAND), 3);
    EXPECT_STREQ(cut, "&Pa");
    EXPECT_EQ(GetMenuString(bar, 4, nullptr, 0, MF_BYCOMMAND), 6);
}

TEST_F(MenuTest, StateChangesReturnThePreviousState) {
    EXPECT_EQ(EnableMenuItem(bar, 3, MF_BYCOMMAND | MF_ENABLED), static_cast<BOOL>(MF_GRAYED));
    EXPECT_EQ(EnableMenuItem(edit, 0, MF_BYPOSITION | MF_GRAYED), static_cast<BOOL>(MF_ENABLED));
    EXPECT_EQ(CheckMenuItem(bar, 4, MF_BYCOMMAND | MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(GetMenuState(bar, 4, MF_BYCOMMAND), MF_STRING);
    EXPECT_EQ(EnableMenuItem(bar, 99, MF_BYCOMMAND), -1);

    EXPECT_TRUE(ModifyMenu(bar, 1, MF_BYCOMMAND | MF_STRING, 5, "&Recent"));
    EXPECT_EQ(TextOf(file, 0, MF_BYPOSITION), "&Recent");
    EXPECT_TRUE(InsertMenu(file, 2, MF_BYCOMMAND | MF_STRING, 6, "&Save"));
    EXPECT_EQ(GetMenuItemID(file, 2), 6u);
    EXPECT_TRUE(InsertMenu(file, static_cast<UINT>(-1), MF_BYPOSITION | MF_STRING, 7, "&Last"));
    EXPECT_EQ(GetMenuItemID(file, GetMenuItemCount(file) - 1), 7u);
}

TEST_F(MenuTest, RemoveKeepsAPopupWhileDeleteAndDestroyTakeItAlong) {
    EXPECT_TRUE(RemoveMenu(bar, 1, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(edit));
    EXPECT_TRUE(DeleteMenu(bar, 0, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(file));
    AppendMenu(bar, MF_POPUP, edit.id(), "&Edit");
    EXPECT_TRUE(DestroyMenu(bar));
    EXPECT_FALSE(IsMenu(edit));
    EXPECT_FALSE(AppendMenu(bar, MF_STRING, 1, "x"));
}

TEST_F(MenuTest, AWindowOwnsItsMenu) {
    TestWindow frame({.style = WS_OVERLAPPED});
    EXPECT_TRUE(SetMenu(frame.hwnd(), bar));
    EXPECT_EQ(GetMenu(frame.hwnd()), bar);
    TestWindow child({.style = WS_CHILD, .parent = frame.hwnd(), .id = 5});
    EXPECT_FALSE(SetMenu(child.hwnd(), file));
    EXPECT_EQ(GetMenu(child.hwnd()), HMENU{});
    DestroyWindow(frame.hwnd());
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(file));

    // A top-level window made with a menu handle where a child has its id starts with it.
    const HMENU menu = CreateMenu();
    HMENU seen;
    TestWindow made;
    made.On(WM_CREATE, [&](WPARAM, LPARAM lParam) {
        seen = reinterpret_cast<const CREATESTRUCT*>(lParam)->hMenu;
        return LRESULT{0};
    });
    made.Create({.style = WS_OVERLAPPED, .id = menu.id()});
    EXPECT_EQ(seen, menu);
    EXPECT_EQ(GetMenu(made.hwnd()), menu);
}

TEST_F(MenuTest, APopupAsksItsOwnerFirstAndTakesTheScriptedCommand) {
    TestWindow owner({.style = WS_OVERLAPPED});
    owner.On(WM_INITMENUPOPUP, [&](WPARAM wParam, LPARAM) {
        EXPECT_EQ(HMENU(static_cast<std::uint32_t>(wParam)), file);
        // The owner's update disables Exit before the choice is made.
        EnableMenuItem(file, 2, MF_BYCOMMAND | MF_GRAYED);
        return LRESULT{0};
    });

    hb::win::ExpectPopupMenu(1);
    EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 0, 0, 0, owner.hwnd(), nullptr), 1);
    EXPECT_EQ(owner.Count(WM_COMMAND), 0u);

    hb::win::ExpectPopupMenu(1);
    EXPECT_TRUE(TrackPopupMenu(file, TPM_RIGHTBUTTON, 0, 0, 0, owner.hwnd(), nullptr));
    PumpUntilIdle();
    ASSERT_EQ(owner.Count(WM_COMMAND), 1u);
    EXPECT_EQ(owner.Messages().back().wParam, MAKEWPARAM(1, 0));

    CaptureFailures();
    hb::win::ExpectPopupMenu(2);
    EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 0, 0, 0, owner.hwnd(), nullptr), 0);
    EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 0, 0, 0, owner.hwnd(), nullptr), 0);
    EXPECT_EQ(failures.size(), 2u);

    ASSERT_EQ(hb::win::PopupMenuLog().size(), 4u);
    EXPECT_EQ(hb::win::PopupMenuLog()[0].enabled, std::vector<UINT>{1});
    EXPECT_EQ(hb::win::PopupMenuLog()[2].chosen, 0u);
}

TEST_F(MenuTest, APopupMenuHandlerChoosesInsteadOfTheScript) {
    TestWindow owner({.style = WS_OVERLAPPED});
    std::vector<hb::win::PopupMenuRequest> requests;
    hb::win::SetPopupMenuHandler([&](const hb::win::PopupMenuRequest& request) {
        requests.push_back(request);
        EXPECT_EQ(owner.Count(WM_INITMENUPOPUP), 1u); // asked before the choice
        return UINT{2};
    });

    EXPECT_TRUE(TrackPopupMenu(file, TPM_LEFTALIGN, 30, 40, 0, owner.hwnd(), nullptr));
    PumpUntilIdle();

    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].menu, file);
    EXPECT_EQ(requests[0].at.x, 30);
    EXPECT_EQ(requests[0].at.y, 40);
    EXPECT_EQ(requests[0].owner, owner.hwnd());
    ASSERT_EQ(owner.Count(WM_COMMAND), 1u);
    EXPECT_EQ(owner.Messages().back().wParam, MAKEWPARAM(2, 0));
    EXPECT_EQ(hb::win::PopupMenuLog().back().chosen, 2u);
}

class AcceleratorTest : public PlatformTest {
protected:
    static MSG KeyDown(HWND hwnd, UINT vk, UINT message = WM_KEYDOWN) {
        return MSG{hwnd, message, vk, 1, 0, {}};
    }

    TestWindow target{{.style = WS_OVERLAPPED}};
};

TEST_F(AcceleratorTest, AnEntryMatchesItsKeyWithExactlyItsModifiers) {
    const ACCEL entries[] = {
        {FVIRTKEY | FCONTROL, VK_F1, 27745},
        {FVIRTKEY, VK_F1, 28573},
        {FVIRTKEY | FALT, VK_BACK, 57643},
        {FVIRTKEY | FSHIFT | FCONTROL, 'D', 1686},
    };
    const HACCEL table = CreateAcceleratorTable(entries, 4);
    const auto commands = [&] {
        std::vector<WPARAM> seen;
        for (const MSG& m : target.Messages()) {
            if (m.message == WM_COMMAND) {
                EXPECT_EQ(m.lParam, 0);
                seen.push_back(m.wParam);
            }
        }
        return seen;
    };

    MSG f1 = KeyDown(target.hwnd(), VK_F1);
    EXPECT_TRUE(TranslateAccelerator(target.hwnd(), table, &f1));
    hb::win::SetKeyDown(VK_CONTROL, true);
    EXPECT_TRUE(GetKeyState(VK_CONTROL) & 0x8000);
    EXPECT_TRUE(TranslateAccelerator(target.hwnd(), table, &f1));
    MSG d = KeyDown(target.hwnd(), 'D');
    EXPECT_FALSE(TranslateAccelerator(target.hwnd(), table, &d));
    hb::win::SetKeyDown(VK_SHIFT, true);
    EXPECT_TRUE(TranslateAccelerator(target.hwnd(), table, &d));
    hb::win::SetKeyDown(VK_SHIFT, false);
    hb::win::SetKeyDown(VK_CONTROL, false);
    hb::win::SetKeyDown(VK_MENU, true);
    MSG back = KeyDown(target.hwnd(), VK_BACK, WM_SYSKEYDOWN);
    EXPECT_TRUE(TranslateAccelerator(target.hwnd(), table, &back));
    MSG up = KeyDown(target.hwnd(), VK_BACK, WM_KEYUP);
    EXPECT_FALSE(TranslateAccelerator(target.hwnd(), table, &up));

    EXPECT_EQ(commands(), (std::vector<WPARAM>{MAKEWPARAM(28573, 1), MAKEWPARAM(27745, 1),
                                               MAKEWPARAM(1686, 1), MAKEWPARAM(57643, 1)}));
    EXPECT_TRUE(DestroyAcceleratorTable(table));
    EXPECT_FALSE(TranslateAccelerator(target.hwnd(), table, &back));
    EXPECT_EQ(CreateAcceleratorTable(entries, 0), HACCEL{});
}

} // namespace
