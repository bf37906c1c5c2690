#include "platform/afx/CDockState.h"
#include "platform/afx/CException.h"
#include "platform/afx/CToolBar.h"
#include "tests/platform/afx/AfxTest.h"

namespace {

constexpr UINT kBar = 27346;
constexpr UINT kFind = 27142;
constexpr UINT kFixed = 27161;
constexpr UINT kPrint = 57607;
constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                         CBRS_FLYBY | CBRS_SIZE_DYNAMIC;

// A group window that finds, toggles a flag and greys printing.
class CGroupFrameStandIn : public CFrameWnd {
public:
    int finds = 0;
    bool fixed = false;
    CToolBar bar;

protected:
    void OnFind() { ++finds; }
    void OnFixed() { fixed = !fixed; }
    void OnUpdateFixed(CCmdUI* pCmdUI) { pCmdUI->SetCheck(fixed ? 1 : 0); }
    void OnUpdatePrint(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGroupFrameStandIn, CFrameWnd)
ON_COMMAND(kFind, &CGroupFrameStandIn::OnFind)
ON_COMMAND(kFixed, &CGroupFrameStandIn::OnFixed)
ON_UPDATE_COMMAND_UI(kFixed, &CGroupFrameStandIn::OnUpdateFixed)
ON_UPDATE_COMMAND_UI(kPrint, &CGroupFrameStandIn::OnUpdatePrint)
END_MESSAGE_MAP()

class ToolBarTest : public hb::afx::test::AfxTest {
protected:
    ToolBarTest() {
        UseProgramResources(
            {.strings = {{kFind, "Find text in the grid\nFind"},
                         {kFixed, "Fixed organisation\nFixed Group"}},
             .bitmaps = {{kBar, 64, 15, 4}},
             .toolBars = {
                 {.id = kBar, .bitmapId = kBar, .buttons = {kFind, 0, kFixed, kPrint, 27999}}}});
        frame->Create(nullptr, "Group", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 400));
        pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), frame, AFX_IDW_PANE_FIRST);
    }
    ~ToolBarTest() override {
        if (::IsWindow(frameWindow)) {
            frame->DestroyWindow();
        }
    }

    void MakeDockedBar() {
        ASSERT_TRUE(frame->bar.CreateEx(frame, TBSTYLE_FLAT | TBSTYLE_WRAPABLE, kStyle));
        ASSERT_TRUE(frame->bar.LoadToolBar(kBar));
        frame->bar.EnableDocking(CBRS_ALIGN_ANY);
        frame->EnableDocking(CBRS_ALIGN_ANY);
        frame->DockControlBar(&frame->bar);
    }

    void Click(CPoint point) {
        frame->bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        frame->bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    void ClickButton(int index) {
        CRect rect;
        frame->bar.GetItemRect(index, &rect);
        Click(rect.CenterPoint());
    }
    // Drags the gripper to a point of the frame's client area.
    void DragGripperTo(CPoint target) {
        frame->bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        frame->ClientToScreen(&target);
        frame->bar.ScreenToClient(&target);
        frame->bar.SendMessage(
            WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(target.x), static_cast<WORD>(target.y)));
    }
    CRect PlaceOf(CWnd& window) const {
        CRect place;
        window.GetWindowRect(&place);
        frame->ScreenToClient(&place);
        return place;
    }

    CGroupFrameStandIn* frame = new CGroupFrameStandIn;
    HWND frameWindow = frame->m_hWnd;
    CWnd pane;
};

TEST_F(ToolBarTest, ButtonsComeFromTheResourceAndAMissingOneLeavesTheBarAsItWas) {
    ASSERT_TRUE(frame->bar.CreateEx(frame, TBSTYLE_FLAT, kStyle));
    EXPECT_EQ(frame->bar.GetDlgCtrlID(), static_cast<int>(AFX_IDW_TOOLBAR));
    EXPECT_EQ(frame->bar.GetBarStyle() & CBRS_GRIPPER, CBRS_GRIPPER);
    EXPECT_FALSE(frame->bar.LoadToolBar(27386));
    EXPECT_EQ(frame->bar.GetCount(), 0);

    ASSERT_TRUE(frame->bar.LoadToolBar(kBar));
    ASSERT_EQ(frame->bar.GetCount(), 5);
    EXPECT_EQ(frame->bar.GetItemID(1), 0u);
    EXPECT_EQ(frame->bar.GetButtonStyle(1), TBBS_SEPARATOR);
    EXPECT_EQ(frame->bar.CommandToIndex(kPrint), 3);
    EXPECT_EQ(frame->bar.GetButtonTip(0), "Find");
    EXPECT_EQ(frame->bar.GetButtonTip(2), "Fixed Group");
    EXPECT_FALSE(frame->bar.LoadToolBar(27386));
    EXPECT_EQ(frame->bar.GetCount(), 5);
}

