// The Main tool bar's options: the first build, hiding the configuration and the advanced tools,
// simple mode, compact view and the lock.
#include "app/HalbridgeApp.h"
#include "app/mainframe/MainFrame.h"
#include "platform/afx/CCmdUI.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/CXTPToolBar.h"
#include "resources/ResourceIds.h"

namespace {

constexpr LPCSTR kSettings = "Settings";
constexpr LPCSTR kToolBarInit = "ToolBarInit";
constexpr LPCSTR kHideConfiguration = "ToolBarHideConfiguration";
constexpr LPCSTR kHideAdvancedTools = "ToolBarHideAdvancedTools";

// Never shown on the bar.
constexpr int kRetiredControl = 27225;
// Taken off the bar by its first build; the user may put them back.
constexpr int kHiddenAtFirst[] = {28988, 29318, 27249, 1645,  27182, 1621,
                                  27017, 28343, 57651, 57652, 57650, 29937};

CHalbridgeApp& App() {
    return *CHalbridgeApp::Get();
}

bool SimpleModeOn() {
    return App().m_simpleMode || App().IsForcedSimpleMode();
}

} // namespace

void CMainFrame::UpdateMainToolBar() {
    CScanApp::Trace(kTraceSource, __LINE__);
    if (!m_pMainToolBar) {
        return;
    }
    if (CXTPControl* control = m_pMainToolBar->FindControl(kRetiredControl)) {
        control->SetVisible(FALSE);
    }
    m_bToolBarLock = App().GetProfileIntA("MainFrame", "ToolBarLock", m_bToolBarLock);
    GetCommandBars()->EnableCustomization(!m_bToolBarLock);
    if (App().GetProfileIntA(kSettings, kToolBarInit, 0) != 0) {
        RefreshMainToolBar();
        return;
    }
    App().WriteProfileInt(kSettings, kHideConfiguration, 1);
    App().WriteProfileInt(kSettings, kHideAdvancedTools, 1);
    for (const int id : kHiddenAtFirst) {
        if (CXTPControl* control = m_pMainToolBar->FindControl(id)) {
            control->SetHideFlag(xtpHideCustomize, TRUE);
        }
    }
    App().WriteProfileInt(kSettings, kHideConfiguration, 1);
    OnHideConfiguration();
    App().WriteProfileInt(kSettings, kHideAdvancedTools, 1);
    OnHideAdvancedTools();
    AddUserToolsPlace();
    RefreshMainToolBar();
    App().WriteProfileInt(kSettings, kToolBarInit, 1);
}

void CMainFrame::RefreshMainToolBar() {
    if (m_pMainToolBar) {
        m_pMainToolBar->OnInitialUpdate();
    }
}

void CMainFrame::OnHideConfiguration() {
    const int hide = App().GetProfileIntA(kSettings, kHideConfiguration, 0) == 0 ? 1 : 0;
    App().WriteProfileInt(kSettings, kHideConfiguration, hide);
    ApplyHideConfiguration(hide);
    RefreshMainToolBar();
}

void CMainFrame::ApplyHideConfiguration(int hide) {
    CXTPControl* button =
        m_pMainToolBar ? m_pMainToolBar->FindControl(ID_SETTINGS_CONFIGURATION) : nullptr;
    if (!button) {
        return;
    }
    // Without the rights to change the configuration the button is of no use.
    if (App().IsUserAccountControlOn() && !App().IsAdminUser()) {
        button->SetVisible(FALSE);
        return;
    }
    button->SetHideFlag(xtpHideCustomize, hide != 0 || SimpleModeOn());
}

void CMainFrame::OnUpdateHideConfiguration(CCmdUI* pCmdUI) {
    pCmdUI->Enable(!SimpleModeOn());
    pCmdUI->SetCheck(App().GetProfileIntA(kSettings, kHideConfiguration, 0) != 0);
}

void CMainFrame::OnHideAdvancedTools() {
    const int hide = App().GetProfileIntA(kSettings, kHideAdvancedTools, 0) == 0 ? 1 : 0;
    App().WriteProfileInt(kSettings, kHideAdvancedTools, hide);
    RefreshMainToolBar();
}

void CMainFrame::OnUpdateHideAdvancedTools(CCmdUI* pCmdUI) {
    pCmdUI->Enable(!SimpleModeOn());
    pCmdUI->SetCheck(App().GetProfileIntA(kSettings, kHideAdvancedTools, 0) != 0);
}

void CMainFrame::OnSimpleMode() {
    CHalbridgeApp& app = App();
    app.m_simpleMode = !app.m_simpleMode;
    app.WriteProfileInt(kSettings, "UseSimpleMode", app.m_simpleMode);
    if (app.m_simpleMode) {
        app.WriteProfileInt(kSettings, kHideConfiguration, 0);
        OnHideConfiguration();
        app.WriteProfileInt(kSettings, kHideAdvancedTools, 0);
        OnHideAdvancedTools();
    }
    app.WriteProfileInt(kSettings, kToolBarInit, 0);
    UpdateMainToolBar();
}

void CMainFrame::OnUpdateSimpleMode(CCmdUI* pCmdUI) {
    pCmdUI->Enable(!App().IsForcedSimpleMode());
    pCmdUI->SetCheck(SimpleModeOn());
}

void CMainFrame::OnCompactView() {
    CHalbridgeApp& app = App();
    app.m_compactView = !app.m_compactView;
    app.WriteProfileInt(kSettings, "UseCompactView", app.m_compactView);
}

void CMainFrame::OnUpdateCompactView(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(App().m_compactView);
}

void CMainFrame::OnLockToolBars() {
    m_bToolBarLock = !m_bToolBarLock;
    GetCommandBars()->EnableCustomization(!m_bToolBarLock);
    App().WriteProfileInt("MainFrame", "ToolBarLock", m_bToolBarLock);
    RefreshMainToolBar();
    // What is locked is kept as it is now.
    if (m_bToolBarLock) {
        SaveCommandBars(kCommandBarsSection);
    }
}

void CMainFrame::OnUpdateLockToolBars(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_bToolBarLock);
}
