#include "radioview/Rack.h"

#include "platform/afx/Afx.h"
#include "platform/afx/CButton.h"
#include "platform/afx/CDataExchange.h"
#include "platform/afx/Ddx.h"
#include "platform/afx/Input.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kPanelId = 27386;
constexpr UINT kStart = 27038;   // an icon and a two-line tip
constexpr UINT kStop = 27037;    // no icon, a one-line tip
constexpr UINT kLockOut = 27034; // no string
constexpr UINT kMute = 26015;    // the rack handles it itself
constexpr UINT kBarStyle = WS_CHILD | WS_VISIBLE | 0x00402830;

hb::afx::DialogControl Button(UINT id, const char* text, DWORD style, int x) {
    return {.id = id,
            .className = "Button",
            .text = text,
            .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
            .x = x,
            .y = 4,
            .cx = 30,
            .cy = 14};
}

// A panel that binds one button and answers the mute button itself.
class CTestRack : public CRack {
public:
    BOOL Create(CWnd* parent, UINT templateId, UINT style) {
        return CRack::Create(parent, templateId, style, templateId);
    }

    CButton start;
    int exchanges = 0;
    int mutes = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        ++exchanges;
        DDX_Control(pDX, kStart, start);
    }
    void OnMute() { ++mutes; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestRack, CRack)
ON_COMMAND(kMute, &CTestRack::OnMute)
END_MESSAGE_MAP()

class RackTest : public hb::testkit::PlatformTest {
protected:
    RackTest() {
        UseProgramResources(
            {.dialogs = {{.id = kPanelId,
                          .style = WS_CHILD,
                          .cx = 200,
                          .cy = 24,
                          .controls = {Button(kStart, "Start", BS_ICON, 4),
                                       Button(kStop, "Stop", BS_ICON, 40),
                                       Button(kLockOut, "L/O", 0, 76),
                                       Button(kMute, "Mute", 0, 112)}}},
             .strings = {{kStart, "Start scanning\nStart"}, {kStop, "Stop scanning"}},
             .icons = {{kStart, {{16, 16}}}}});
        frame.Create(
            {.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .rect = {0, 0, 400, 200}, .text = "Radio"});
    }

    CWnd* Parent() const { return CWnd::FromHandle(frame.hwnd()); }
    HWND Control(UINT id) const { return GetDlgItem(rack.m_hWnd, static_cast<int>(id)); }

    // The WM_COMMANDs the parent was sent or posted, as (id, lParam).
    std::vector<std::pair<WPARAM, LPARAM>> Commands() const {
        std::vector<std::pair<WPARAM, LPARAM>> commands;
        for (const MSG& msg : frame.Messages()) {
            if (msg.message == WM_COMMAND) {
                commands.emplace_back(msg.wParam, msg.lParam);
            }
        }
        return commands;
    }

    // What the bar's tool tip (the only one) shows after the mouse rests on the control.
    std::string TipAfterHovering(UINT id) {
        hb::afx::MoveMouse(Control(id), 5, 5);
        AdvanceAndPump(600);
        for (HWND w = GetWindow(frame.hwnd(), GW_HWNDFIRST); w; w = GetWindow(w, GW_HWNDNEXT)) {
            char name[32] = {};
            GetClassName(w, name, sizeof name);
            if (std::string(name) == TOOLTIPS_CLASS) {
                char text[80] = {};
                GetWindowText(w, text, sizeof text);
                return IsWindowVisible(w) ? text : "";
            }
        }
        return "<no tool tip>";
    }

    hb::testkit::TestWindow frame;
    CTestRack rack;
};

TEST_F(RackTest, TheBarIsMadeFromTheTemplateWithIconsOnlyWhereTheIdHasOne) {
    ASSERT_TRUE(rack.Create(Parent(), kPanelId, kBarStyle));

    EXPECT_EQ(GetParent(rack.m_hWnd), frame.hwnd());
    EXPECT_EQ(GetDlgCtrlID(rack.m_hWnd), static_cast<int>(kPanelId));
    const RECT size = hb::afx::DluToPixels({0, 0, 200, 24});
    EXPECT_EQ(rack.m_sizeDefault, CSize(size.right, size.bottom));
    CRect window;
    rack.GetWindowRect(&window);
    EXPECT_EQ(window.Size(), rack.m_sizeDefault);
    EXPECT_EQ(rack.GetBarStyle(), 0x00402830u);
    EXPECT_EQ(rack.exchanges, 1);
    EXPECT_EQ(rack.start.m_hWnd, Control(kStart));

    EXPECT_NE(SendMessage(Control(kStart), BM_GETIMAGE, IMAGE_ICON, 0), 0);
    EXPECT_EQ(SendMessage(Control(kStop), BM_GETIMAGE, IMAGE_ICON, 0), 0);
    char caption[16] = {};
    GetWindowText(Control(kStop), caption, sizeof caption);
    EXPECT_STREQ(caption, "Stop");
}

