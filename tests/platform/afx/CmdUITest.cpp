#include "tests/platform/afx/AfxTest.h"

#include <optional>
#include <string>
#include <vector>

namespace {

class CRecordingCmdUI : public CCmdUI {
public:
    explicit CRecordingCmdUI(UINT id) { m_nID = id; }

    void Enable(BOOL bOn) override {
        CCmdUI::Enable(bOn);
        enabled = bOn;
    }
    void SetCheck(int nCheck) override { checked = nCheck; }

    std::optional<BOOL> enabled;
    std::optional<int> checked;
};

// What the application would hold: the end of the route.
class CAppTarget : public CCmdTarget {
public:
    int runs = 0;

protected:
    void OnAppCommand() { ++runs; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAppTarget, CCmdTarget)
ON_COMMAND(27008, &CAppTarget::OnAppCommand)
END_MESSAGE_MAP()

class CPanelBase : public CWnd {
protected:
    void OnBaseCommand() {}

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPanelBase, CWnd)
ON_COMMAND(10, &CPanelBase::OnBaseCommand)
END_MESSAGE_MAP()

// A frame-like window that passes what it does not handle on to the application.
class CRoutingPanel : public CPanelBase {
public:
    CAppTarget* app = nullptr;
    std::vector<UINT> updated;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
        return CPanelBase::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
               (app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo));
    }

protected:
    void OnCommand1() {}
    void OnMute() {}
    void OnUpdateChecks(CCmdUI* pCmdUI) {
        updated.push_back(pCmdUI->m_nID);
        pCmdUI->SetCheck(1);
    }
    void OnUpdateEnable(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    void OnUpdateDisable(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingPanel, CPanelBase)
ON_COMMAND(1, &CRoutingPanel::OnCommand1)
ON_COMMAND(28039, &CRoutingPanel::OnMute)
ON_UPDATE_COMMAND_UI(28039, &CRoutingPanel::OnUpdateChecks)
ON_UPDATE_COMMAND_UI_RANGE(20, 22, &CRoutingPanel::OnUpdateChecks)
ON_UPDATE_COMMAND_UI(4, &CRoutingPanel::OnUpdateEnable)
ON_UPDATE_COMMAND_UI(1, &CRoutingPanel::OnUpdateDisable)
END_MESSAGE_MAP()

class CmdUITest : public hb::afx::test::AfxTest {
protected:
    CmdUITest() { panel.app = &app; }

    CRecordingCmdUI Update(UINT id, BOOL disableIfNoHandler = TRUE) {
        CRecordingCmdUI state(id);
        handled = state.DoUpdate(&panel, disableIfNoHandler);
        return state;
    }

    CAppTarget app;
    CRoutingPanel panel;
    BOOL handled = FALSE;
};

TEST_F(CmdUITest, ACommandIsEnabledExactlyWhenTheRouteHasAHandler) {
    EXPECT_EQ(Update(10).enabled, TRUE);    // base class map
    EXPECT_EQ(Update(27008).enabled, TRUE); // further along the route
    EXPECT_FALSE(handled);
    EXPECT_EQ(Update(3).enabled, FALSE);
    EXPECT_EQ(Update(3, FALSE).enabled, std::nullopt);
}

TEST_F(CmdUITest, AnUpdateHandlerThatSetsTheStateWins) {
    EXPECT_EQ(Update(4).enabled, TRUE); // no command handler
    EXPECT_TRUE(handled);
    EXPECT_EQ(Update(1).enabled, FALSE); // despite its command handler

    // Only the check set: the enabled state still follows the handler.
    const auto mute = Update(28039);
    EXPECT_EQ(mute.checked, 1);
    EXPECT_EQ(mute.enabled, TRUE);
    const auto ranged = Update(21);
    EXPECT_EQ(ranged.checked, 1);
    EXPECT_EQ(ranged.enabled, FALSE);
    EXPECT_EQ(Update(23).checked, std::nullopt);
    EXPECT_EQ(panel.updated, (std::vector<UINT>{28039, 21}));
}

TEST_F(CmdUITest, CommandsFollowTheExtendedRoute) {
    panel.CreateEx(0, nullptr, "frame", WS_OVERLAPPED, CRect(0, 0, 10, 10), nullptr, 0);
    EXPECT_TRUE(panel.SendMessage(WM_COMMAND, 27008));
    EXPECT_EQ(app.runs, 1);
    EXPECT_FALSE(panel.SendMessage(WM_COMMAND, 27009));
}

TEST_F(CmdUITest, TheBaseStateDrivesItsControlWindow) {
    CWnd bar;
    bar.CreateEx(0, nullptr, "bar", WS_OVERLAPPED, CRect(0, 0, 100, 20), nullptr, 0);
    CWnd button;
    ASSERT_TRUE(button.SubclassWindow(MakeChild(bar, 3, "Button", BS_AUTOCHECKBOX)));
    CCmdUI state;
    state.m_nID = 3;
    state.m_pOther = &button;
    state.DoUpdate(&panel, TRUE);
    EXPECT_FALSE(button.IsWindowEnabled());
    state.Enable();
    state.SetCheck(1);
    state.SetText("Mute");
    EXPECT_TRUE(button.IsWindowEnabled());
    EXPECT_EQ(button.SendMessage(BM_GETCHECK), BST_CHECKED);
    state.SetRadio(FALSE);
    EXPECT_EQ(button.SendMessage(BM_GETCHECK), BST_UNCHECKED);
    CString text;
    button.GetWindowText(text);
    EXPECT_EQ(text, "Mute");
}

} // namespace
