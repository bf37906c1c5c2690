#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <string>
#include <vector>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

LRESULT PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(hwnd, message, wParam, lParam);
}

HWND CreatePlain(LPCSTR text = "") {
    return CreateWindowEx(0, "Plain", text, 0, 0, 0, 10, 10, HWND{}, 0, nullptr);
}

class WindowTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        RegisterClass({.lpfnWndProc = &PlainProc, .lpszClassName = "Plain"});
    }
};

TEST_F(WindowTest, CreationSendsNcCreateCreateSizeThenShows) {
    TestWindow w;
    bool visibleDuringCreate = true;
    std::string nameAndSize;
    w.On(WM_CREATE, [&](WPARAM, LPARAM lParam) {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        nameAndSize =
            std::string(cs->lpszName) + " " + std::to_string(cs->cx) + "x" + std::to_string(cs->cy);
        visibleDuringCreate = IsWindowVisible(w.hwnd());
        return LRESULT{0};
    });
    ASSERT_TRUE(w.Create({.style = WS_VISIBLE, .rect = {10, 20, 110, 70}, .text = "Main"}));

    EXPECT_EQ(w.MessageIds(), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_SHOWWINDOW}));
    EXPECT_EQ(nameAndSize, "Main 100x50");
    EXPECT_FALSE(visibleDuringCreate);
    EXPECT_EQ(w.Messages()[2].lParam, MAKELPARAM(100, 50));
    EXPECT_TRUE(IsWindowVisible(w.hwnd()));
}

TEST_F(WindowTest, CreationHookFiresOnceAndAnyCreateCallDisarmsIt) {
    std::vector<HWND> hooked;
    hb::win::HookNextWindowCreation([&](HWND hwnd) {
        EXPECT_TRUE(IsWindow(hwnd));
        EXPECT_EQ(GetWindowTextLength(hwnd), 0); // before WM_NCCREATE stored the text
        hooked.push_back(hwnd);
    });
    const HWND first = CreatePlain("first");
    CreatePlain();
    EXPECT_EQ(hooked, std::vector<HWND>{first});

    hb::win::HookNextWindowCreation([&](HWND hwnd) { hooked.push_back(hwnd); });
    EXPECT_FALSE(CreateWindowEx(0, "NoSuchClass", "", 0, 0, 0, 1, 1, HWND{}, 0, nullptr));
    CreatePlain();
    EXPECT_EQ(hooked.size(), 1u);
}

