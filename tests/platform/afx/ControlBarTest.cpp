#include "tests/platform/afx/AfxTest.h"

#include <vector>

namespace {

constexpr UINT kPanel = 27252;
constexpr UINT kRecord = 27038;
constexpr UINT kStop = 27037;
constexpr UINT kBorderTop = 0x0200;
constexpr UINT kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM;

// A radio window that handles the record command and greys the stop button.
class CRadioFrameStandIn : public CFrameWnd {
public:
    int records = 0;

protected:
    void OnRecord() { ++records; }
    void OnUpdateStop(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRadioFrameStandIn, CFrameWnd)
ON_COMMAND(kRecord, &CRadioFrameStandIn::OnRecord)
ON_UPDATE_COMMAND_UI(kStop, &CRadioFrameStandIn::OnUpdateStop)
END_MESSAGE_MAP()

// Counts the client set-ups and the objects that went away.
class CTestMiniFrame : public CMiniFrameWnd {
public:
    explicit CTestMiniFrame(int& gone) : m_gone(gone) {}
    ~CTestMiniFrame() override { ++m_gone; }

    int clientSetUps = 0;
    CDialogBar panel;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override {
        ++clientSetUps;
        return panel.Create(this, MAKEINTRESOURCE(kPanel), WS_CHILD | WS_VISIBLE, kPanel) &&
               CFrameWnd::OnCreateClient(lpcs, pContext);
    }

private:
    int& m_gone;
};

class ControlBarTest : public hb::afx::test::AfxTest {
protected:
    ControlBarTest() {
        UseProgramResources({.dialogs = {{.id = kPanel,
                                          .style = WS_CHILD,
                                          .cx = 120,
                                          .cy = 20,
                                          .controls = {{.id = kRecord,
                                                        .className = "Button",
                                                        .text = "Rec",
                                                        .style = WS_CHILD | WS_VISIBLE,
                                                        .cx = 30,
                                                        .cy = 12},
                                                       {.id = kStop,
                                                        .className = "Button",
                                                        .text = "Stop",
                                                        .style = WS_CHILD | WS_VISIBLE,
                                                        .x = 40,
                                                        .cx = 30,
                                                        .cy = 12},
                                                       {.id = 27034,
                                                        .className = "Button",
                                                        .text = "L/O",
                                                        .style = WS_CHILD | WS_VISIBLE,
                                                        .x = 80,
                                                        .cx = 30,
                                                        .cy = 12}}}}});
        radio->Create(nullptr, "Radio", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300));
    }
    ~ControlBarTest() override {
        if (::IsWindow(radioWindow)) {
            radio->DestroyWindow();
        }
    }