TEST_F(ToolBarTest, AClickSendsTheCommandAndIdleTimeEnablesAndChecksTheButtons) {
    MakeDockedBar();
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_EQ(frame->bar.GetButtonStyle(0), 0u);
    EXPECT_EQ(frame->bar.GetButtonStyle(2), 0u);
    EXPECT_EQ(frame->bar.GetButtonStyle(3), TBBS_DISABLED) << "its update handler greys it";
    EXPECT_EQ(frame->bar.GetButtonStyle(4), TBBS_DISABLED) << "no handler";

    ClickButton(0);
    EXPECT_EQ(frame->finds, 1);
    ClickButton(2);
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_EQ(frame->bar.GetButtonStyle(2), TBBS_CHECKED);
    ClickButton(2);
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_EQ(frame->bar.GetButtonStyle(2), 0u);

    // A press let go off its button, or on a greyed one, does nothing.
    CRect find;
    frame->bar.GetItemRect(0, &find);
    frame->bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(find.left + 2, find.top + 2));
    frame->bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(400, 2));
    EXPECT_EQ(frame->finds, 1);
    ClickButton(3);
    EXPECT_EQ(::GetCapture(), HWND());
}

TEST_F(ToolBarTest, TheGripperDocksTheBarOnTheNearestAllowedEdgeAsAColumnOnASide) {
    MakeDockedBar();
    CRect client;
    frame->GetClientRect(&client);
    const CRect top = PlaceOf(frame->bar);
    EXPECT_EQ(top.TopLeft(), CPoint(0, 0));
    EXPECT_EQ(top.Width(), client.Width());
    EXPECT_EQ(PlaceOf(pane).top, top.bottom);

    DragGripperTo(CPoint(5, client.Height() / 2));
    EXPECT_EQ(frame->bar.GetDockBarID(), AFX_IDW_DOCKBAR_LEFT);
    const CRect left = PlaceOf(frame->bar);
    EXPECT_EQ(left.Height(), client.Height());
    EXPECT_LT(left.Width(), 2 * top.Height());
    EXPECT_EQ(PlaceOf(pane).left, left.right);
    CRect first;
    CRect second;
    frame->bar.GetItemRect(0, &first);
    frame->bar.GetItemRect(2, &second);
    EXPECT_EQ(first.left, second.left) << "one column";
    EXPECT_LT(first.bottom, second.top + 1);

    // The bottom edge is not allowed for this bar: the nearest allowed one wins.
    frame->bar.EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT | CBRS_ALIGN_TOP);
    DragGripperTo(CPoint(client.Width() / 2 - 40, client.bottom - 2));
    EXPECT_EQ(frame->bar.GetDockBarID(), AFX_IDW_DOCKBAR_LEFT);
    DragGripperTo(CPoint(client.right - 2, client.bottom - 2));
    EXPECT_EQ(frame->bar.GetDockBarID(), AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(PlaceOf(frame->bar).right, client.right);
}

TEST_F(ToolBarTest, ALayoutComesBackAndOneThatCannotBeAppliedThrowsLeavingAllAsItWas) {
    MakeDockedBar();
    DragGripperTo(CPoint(2, 200));
    CDockState state;
    frame->GetDockState(state);
    ASSERT_EQ(state.m_arrBarInfo.size(), 1u);
    EXPECT_EQ(state.m_arrBarInfo[0].nBarID, AFX_IDW_TOOLBAR);
    EXPECT_EQ(state.m_arrBarInfo[0].nDockBarID, AFX_IDW_DOCKBAR_LEFT);

    frame->DockControlBar(&frame->bar, AFX_IDW_DOCKBAR_TOP);
    frame->SetDockState(state);
    EXPECT_EQ(frame->bar.GetDockBarID(), AFX_IDW_DOCKBAR_LEFT);

    CDockState foreign;
    foreign.m_arrBarInfo = state.m_arrBarInfo;
    foreign.m_arrBarInfo.push_back({27999, TRUE, FALSE, CPoint(), AFX_IDW_DOCKBAR_TOP});
    foreign.m_arrBarInfo[0].nDockBarID = AFX_IDW_DOCKBAR_BOTTOM;
    EXPECT_THROW(frame->SetDockState(foreign), CException);
    EXPECT_EQ(frame->bar.GetDockBarID(), AFX_IDW_DOCKBAR_LEFT);

    frame->bar.EnableDocking(CBRS_ALIGN_TOP);
    EXPECT_THROW(frame->SetDockState(state), CException) << "an edge the bar may not take";
    state.Clear();
    EXPECT_NO_THROW(frame->SetDockState(state));
    EXPECT_EQ(frame->bar.GetDockBarID(), AFX_IDW_DOCKBAR_LEFT);
}

} // namespace
