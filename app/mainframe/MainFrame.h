#pragma once
// The program's main window: an MDI frame with the menu bar and the Main tool bar, a status bar
// with the date and the time, the docking pane manager with the Volume pane, and an optional row
// of tabs over the MDI area. It keeps its bars, its pane layout and its position in the settings,
// runs three timers (cycling the windows, resuming the wizard, tidying the panes) and carries the
// commands of the program's main window.

#include "platform/afx/CFont.h"
#include "platform/toolkit/CXTMDIWndTab.h"
#include "platform/toolkit/CXTPDockingPaneManager.h"
#include "platform/toolkit/CXTPMDIFrameWnd.h"
#include "platform/toolkit/CXTPStatusBar.h"

class CCmdUI;
class CGenericFrame;
class CMixerView;
class CMultiDocTemplate;
class CXTPToolBar;

class CMainFrame : public CXTPMDIFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    // Window arrangements, stored in "Settings"/"WindowArrange".
    static constexpr int kArrangeCascade = 57650;
    static constexpr int kArrangeTileHorizontal = 57651;
    static constexpr int kArrangeTileVertical = 57652;
    static constexpr int kArrangeTabbed = 29937;
    // The frame's timers.
    static constexpr UINT_PTR kShowTimer = 1;
    static constexpr UINT_PTR kWizardTimer = 2;
    static constexpr UINT_PTR kPaneTimer = 5;
    static constexpr int kVolumePane = 29592;

    CMainFrame();

    // The application's document template of the resource id, or null.
    static CMultiDocTemplate* FindTemplate(UINT id);

    // The shortcuts of the command bars take the place of the frame's own accelerators, and the
    // saved shortcuts are loaded.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    CString GetTitleText() const { return m_strTitle; }
    // Applies the tool-bar settings to the Main tool bar; "ToolBarInit" 0 builds it afresh.
    void UpdateMainToolBar();

    // A docking frame holding the focus sees commands before the frame does.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Set when the docking windows were never set up before this run.
    BOOL m_bFirstDockingRun = FALSE;
    // "MainFrame"/"ToolBarLock": the bars may not be customised while it is set.
    BOOL m_bToolBarLock = FALSE;
    int m_nWindowArrange = 0;
    int m_nDatePane = 0;
    int m_nTimePane = 0;
    CGenericFrame* m_pProgrammingManager = nullptr;
    CGenericFrame* m_pScannerManager = nullptr;
    CGenericFrame* m_pWebGrabber = nullptr;
    // Made for the Volume pane when it is first shown; the pane's window owns it then.
    CMixerView* m_pMixerView = nullptr;
    // The tool bar titled "Main"; the command bars own it.
    CXTPToolBar* m_pMainToolBar = nullptr;
    CXTMDIWndTab m_wndMDITabs;
    CXTPDockingPane* m_pVolumePane = nullptr;
    CXTPDockingPaneManager m_paneManager;
    CGenericFrame* m_pAudioPlayer = nullptr;
    CXTPStatusBar m_wndStatusBar;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnTimer(UINT_PTR nIDEvent);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    LRESULT OnDockingPaneNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnRecalcLayout(WPARAM wParam, LPARAM lParam);
    LRESULT OnRebuildToolBar(WPARAM wParam, LPARAM lParam);
    LRESULT OnIgnoredMessage(WPARAM wParam, LPARAM lParam);
    // A user tool's button: the tool of its tag runs, when the tag is still a tool of the list.
    BOOL OnUserTool(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    // The customize sheet gets the Tools page.
    LRESULT OnCustomizeSheet(WPARAM wParam, LPARAM lParam);

    // Commands.
    void OnFileOpenKind();
    void OnCascade();
    void OnTileHorizontal();
    void OnTileVertical();
    void OnTabbed();
    void OnUpdateTabbed(CCmdUI* pCmdUI);
    void OnShowMode();
    void OnEngineTrace();
    void OnSetupWizard();
    void OnAudioPlayer();
    void OnProgrammingManager();
    void OnScannerManager();
    void OnWebGrabber();
    void OnUpdateAudioPlayer(CCmdUI* pCmdUI);
    void OnUpdateProgrammingManager(CCmdUI* pCmdUI);
    void OnUpdateScannerManager(CCmdUI* pCmdUI);
    void OnUpdateWebGrabber(CCmdUI* pCmdUI);
    void OnTrunkIdFormat();
    void OnCloseVolumePane();
    void OnBeep();
    void OnCompactView();
    void OnUpdateCompactView(CCmdUI* pCmdUI);
    void OnSimpleMode();
    void OnUpdateSimpleMode(CCmdUI* pCmdUI);
    void OnHideConfiguration();
    void OnUpdateHideConfiguration(CCmdUI* pCmdUI);
    void OnHideAdvancedTools();
    void OnUpdateHideAdvancedTools(CCmdUI* pCmdUI);
    void OnLockToolBars();
    void OnUpdateLockToolBars(CCmdUI* pCmdUI);
    void OnUpdateDate(CCmdUI* pCmdUI);
    void OnUpdateTime(CCmdUI* pCmdUI);
    void OnVisualStyle(UINT nID);
    void OnUpdateVisualStyle(CCmdUI* pCmdUI);
    void OnNothing();
    void OnUpdateNothing(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    static constexpr LPCSTR kCommandBarsSection = "CommandBars";
    static constexpr LPCSTR kTraceSource = "MainFrm";

    // The steps of creation after the status bar and the command bars.
    bool CreateBars();
    void CreateVolumePane();
    void RestorePanes();
    void InstallTabs();
    // Cascade or tile: the tabs go, the client arranges its windows, the choice is stored.
    void Arrange(UINT message, WPARAM how, int arrangement);
    void StoreArrangement(int arrangement);
    // Opens the tool window of the template in the slot, or closes the one there.
    void ToggleToolWindow(CGenericFrame*& slot, UINT templateId);
    void ShowPaneText(CCmdUI* pCmdUI, int pane, const char* format);
    // The focus window's parent frame when it is a floating docking frame, else null.
    CFrameWnd* FocusDockingFrame() const;
    // The tool-bar toggles run by the first build and by simple mode.
    void ApplyHideConfiguration(int hide);
    void RefreshMainToolBar();
    // The first build of the Main tool bar ends with the place of the user tools.
    void AddUserToolsPlace();

    // The menu bar's font, made from the application's font.
    CFont m_menuFont;
    // The size type of the last WM_SIZE; -1 before the first.
    int m_nLastSizeType = -1;
};
