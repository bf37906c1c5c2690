#include "tests/platform/toolkit/ToolkitApp.h"

#include <algorithm>
#include <string>

namespace hb::toolkit::test {
namespace {

std::size_t ShowRequests() {
    return static_cast<std::size_t>(
        std::ranges::count(Log().paneNotes, std::pair<WPARAM, int>{DOCKING_PANE_SHOW_WINDOW,
                                                                   static_cast<int>(kPaneId)}));
}

class DockingPaneTest : public ToolkitAppTest {
protected:
    CXTPDockingPane& Pane() const { return *Main().m_panes.FindPane(kPaneId); }
};

TEST_F(DockingPaneTest, APaneAsksForItsContentOnceWhenFirstShown) {
    Start();
    EXPECT_EQ(Pane().GetTitle(), "Volume");
    EXPECT_EQ(Pane().GetIconID(), kPaneIcon);
    EXPECT_EQ(Main().m_panes.GetPaneList(), std::vector<CXTPDockingPane*>{&Pane()});
    // Made during the frame's creation, the content comes later, when the pane first shows.
    EXPECT_EQ(ShowRequests(), 0u);
    EXPECT_FALSE(Pane().IsValid());
    Pump();
    EXPECT_EQ(ShowRequests(), 1u);
    ASSERT_TRUE(Pane().IsValid());
    CString text;
    Pane().GetChild()->GetWindowText(text);
    EXPECT_EQ(text, "Mixer");

    Pump();
    Pane().EnsureVisible();
    Pane().Hide();
    Main().m_panes.ShowPane(kPaneId);
    Pump();
    EXPECT_EQ(ShowRequests(), 1u);
    EXPECT_EQ(Main().m_panes.CreatePane(kPaneId, CRect(0, 0, 10, 10), xtpPaneDockRight), nullptr);
}

TEST_F(DockingPaneTest, APanePaintedWithoutContentAsksForItWithoutWaitingForIdleTime) {
    Start();
    HWND paneWindow{};
    for (HWND child = GetWindow(Main().m_hWnd, GW_CHILD); child && !paneWindow;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char title[32] = {};
        GetWindowText(child, title, sizeof title);
        paneWindow = std::string(title) == "Volume" ? child : HWND{};
    }
    ASSERT_NE(paneWindow, HWND{});
    Repaint(paneWindow);
    EXPECT_EQ(ShowRequests(), 0u);
    // Only the messages waiting, as a modal loop would dispatch them: no idle pass.
    MSG msg;
    while (PeekMessage(&msg, HWND{}, 0, 0, PM_REMOVE)) {
        DispatchMessage(&msg);
    }
    EXPECT_EQ(ShowRequests(), 1u);
    EXPECT_TRUE(Pane().IsValid());
}

TEST_F(DockingPaneTest, ThePaneTakesItsStripAndFollowsTheTrackSizesTheFrameSets) {
    Start();
    Pump();
    EXPECT_EQ(Pane().GetPaneRect().left, 0);
    EXPECT_EQ(Pane().GetPaneRect().Width(), 120);
    EXPECT_EQ(PlaceOf(Main().m_hWndMDIClient).left, 120);

    // A new size is reported; the frame limits the pane to its content's size.
    Log().paneActions.clear();
    Main().MoveWindow(0, 0, 700, 500);
    Pump();
    EXPECT_EQ(Log().paneActions.front(), DOCKING_PANE_ACTION_SIZING);
    CRect content;
    Pane().GetChild()->GetWindowRect(&content);
    EXPECT_EQ(content.Size(), CSize(100, 60));
    EXPECT_EQ(Pane().GetPaneRect().Width(), 100);
    EXPECT_EQ(PlaceOf(Main().m_hWndMDIClient).left, 100);

    // The area the pane leaves is painted anew.
    RedrawWindow(Main().m_hWnd, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN);
    Pane().Hide();
    EXPECT_TRUE(Pane().GetPaneRect().IsRectEmpty());
    EXPECT_EQ(PlaceOf(Main().m_hWndMDIClient).left, 0);
    EXPECT_TRUE(GetUpdateRect(Main().m_hWndMDIClient, nullptr, FALSE));
}

TEST_F(DockingPaneTest, TheLayoutSurvivesARestartAndAHiddenPaneWaitsForItsContent) {
    Start();
    Pump();
    Pane().Hide();
    EXPECT_EQ(Finish(), 0);
    Log().paneNotes.clear();

    Start();
    Pump();
    EXPECT_TRUE(Pane().IsHidden());
    EXPECT_EQ(ShowRequests(), 0u);
    Main().m_panes.ShowPane(kPaneId);
    EXPECT_EQ(ShowRequests(), 1u);
    EXPECT_TRUE(Pane().IsValid());

    // A layout that cannot be read is not taken.
    app->WriteProfileBinary("PaneLayout", "DockingPaneLayout", nullptr, 0);
    CXTPDockingPaneLayout layout(&Main().m_panes);
    EXPECT_FALSE(layout.Load("PaneLayout"));
    EXPECT_TRUE(layout.GetPanes().empty());
}

TEST_F(DockingPaneTest, TheCloseBoxHidesAPaneThatMayBeClosed) {
    Start();
    Pump();
    const HWND paneWindow = GetParent(Pane().GetChild()->m_hWnd);
    EXPECT_EQ(DrawnTexts(Repaint(paneWindow)), std::vector<std::string>{"Volume"});
    Pane().SetOptions(0);
    RECT box{};
    for (const auto& record : Repaint(paneWindow)) {
        if (record.op == hb::win::DrawOp::DrawText && record.text == "x") {
            box = record.rect;
        }
    }
    const CPoint at = CRect(box).CenterPoint();
    SendMessage(paneWindow, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    EXPECT_TRUE(Pane().IsHidden());
}

} // namespace
} // namespace hb::toolkit::test