    CRadioFrameStandIn* radio = new CRadioFrameStandIn;
    HWND radioWindow = radio->m_hWnd;
};

TEST_F(ControlBarTest, ADialogBarIsMadeFromItsTemplateAndKeepsItsBarBitsApart) {
    CDialogBar bar;
    ASSERT_TRUE(bar.Create(radio, MAKEINTRESOURCE(kPanel), kBarStyle | kBorderTop, 59393));
    const RECT size = hb::afx::DluToPixels({0, 0, 120, 20});
    EXPECT_EQ(bar.m_sizeDefault, CSize(size.right, size.bottom));
    EXPECT_EQ(bar.GetBarStyle(), CBRS_ALIGN_BOTTOM | kBorderTop);
    EXPECT_EQ(bar.GetStyle() & 0xFFFF, 0u);
    EXPECT_TRUE(bar.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(bar.GetDlgCtrlID(), 59393);
    EXPECT_TRUE(bar.GetDlgItem(kStop));
    EXPECT_FALSE(bar.IsFloating());
}

TEST_F(ControlBarTest, AMissingTemplateMakesNoWindow) {
    CDialogBar bar;
    EXPECT_FALSE(bar.Create(radio, MAKEINTRESOURCE(27386), kBarStyle, 27386));
    EXPECT_FALSE(bar.m_hWnd);
    EXPECT_FALSE(::GetWindow(radio->m_hWnd, GW_CHILD));
}

TEST_F(ControlBarTest, TheFrameGivesTheBarItsEdgeAndThePaneTheRest) {
    CDialogBar bar;
    ASSERT_TRUE(bar.Create(radio, MAKEINTRESOURCE(kPanel), kBarStyle, 59393));
    CWnd pane;
    ASSERT_TRUE(pane.Create(nullptr, nullptr, WS_VISIBLE, CRect(), radio, AFX_IDW_PANE_FIRST));
    radio->RecalcLayout();
    CRect client;
    radio->GetClientRect(&client);
    CRect barRect;
    bar.GetWindowRect(&barRect);
    radio->ScreenToClient(&barRect);
    EXPECT_EQ(barRect, CRect(0, client.bottom - bar.m_sizeDefault.cy, client.right, client.bottom));
    CRect paneRect;
    pane.GetWindowRect(&paneRect);
    radio->ScreenToClient(&paneRect);
    EXPECT_EQ(paneRect, CRect(0, 0, client.right, barRect.top));
}

TEST_F(ControlBarTest, IdleUpdatesFollowTheFramesHandlers) {
    CDialogBar bar;
    ASSERT_TRUE(bar.Create(radio, MAKEINTRESOURCE(kPanel), kBarStyle, 59393));
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(bar.GetDlgItem(kRecord)->IsWindowEnabled()) << "handled by the frame";
    EXPECT_FALSE(bar.GetDlgItem(kStop)->IsWindowEnabled()) << "its update handler";
    EXPECT_FALSE(bar.GetDlgItem(27034)->IsWindowEnabled()) << "no handler";

    bar.GetDlgItem(27034)->EnableWindow(TRUE);
    bar.SendMessage(WM_IDLEUPDATECMDUI, FALSE);
    EXPECT_TRUE(bar.GetDlgItem(27034)->IsWindowEnabled());
}

TEST_F(ControlBarTest, TheHolderDeletesTheBar) {
    auto* bar = new CDialogBar;
    ASSERT_TRUE(bar->Create(radio, MAKEINTRESOURCE(kPanel), kBarStyle, 59393));
    EXPECT_FALSE(bar->m_bAutoDelete);
    bar->DestroyWindow();
    EXPECT_FALSE(bar->m_hWnd);
    // Still ours to delete: the sanitizer reports a second delete.
    delete bar;
}

TEST_F(ControlBarTest, AMiniFrameIsAToolWindowOverItsOwnerThatDeletesItself) {
    int gone = 0;
    auto* mini = new CTestMiniFrame(gone);
    CButton child;
    ASSERT_TRUE(child.Create("V1", WS_VISIBLE, CRect(0, 0, 20, 10), radio, 27745));
    ASSERT_TRUE(mini->Create(nullptr, "Halbridge Pro",
                             WS_CAPTION | WS_SYSMENU | MFS_THICKFRAME | MFS_SYNCACTIVE,
                             CRect(10, 10, 20, 20), &child));
    EXPECT_EQ(mini->clientSetUps, 1);
    EXPECT_EQ(mini->GetStyle() & (WS_POPUP | WS_THICKFRAME | WS_CAPTION | WS_SYSMENU | 0xFFFF),
              WS_POPUP | WS_THICKFRAME | WS_CAPTION | WS_SYSMENU);
    EXPECT_TRUE(mini->GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_EQ(::GetWindow(mini->m_hWnd, GW_OWNER), radio->m_hWnd);
    EXPECT_TRUE(mini->panel.IsFloating());

    mini->SetWindowPos(&CWnd::wndTopMost, 100, 100, 200, 80, SWP_SHOWWINDOW);
    EXPECT_TRUE(mini->GetExStyle() & WS_EX_TOPMOST);

    mini->DestroyWindow();
    EXPECT_EQ(gone, 1);
}

TEST_F(ControlBarTest, AMiniFrameWithoutAParentHasNoOwnerAndNoSizingBorderUnlessAsked) {
    int gone = 0;
    auto* mini = new CTestMiniFrame(gone);
    ASSERT_TRUE(mini->Create(nullptr, "Mini", WS_CAPTION, CRect(10, 10, 20, 20)));
    EXPECT_FALSE(::GetWindow(mini->m_hWnd, GW_OWNER));
    EXPECT_FALSE(mini->GetStyle() & WS_THICKFRAME);
    mini->DestroyWindow();
    EXPECT_EQ(gone, 1);
}

} // namespace
