#include "app/mainframe/MainFrame.h"

#include "app/Wizard.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/CXTPDockingPaneLayout.h"
#include "platform/toolkit/CXTPMenuBar.h"
#include "platform/toolkit/CXTPToolBar.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CMainFrame, CXTPMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CXTPMDIFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_COMMAND(ID_TOOLS_WIZARD, &CMainFrame::OnSetupWizard)
END_MESSAGE_MAP()

namespace {

constexpr LPCSTR kSource = "MainFrm";
constexpr LPCSTR kCommandBars = "CommandBars";
constexpr LPCSTR kPaneLayout = "PaneLayout";
constexpr LPCSTR kWindowPosition = "MainWindow";

// A child along the bottom with a line along its top, clipping its neighbours.
constexpr DWORD kStatusBarStyle = 0x56008200;
// The message pane, then CAPS, NUM and SCRL.
constexpr UINT kIndicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

} // namespace

CMainFrame::CMainFrame() {
    CScanApp::Trace(kSource, __LINE__);
}

BOOL CMainFrame::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                           CCreateContext* pContext) {
    CScanApp::Trace(kSource, __LINE__);
    // A frame that fails to load has deleted itself: nothing of it may be touched after.
    if (!CXTPMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) {
        return FALSE;
    }
    if (CXTPCommandBars* bars = GetCommandBars()) {
        CXTPShortcutManager* shortcuts = bars->GetShortcutManager();
        if (shortcuts->GetDefaultAccelerator()) {
            m_hAccelTable = {};
        }
        shortcuts->LoadShortcuts(kCommandBars);
    }
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    CScanApp::Trace(kSource, __LINE__);
    if (CXTPMDIFrameWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    CScanApp::Trace(kSource, __LINE__);
    if (!m_wndStatusBar.Create(this, kStatusBarStyle, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators)))) {
        return -1;
    }
    CScanApp::Trace(kSource, __LINE__);
    if (!InitCommandBars(RUNTIME_CLASS(CXTPCommandBars)) || !GetCommandBars()) {
        return -1;
    }
    CXTPCommandBars& bars = *GetCommandBars();
    CScanApp& app = *CScanApp::GetScanApp();
    CScanApp::Trace(kSource, __LINE__);
    CXTPMenuBar* menuBar = bars.SetMenu("Menu Bar", app.GetMasterMenu());
    if (!menuBar) {
        return -1;
    }
    m_menuFont.CreateFontIndirect(&app.GetLogFont());
    menuBar->SetFont(&m_menuFont, TRUE);
    CScanApp::Trace(kSource, __LINE__);
    m_pMainToolBar = bars.Add("Main", xtpBarTop);
    if (!m_pMainToolBar || !m_pMainToolBar->LoadToolBar(IDR_MAINFRAME, TRUE)) {
        return -1;
    }
    CScanApp::Trace(kSource, __LINE__);
    LoadCommandBars(kCommandBars);
    CScanApp::Trace(kSource, __LINE__);
    m_paneManager.InstallDockingPanes(this, TRUE);
    m_paneManager.SetTheme(1);
    return 0;
}

void CMainFrame::OnClose() {
    CScanApp::Trace(kSource, __LINE__);
    CXTPDockingPaneLayout layout(&m_paneManager);
    m_paneManager.GetLayout(&layout);
    layout.Save(kPaneLayout);
    if (CXTPCommandBars* bars = GetCommandBars()) {
        if (CXTPMenuBar* menuBar = bars->GetMenuBar()) {
            menuBar->FreeMDIMenus();
        }
        // Locked bars keep what was saved when they were locked.
        if (bars->IsCustomizationEnabled()) {
            SaveCommandBars(kCommandBars);
        }
    }
    CXTPMDIFrameWnd::OnClose();
}

void CMainFrame::OnDestroy() {
    CScanApp::Trace(kSource, __LINE__);
    CScanApp::GetScanApp()->SaveWindowPosition(this, kWindowPosition);
    CXTPMDIFrameWnd::OnDestroy();
}

void CMainFrame::OnSetupWizard() {
    CScanApp::Trace(kSource, __LINE__);
    if (GetActiveFrame() != this) {
        MessageBeep(MB_ICONASTERISK);
        MessageBox(m_hWnd, "You must close all windows before you can use the wizard.",
                   "Close All Windows", MB_ICONEXCLAMATION);
        return;
    }
    constexpr int kStartMode = 0;
    CWizard wizard(kStartMode, this, nullptr);
    wizard.DoModal();
}
