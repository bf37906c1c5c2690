#include "ControlTest.h"

#include <cstring>
#include <string>

using hb::testkit::TestWindow;
using hb::win::DrawOp;
using hb::win::ParamFromHwnd;

namespace {

class TooltipTest : public ControlTest {
protected:
    TooltipTest() {
        parent.On(WM_NOTIFY, [this](WPARAM, LPARAM lParam) {
            auto* info = reinterpret_cast<NMTTDISPINFO*>(lParam);
            EXPECT_EQ(info->hdr.code, TTN_NEEDTEXTA);
            EXPECT_EQ(info->hdr.hwndFrom, tip);
            asked.push_back(info->hdr.idFrom);
            std::strcpy(info->szText, "Squelch");
            return LRESULT{0};
        });
    }

    void AddTool(UINT flags, UINT_PTR id, LPSTR text, RECT rect = {}) {
        TOOLINFO info;
        info.uFlags = flags;
        info.hwnd = parent.hwnd();
        info.uId = id;
        info.rect = rect;
        info.lpszText = text;
        ASSERT_TRUE(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
    }

    void Relay(HWND hwnd, UINT message, int x = 5, int y = 5) {
        const MSG msg{hwnd, message, 0, MAKELPARAM(x, y), GetTickCount(), {}};
        SendMessage(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
    }

    std::string Tip() const {
        char text[100] = {};
        GetWindowText(tip, text, sizeof text);
        return text;
    }

    TestWindow knob{{.style = WS_CHILD | WS_VISIBLE,
                     .parent = parent.hwnd(),
                     .id = 27321,
                     .rect = {100, 100, 150, 150}}};
    HWND tip = CreateWindowEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, "ignored", WS_POPUP | TTS_ALWAYSTIP, 0,
                              0, 0, 0, parent.hwnd(), 0, nullptr);
    std::vector<UINT_PTR> asked;
};

TEST_F(TooltipTest, TheOwnerIsAskedForTheTextOnlyAfterTheHoverDelay) {
    AddTool(TTF_IDISHWND, static_cast<UINT_PTR>(ParamFromHwnd(knob.hwnd())), LPSTR_TEXTCALLBACK);
    EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(Tip(), "");
    Relay(knob.hwnd(), WM_MOUSEMOVE);
    AdvanceAndPump(300);
    Relay(knob.hwnd(), WM_MOUSEMOVE, 9, 9); // moving on the same tool keeps the delay running
    AdvanceAndPump(199);
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(IsWindowVisible(tip));

    AdvanceAndPump(1);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(hb::win::HwndFromParam(asked[0]), knob.hwnd());
    EXPECT_EQ(Tip(), "Squelch");
    EXPECT_TRUE(IsWindowVisible(tip));
    RECT where;
    GetWindowRect(tip, &where);
    EXPECT_EQ(where.left, 109);                  // under the mouse, sized to the text
    EXPECT_EQ(where.right - where.left, 40 + 8); // "Squelch" and the margins
    const auto painted = hb::win::PaintWindowTree(tip);
    EXPECT_EQ(painted.at(0).list.back().text, "Squelch");

    AdvanceAndPump(5000);
    EXPECT_EQ(asked.size(), 1u);
}

TEST_F(TooltipTest, APressHidesTheTipUntilTheMouseComesBack) {
    AddTool(TTF_IDISHWND, static_cast<UINT_PTR>(ParamFromHwnd(knob.hwnd())), LPSTR_TEXTCALLBACK);
    Relay(knob.hwnd(), WM_MOUSEMOVE);
    AdvanceAndPump(500);
    Relay(knob.hwnd(), WM_LBUTTONDOWN);
    EXPECT_FALSE(IsWindowVisible(tip));
    EXPECT_EQ(Tip(), "");
    Relay(knob.hwnd(), WM_MOUSEMOVE);
    AdvanceAndPump(1000);
    EXPECT_EQ(asked.size(), 1u);

    Relay(parent.hwnd(), WM_MOUSEMOVE, 300, 250); // off every tool
    Relay(knob.hwnd(), WM_MOUSEMOVE);
    AdvanceAndPump(500);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(Tip(), "Squelch");
}

TEST_F(TooltipTest, RectangleToolsShowTheirOwnTextWithoutAsking) {
    char volume[] = "Volume";
    AddTool(0, 7, volume, {10, 10, 50, 30});
    volume[0] = 'X'; // the tooltip kept its own copy
    Relay(parent.hwnd(), WM_MOUSEMOVE, 20, 20);
    AdvanceAndPump(100);
    Relay(parent.hwnd(), WM_MOUSEMOVE, 60, 20); // left before the delay
    AdvanceAndPump(1000);
    EXPECT_EQ(Tip(), "");

    Relay(parent.hwnd(), WM_MOUSEMOVE, 20, 20);
    AdvanceAndPump(500);
    EXPECT_EQ(Tip(), "Volume");
    EXPECT_TRUE(asked.empty());
}

TEST_F(TooltipTest, DeletedToolsAndAnInactiveTooltipShowNothing) {
    AddTool(TTF_IDISHWND, static_cast<UINT_PTR>(ParamFromHwnd(knob.hwnd())), LPSTR_TEXTCALLBACK);
    AddTool(0, 8, LPSTR_TEXTCALLBACK, {0, 0, 50, 50});
    AddTool(0, 8, LPSTR_TEXTCALLBACK, {0, 0, 60, 60}); // the same tool again replaces it
    EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 2);

    SendMessage(tip, TTM_ACTIVATE, FALSE, 0);
    Relay(knob.hwnd(), WM_MOUSEMOVE);
    AdvanceAndPump(1000);
    EXPECT_TRUE(asked.empty());

    SendMessage(tip, TTM_ACTIVATE, TRUE, 0);
    Relay(parent.hwnd(), WM_MOUSEMOVE, 55, 55);
    AdvanceAndPump(200);
    TOOLINFO info;
    info.hwnd = parent.hwnd();
    info.uId = 8;
    SendMessage(tip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    AdvanceAndPump(1000);
    EXPECT_TRUE(asked.empty());
}

TEST_F(TooltipTest, SubclassedToolsRelayTheirOwnMouseMessages) {
    AddTool(TTF_IDISHWND | TTF_SUBCLASS, static_cast<UINT_PTR>(ParamFromHwnd(knob.hwnd())),
            LPSTR_TEXTCALLBACK);
    SendMessage(knob.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(knob.Count(WM_MOUSEMOVE), 1u); // the window still gets its messages
    AdvanceAndPump(500);
    EXPECT_EQ(asked.size(), 1u);

    parent.On(WM_NOTIFY, [](WPARAM, LPARAM lParam) {
        reinterpret_cast<NMTTDISPINFO*>(lParam)->lpszText = const_cast<LPSTR>("Attenuator");
        return LRESULT{0};
    });
    DestroyWindow(tip);
    tip =
        CreateWindowEx(0, TOOLTIPS_CLASS, nullptr, WS_POPUP, 0, 0, 0, 0, parent.hwnd(), 0, nullptr);
    AddTool(TTF_IDISHWND | TTF_SUBCLASS, static_cast<UINT_PTR>(ParamFromHwnd(knob.hwnd())),
            LPSTR_TEXTCALLBACK);
    SendMessage(knob.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    AdvanceAndPump(500);
    EXPECT_EQ(Tip(), "Attenuator");
}

} // namespace