TEST_F(RackTest, AMissingTemplateGivesFalseAndBindsNothing) {
    EXPECT_FALSE(rack.Create(Parent(), 27252, kBarStyle));
    EXPECT_FALSE(rack.m_hWnd);
    EXPECT_EQ(rack.exchanges, 0);
    EXPECT_FALSE(rack.start.m_hWnd);
    EXPECT_FALSE(GetWindow(frame.hwnd(), GW_CHILD));
}

TEST_F(RackTest, TipsShowTheFirstLineOfTheControlsString) {
    ASSERT_TRUE(rack.Create(Parent(), kPanelId, kBarStyle));
    EXPECT_EQ(TipAfterHovering(kStart), "Start scanning");
    EXPECT_EQ(TipAfterHovering(kStop), "Stop scanning");
    EXPECT_EQ(TipAfterHovering(kLockOut), "");
}

TEST_F(RackTest, ATipLongerThanTheBufferIsCutToFitIt) {
    UseProgramResources(
        {.dialogs = {{.id = kPanelId,
                      .style = WS_CHILD,
                      .cx = 100,
                      .cy = 24,
                      .controls = {Button(kStart, "Start", 0, 4), Button(kStop, "Stop", 0, 40)}}},
         .strings = {{kStop, std::string(120, 'x') + "\nStop"}}});
    ASSERT_TRUE(rack.Create(Parent(), kPanelId, kBarStyle));
    EXPECT_EQ(TipAfterHovering(kStop), std::string(79, 'x'));
}

TEST_F(RackTest, AnUnhandledButtonGoesToTheParentWithTheBarsHandleAndTheBarKeepsTheFocus) {
    ASSERT_TRUE(rack.Create(Parent(), kPanelId, kBarStyle));
    frame.ClearMessages();

    EXPECT_TRUE(hb::afx::ClickButton(rack.m_hWnd, static_cast<int>(kStop)));
    EXPECT_TRUE(Commands().empty()) << "posted, not sent";
    EXPECT_EQ(GetFocus(), rack.m_hWnd);
    PumpUntilIdle();
    using Command = std::pair<WPARAM, LPARAM>;
    const std::vector<Command> forwarded{{kStop, hb::win::ParamFromHwnd(rack.m_hWnd)}};
    EXPECT_EQ(Commands(), forwarded);

    EXPECT_TRUE(hb::afx::ClickButton(rack.m_hWnd, static_cast<int>(kMute)));
    PumpUntilIdle();
    EXPECT_EQ(rack.mutes, 1);
    EXPECT_EQ(Commands().size(), 1u) << "the rack's own command stays with it";
}

TEST_F(RackTest, CommandIdsOutsideTheButtonRangeAreNotForwarded) {
    ASSERT_TRUE(rack.Create(Parent(), kPanelId, kBarStyle));
    frame.ClearMessages();
    rack.SendMessage(WM_COMMAND, 0);
    rack.SendMessage(WM_COMMAND, 40000);
    rack.SendMessage(WM_COMMAND, 32767);
    PumpUntilIdle();
    using Command = std::pair<WPARAM, LPARAM>;
    const std::vector<Command> forwarded{{32767, hb::win::ParamFromHwnd(rack.m_hWnd)}};
    EXPECT_EQ(Commands(), forwarded);
}

TEST_F(RackTest, IdleUpdatesLeaveControlsWithoutAHandlerEnabled) {
    auto* radio = new CFrameWnd;
    ASSERT_TRUE(radio->Create(nullptr, "Radio", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    ASSERT_TRUE(rack.Create(radio, kPanelId, kBarStyle));
    rack.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(IsWindowEnabled(Control(kStop)));
    EXPECT_TRUE(IsWindowEnabled(Control(kStart)));
    rack.DestroyWindow();
    radio->DestroyWindow();
}

} // namespace