TEST_F(WindowTest, CreateReturningMinusOneDestroysTheHalfMadeWindow) {
    TestWindow parent{{}};
    TestWindow w;
    TestWindow childOfFailed;
    w.On(WM_CREATE, [&](WPARAM, LPARAM) {
        childOfFailed.Create({.style = WS_CHILD, .parent = w.hwnd()});
        return LRESULT{-1};
    });
    EXPECT_FALSE(w.Create({.style = WS_CHILD, .parent = parent.hwnd(), .id = 3}));
    EXPECT_EQ(w.MessageIds(),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_FALSE(IsWindow(w.hwnd()));
    EXPECT_FALSE(IsWindow(childOfFailed.hwnd()));
    EXPECT_EQ(childOfFailed.Count(WM_NCDESTROY), 1u);
    EXPECT_FALSE(GetWindow(parent.hwnd(), GW_CHILD));
}

TEST_F(WindowTest, NcCreateFalseFailsWithoutDestroyMessage) {
    TestWindow w;
    w.On(WM_NCCREATE, [](WPARAM, LPARAM) { return LRESULT{FALSE}; });
    EXPECT_FALSE(w.Create());
    EXPECT_EQ(w.MessageIds(), (std::vector<UINT>{WM_NCCREATE, WM_NCDESTROY}));
}

TEST_F(WindowTest, DestroyGoesOwnedThenDestroyThenChildrenThenNcDestroy) {
    std::vector<std::string> log;
    TestWindow owner({.text = "owner"});
    TestWindow owned({.parent = owner.hwnd(), .text = "owned"});
    TestWindow c1({.style = WS_CHILD, .parent = owner.hwnd(), .text = "c1"});
    TestWindow g({.style = WS_CHILD, .parent = c1.hwnd(), .text = "g"});
    TestWindow c2({.style = WS_CHILD, .parent = owner.hwnd(), .text = "c2"});
    for (TestWindow* w : {&owner, &owned, &c1, &g, &c2}) {
        char text[16];
        GetWindowText(w->hwnd(), text, sizeof text);
        const std::string name = text;
        w->On(WM_DESTROY, [&log, name, w](WPARAM, LPARAM) {
            log.push_back(name + " destroy" + (IsWindow(w->hwnd()) ? "" : " (dead)"));
            EXPECT_FALSE(DestroyWindow(w->hwnd())); // already on its way
            return LRESULT{0};
        });
        w->On(WM_NCDESTROY, [&log, name](WPARAM, LPARAM) {
            log.push_back(name + " ncdestroy");
            return LRESULT{0};
        });
    }
    SetTimer(c1.hwnd(), 1, 100);
    SetFocus(g.hwnd());
    SetCapture(c2.hwnd());
    PostMessage(g.hwnd(), WM_USER, 0, 0);
    EXPECT_EQ(GetWindow(owned.hwnd(), GW_OWNER), owner.hwnd());

    EXPECT_TRUE(DestroyWindow(owner.hwnd()));

    EXPECT_EQ(log,
              (std::vector<std::string>{"owned destroy", "owned ncdestroy", "owner destroy",
                                        "c1 destroy", "g destroy", "g ncdestroy", "c1 ncdestroy",
                                        "c2 destroy", "c2 ncdestroy", "owner ncdestroy"}));
    for (TestWindow* w : {&owner, &owned, &c1, &g, &c2}) {
        EXPECT_FALSE(IsWindow(w->hwnd()));
    }
    EXPECT_FALSE(DestroyWindow(owner.hwnd()));
    EXPECT_TRUE(hb::win::ActiveTimers().empty());
    EXPECT_FALSE(GetFocus());
    EXPECT_FALSE(GetCapture());
    EXPECT_EQ(PumpUntilIdle(), 0u);
}

TEST_F(WindowTest, HandlesAreNeverReused) {
    TestWindow first{{}};
    const HWND old = first.hwnd();
    DestroyWindow(old);
    hb::win::ResetForTests();
    TestWindow second{{}};
    EXPECT_NE(second.hwnd(), old);
    EXPECT_FALSE(IsWindow(old));
}

TEST_F(WindowTest, ClassNamesMatchWithoutCaseAndReportAsRegistered) {
    ASSERT_TRUE(RegisterClass(
        {.style = CS_DBLCLKS, .lpfnWndProc = &PlainProc, .lpszClassName = "MixedCase"}));
    EXPECT_FALSE(RegisterClass({.lpfnWndProc = &PlainProc, .lpszClassName = "MIXEDCASE"}));
    EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
    const HWND hwnd = CreateWindowEx(0, "mixedcase", "", 0, 0, 0, 1, 1, HWND{}, 0, nullptr);
    ASSERT_TRUE(hwnd);
    char name[8];
    EXPECT_EQ(GetClassName(hwnd, name, sizeof name), 7);
    EXPECT_STREQ(name, "MixedCa");

    WNDCLASS wc;
    ASSERT_TRUE(GetClassInfo("MIXEDCASE", &wc));
    EXPECT_EQ(wc.style, CS_DBLCLKS);
    EXPECT_STREQ(wc.lpszClassName, "MixedCase");
    EXPECT_TRUE(UnregisterClass("mixedCASE"));
    EXPECT_FALSE(CreateWindowEx(0, "MixedCase", "", 0, 0, 0, 1, 1, HWND{}, 0, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
}

TEST_F(WindowTest, OnlyBuiltinClassesSurviveAReset) {
    hb::win::RegisterBuiltinClass({.lpfnWndProc = &PlainProc, .lpszClassName = "HbBuiltin"});
    RegisterClass({.lpfnWndProc = &PlainProc, .lpszClassName = "HbFromTest"});
    hb::win::ResetForTests();
    EXPECT_TRUE(GetClassInfo("HbBuiltin", nullptr));
    EXPECT_FALSE(GetClassInfo("HbFromTest", nullptr));
}

TEST_F(WindowTest, TreeNavigationFollowsCreationOrder) {
    TestWindow top({.text = "top"});
    TestWindow other{{}};
    TestWindow k1({.style = WS_CHILD, .parent = top.hwnd(), .id = 1});
    TestWindow k2({.style = WS_CHILD, .parent = top.hwnd(), .id = 2});
    TestWindow k3({.style = WS_CHILD, .parent = top.hwnd(), .id = 3});
    TestWindow grand({.style = WS_CHILD, .parent = k2.hwnd(), .id = 9});
    TestWindow popup({.style = WS_POPUP, .parent = k1.hwnd()});

    EXPECT_EQ(GetWindow(top.hwnd(), GW_CHILD), k1.hwnd());
    EXPECT_EQ(GetWindow(k1.hwnd(), GW_HWNDNEXT), k2.hwnd());
    EXPECT_EQ(GetWindow(k3.hwnd(), GW_HWNDNEXT), HWND{});
    EXPECT_EQ(GetWindow(k3.hwnd(), GW_HWNDPREV), k2.hwnd());
    EXPECT_EQ(GetWindow(k2.hwnd(), GW_HWNDFIRST), k1.hwnd());
    EXPECT_EQ(GetWindow(k2.hwnd(), GW_HWNDLAST), k3.hwnd());
    EXPECT_EQ(GetWindow(top.hwnd(), GW_HWNDNEXT), other.hwnd());
    EXPECT_EQ(GetDlgItem(top.hwnd(), 2), k2.hwnd());
    EXPECT_EQ(GetDlgItem(top.hwnd(), 9), HWND{}); // direct children only
    EXPECT_EQ(GetDlgCtrlID(grand.hwnd()), 9);
    EXPECT_TRUE(IsChild(top.hwnd(), grand.hwnd()));
    EXPECT_FALSE(IsChild(k1.hwnd(), grand.hwnd()));
    EXPECT_EQ(GetAncestor(grand.hwnd(), GA_ROOT), top.hwnd());
    EXPECT_EQ(GetParent(grand.hwnd()), k2.hwnd());
    EXPECT_EQ(GetParent(top.hwnd()), HWND{});
    EXPECT_EQ(GetParent(popup.hwnd()), top.hwnd()); // owned by the parent's top-level window
    EXPECT_EQ(GetWindow(popup.hwnd(), GW_OWNER), top.hwnd());

    EXPECT_EQ(SetParent(k1.hwnd(), k2.hwnd()), top.hwnd());
    EXPECT_EQ(GetWindow(top.hwnd(), GW_CHILD), k2.hwnd());
    EXPECT_EQ(GetWindow(grand.hwnd(), GW_HWNDNEXT), k1.hwnd());
    EXPECT_FALSE(SetParent(k2.hwnd(), k1.hwnd())); // would make a cycle
    EXPECT_EQ(GetParent(k2.hwnd()), top.hwnd());
}

LRESULT (*g_previous)(HWND, UINT, WPARAM, LPARAM) = nullptr;

LRESULT UpperCaseProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT && lParam) {
        std::string text = reinterpret_cast<LPCSTR>(lParam);
        for (char& c : text) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        return CallWindowProc(g_previous, hwnd, message, wParam,
                              reinterpret_cast<LPARAM>(text.c_str()));
    }
    return CallWindowProc(g_previous, hwnd, message, wParam, lParam);
}

TEST_F(WindowTest, SubclassingChainsToThePreviousProcedure) {
    TestWindow w({.text = "start"});
    g_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(w.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UpperCaseProc)));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(w.hwnd(), GWLP_WNDPROC)), &UpperCaseProc);
    w.ClearMessages();

    EXPECT_TRUE(SetWindowText(w.hwnd(), "quiet"));
    char text[4];
    EXPECT_EQ(GetWindowText(w.hwnd(), text, sizeof text), 3);
    EXPECT_STREQ(text, "QUI");
    EXPECT_EQ(GetWindowTextLength(w.hwnd()), 5);
    EXPECT_EQ(w.MessageIds(), (std::vector<UINT>{WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH}));
}

TEST_F(WindowTest, WindowLongsHoldStyleIdAndUserData) {
    TestWindow parent{{}};
    TestWindow w({.style = WS_CHILD | WS_TABSTOP,
                  .exStyle = WS_EX_CLIENTEDGE,
                  .parent = parent.hwnd(),
                  .id = 12});
    EXPECT_EQ(static_cast<DWORD>(GetWindowLong(w.hwnd(), GWL_STYLE)), WS_CHILD | WS_TABSTOP);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLong(w.hwnd(), GWL_EXSTYLE)), WS_EX_CLIENTEDGE);
    EXPECT_EQ(SetWindowLong(w.hwnd(), GWL_ID, 13), 12);
    EXPECT_EQ(GetDlgItem(parent.hwnd(), 13), w.hwnd());
    SetWindowLongPtr(w.hwnd(), GWLP_USERDATA, -5);
    EXPECT_EQ(GetWindowLongPtr(w.hwnd(), GWLP_USERDATA), -5);
}

TEST_F(WindowTest, CloseDestroysThroughTheDefaultProcedure) {
    const HWND hwnd = CreatePlain();
    SendMessage(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
}

} // namespace
