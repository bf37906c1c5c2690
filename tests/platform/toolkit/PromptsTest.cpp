// Prompts and tooltips: the message pane follows the mouse over tool-bar buttons and menu items,
// and a button resting under the mouse shows its command's tooltip.
#include "platform/afx/Input.h"
#include "tests/platform/toolkit/ToolkitApp.h"

namespace hb::toolkit::test {
namespace {

class PromptsTest : public ToolkitAppTest {
protected:
    CString Pane() const { return Main().m_statusBar.GetPaneText(0); }

    void Hover(int id) const {
        const CPoint at = MainBar().FindControl(id)->GetRect().CenterPoint();
        hb::afx::MoveMouse(MainBar().m_hWnd, at.x, at.y);
    }

    // The text of the tooltip that shows, else empty.
    std::string Tip() const {
        for (HWND w = GetWindow(Main().m_hWnd, GW_HWNDFIRST); w; w = GetWindow(w, GW_HWNDNEXT)) {
            char name[32] = {};
            GetClassName(w, name, sizeof name);
            if (std::string(name) == TOOLTIPS_CLASS && IsWindowVisible(w)) {
                char text[80] = {};
                GetWindowText(w, text, sizeof text);
                return text;
            }
        }
        return {};
    }
};

TEST_F(PromptsTest, AButtonUnderTheMouseShowsItsPromptAndAfterTheDelayItsTooltip) {
    Start();
    Pump();
    EXPECT_EQ(Pane(), "Ready");

    Hover(kViewCommand);
    EXPECT_EQ(Pane(), "Runs the view's command");
    AdvanceAndPump(499);
    EXPECT_EQ(Tip(), "");
    AdvanceAndPump(1);
    EXPECT_EQ(Tip(), "View");

    // The tooltip is the second part of the string, whatever follows it.
    Hover(kFrameCommand);
    EXPECT_EQ(Pane(), "Runs the frame's command");
    EXPECT_EQ(Tip(), "");
    AdvanceAndPump(500);
    EXPECT_EQ(Tip(), "Frame");

    // A string of one part is both; a disabled button still explains itself.
    Hover(kCheckCommand);
    EXPECT_EQ(Pane(), "Mute");
    Hover(kOrphanCommand);
    EXPECT_FALSE(MainBar().FindControl(kOrphanCommand)->GetEnabled());
    EXPECT_EQ(Pane(), "Nobody's");
    AdvanceAndPump(500);
    EXPECT_EQ(Tip(), "Orphan");

    // Off the bar, the idle text comes back and the tip goes.
    hb::afx::MoveMouse(Main().m_hWndMDIClient, 10, 10);
    Pump();
    EXPECT_EQ(Pane(), "Ready");
    EXPECT_EQ(Tip(), "");

    // Between the buttons, the bar's own background has no prompt.
    const CRect check = MainBar().FindControl(kCheckCommand)->GetRect();
    Hover(kFrameCommand);
    hb::afx::MoveMouse(MainBar().m_hWnd, check.left - 2, check.CenterPoint().y);
    EXPECT_EQ(Pane(), "Ready");
}

TEST_F(PromptsTest, TheMenuItemUnderThePointerShowsItsPromptUntilTheMenuCloses) {
    Start();
    Pump();
    const HWND frame = Main().m_hWnd;
    const auto select = [frame](UINT item, UINT flags, LPARAM menu) {
        SendMessage(frame, WM_MENUSELECT,
                    MAKEWPARAM(static_cast<WORD>(item), static_cast<WORD>(flags)), menu);
    };
    select(kViewCommand, 0, 1);
    EXPECT_EQ(Pane(), "Runs the view's command");
    // A popup or a separator has no prompt of its own; neither has a command without a string.
    select(0, MF_POPUP, 1);
    EXPECT_EQ(Pane(), "Ready");
    select(kFrameCommand, 0, 1);
    select(0, MF_SEPARATOR, 1);
    EXPECT_EQ(Pane(), "Ready");
    select(ID_FILE_NEW, 0, 1);
    EXPECT_EQ(Pane(), "Ready");
    select(kFrameCommand, 0, 1);
    select(0, 0xFFFF, 0);
    EXPECT_EQ(Pane(), "Ready");

    // A tracked menu ends with the closing notice, whatever was chosen.
    select(kFrameCommand, 0, 1);
    hb::win::SetPopupMenuHandler([&](const hb::win::PopupMenuRequest& request) {
        select(kViewCommand, 0, static_cast<LPARAM>(request.menu.id()));
        EXPECT_EQ(Pane(), "Runs the view's command");
        return kViewCommand;
    });
    const HMENU popup = CreatePopupMenu();
    AppendMenu(popup, MF_STRING, kViewCommand, "&View");
    EXPECT_TRUE(TrackPopupMenu(popup, TPM_RETURNCMD, 0, 0, 0, frame, nullptr));
    hb::win::SetPopupMenuHandler(nullptr);
    DestroyMenu(popup);
    EXPECT_EQ(Pane(), "Ready");
}

TEST_F(PromptsTest, AChildFramesPromptsShowInTheMainWindow) {
    Start();
    ASSERT_NE(OpenChild(), nullptr);
    Pump();
    CFrameWnd* child = Main().GetActiveFrame();
    ASSERT_NE(child, &Main());
    child->SetMessageText(kViewCommand);
    EXPECT_EQ(Pane(), "Runs the view's command");
    child->SetMessageText("Scanning");
    EXPECT_EQ(Pane(), "Scanning");
}

} // namespace
} // namespace hb::toolkit::test
