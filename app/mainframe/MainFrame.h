#pragma once
// The program's main window: an MDI frame with the menu bar and the Main tool bar, a status bar
// and the docking pane manager. It keeps its bars, its pane layout and its position in the
// settings, and runs the setup wizard on command.
#include "platform/afx/CFont.h"
#include "platform/toolkit/CXTPDockingPaneManager.h"
#include "platform/toolkit/CXTPMDIFrameWnd.h"
#include "platform/toolkit/CXTPStatusBar.h"

class CXTPToolBar;

class CMainFrame : public CXTPMDIFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();

    // The shortcuts of the command bars take the place of the frame's own accelerators, and the
    // saved shortcuts are loaded.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    CString GetTitleText() const { return m_strTitle; }

    // The tool bar titled "Main"; the command bars own it.
    CXTPToolBar* m_pMainToolBar = nullptr;
    CXTPDockingPaneManager m_paneManager;
    CXTPStatusBar m_wndStatusBar;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnDestroy();
    void OnSetupWizard();

    DECLARE_MESSAGE_MAP()

private:
    // The menu bar's font, made from the application's font.
    CFont m_menuFont;
};
