#include "app/mainframe/MainFrame.h"

#include "app/HalbridgeApp.h"
#include "app/mainframe/ControlTools.h"
#include "app/mainframe/UserTool.h"
#include "app/wizard/Wizard.h"
#include "audio/MixerView.h"
#include "platform/afx/CDockState.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/ToolkitMessages.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/toolkit/CDockingFrameWnd.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/CXTPDockingPaneLayout.h"
#include "platform/toolkit/CXTPMenuBar.h"
#include "platform/toolkit/CXTPPaintManager.h"
#include "platform/toolkit/CXTPTabControl.h"
#include "platform/toolkit/CXTPToolBar.h"
#include "platform/toolkit/CXTThemeManager.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CMainFrame, CXTPMDIFrameWnd)

namespace {

constexpr LPCSTR kPaneLayout = "PaneLayout";
// The dock state and the window position.
constexpr LPCSTR kWindowPosition = "MainWindow";

// A child along the bottom with a line along its top, clipping its neighbours.
constexpr DWORD kStatusBarStyle = 0x56008200;
// The message pane, CAPS, NUM and SCRL, then the date and the time.
constexpr UINT kIndicators[] = {
    0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL, ID_DATE_PANE, ID_TIME_PANE};
constexpr int kDatePaneIndex = 4;
constexpr int kTimePaneIndex = 5;

constexpr CRect kVolumePaneRect{0, 0, 300, 120};
constexpr DWORD kVolumePaneOptions = 0x11;
constexpr DWORD kMixerViewStyle = WS_CHILD | WS_VISIBLE;
// A pane no longer wanted that an older layout may still hold.
constexpr int kRetiredPane = 27403;

constexpr int kDockingTheme = 1;
constexpr int kFloatingTheme = 2;
constexpr int kToolkitTheme = 3;
constexpr int kPlainPaintTheme = 0;
constexpr int kPaintTheme = 2;
constexpr int kSplashMode = 7;
constexpr UINT kFirstRunPaneDelay = 500;

// Commands of the MDI client's own object.
constexpr UINT kClientCommandFirst = 9155;
constexpr UINT kClientCommandLast = 9158;

constexpr int kResumeWizard = -1;

CHalbridgeApp& App() {
    return *CHalbridgeApp::Get();
}

} // namespace

CMainFrame::CMainFrame() {
    CScanApp::Trace(kTraceSource, __LINE__);
    m_nWindowArrange = App().GetProfileIntA("Settings", "WindowArrange", 0);
}

BOOL CMainFrame::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                           CCreateContext* pContext) {
    CScanApp::Trace(kTraceSource, __LINE__);
    // A frame that fails to load has deleted itself: nothing of it may be touched after.
    if (!CXTPMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) {
        return FALSE;
    }
    if (CXTPCommandBars* bars = GetCommandBars()) {
        CXTPShortcutManager* shortcuts = bars->GetShortcutManager();
        if (shortcuts->GetDefaultAccelerator()) {
            m_hAccelTable = {};
        }
        shortcuts->LoadShortcuts(kCommandBarsSection);
    }
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    CScanApp::Trace(kTraceSource, __LINE__);
    if (CXTPMDIFrameWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    CScanApp::Trace(kTraceSource, __LINE__);
    if (!m_wndStatusBar.Create(this, kStatusBarStyle, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators)))) {
        return -1;
    }
    m_nDatePane = kDatePaneIndex;
    m_nTimePane = kTimePaneIndex;
    CScanApp::Trace(kTraceSource, __LINE__);
    hb::app::LoadUserTools();
    CControlTools::Register();
    if (!InitCommandBars(RUNTIME_CLASS(CXTPCommandBars)) || !GetCommandBars()) {
        return -1;
    }
    if (!CreateBars()) {
        return -1;
    }
    CScanApp::Trace(kTraceSource, __LINE__);
    m_paneManager.InstallDockingPanes(this, TRUE);
    m_paneManager.SetTheme(kDockingTheme);
    CScanApp::Trace(kTraceSource, __LINE__);
    App().ResetCommandBarTheme(GetCommandBars());
    CXTThemeManager::SetTheme(kToolkitTheme);
    if (!CXTPPaintManager::Instance()) {
        CXTPPaintManager::SetTheme(kPlainPaintTheme);
    }
    CXTPPaintManager::SetTheme(kPaintTheme);
    CScanApp::Trace(kTraceSource, __LINE__);
    if (!App().IsAudioLoggingUnavailable()) {
        CreateVolumePane();
    }
    CScanApp::Trace(kTraceSource, __LINE__);
    RestorePanes();
    CScanApp::Trace(kTraceSource, __LINE__);
    if (m_nWindowArrange == kArrangeTabbed) {
        InstallTabs();
    }
    CScanApp::Trace(kTraceSource, __LINE__);
    App().SplashScreen(kSplashMode, IDB_SPLASH);
    // The date and the time show from the first paint on, not only after the first idle time.
    m_wndStatusBar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    CScanApp::Trace(kTraceSource, __LINE__);
    return 0;
}

bool CMainFrame::CreateBars() {
    CXTPCommandBars& bars = *GetCommandBars();
    CScanApp::Trace(kTraceSource, __LINE__);
    CXTPMenuBar* menuBar = bars.SetMenu("Menu Bar", App().GetMasterMenu());
    if (!menuBar) {
        return false;
    }
    m_menuFont.CreateFontIndirect(&App().GetLogFont());
    menuBar->SendMessage(WM_SETFONT, hb::win::ParamFromHandle(HFONT(m_menuFont)), TRUE);
    CScanApp::Trace(kTraceSource, __LINE__);
    m_pMainToolBar = bars.Add("Main", xtpBarTop);
    if (!m_pMainToolBar || !m_pMainToolBar->LoadToolBar(IDR_MAINFRAME, TRUE)) {
        return false;
    }
    CScanApp::Trace(kTraceSource, __LINE__);
    LoadCommandBars(kCommandBarsSection);
    UpdateMainToolBar();
    return true;
}

void CMainFrame::CreateVolumePane() {
    CXTPDockingPane* pane =
        m_paneManager.CreatePane(kVolumePane, kVolumePaneRect, xtpPaneDockLeft, nullptr);
    if (!pane) {
        return;
    }
    pane->SetTitle("Volume");
    pane->SetIconID(ID_SETTINGS_AUDIO_LOGGER);
    pane->SetOptions(kVolumePaneOptions);
}

void CMainFrame::RestorePanes() {
    m_paneManager.SetTheme(kFloatingTheme);
    m_paneManager.SetThemedFloatingFrames(TRUE);
    if (App().GetProfileIntA("Settings", "DockingWindowsInit", 0) != 0) {
        CXTPDockingPaneLayout layout(&m_paneManager);
        if (layout.Load(kPaneLayout)) {
            m_paneManager.SetLayout(&layout);
        } else {
            for (CXTPDockingPane* pane : m_paneManager.GetPaneList()) {
                pane->Hide();
            }
        }
        return;
    }
    m_bFirstDockingRun = TRUE;
    App().WriteProfileInt("Settings", "DockingWindowsInit", 1);
    SetTimer(kPaneTimer, kFirstRunPaneDelay, nullptr);
}

void CMainFrame::InstallTabs() {
    constexpr BOOL kShowIcons = TRUE;
    m_wndMDITabs.Install(this, TCS_HOTTRACK, kShowIcons);
    m_wndMDITabs.m_bShowBorder = FALSE;
    m_wndMDITabs.m_nBorderGap = ::GetSystemMetrics(SM_CXFRAME);
}

void CMainFrame::OnClose() {
    CScanApp::Trace(kTraceSource, __LINE__);
    CXTPDockingPaneLayout layout(&m_paneManager);
    m_paneManager.GetLayout(&layout);
    layout.Save(kPaneLayout);
    if (CXTPCommandBars* bars = GetCommandBars()) {
        if (CXTPMenuBar* menuBar = bars->GetMenuBar()) {
            menuBar->FreeMDIMenus();
        }
        // Locked bars keep what was saved when they were locked.
        if (!m_bToolBarLock) {
            SaveCommandBars(kCommandBarsSection);
        }
    }
    CXTPMDIFrameWnd::OnClose();
}

void CMainFrame::OnDestroy() {
    CScanApp::Trace(kTraceSource, __LINE__);
    CDockState dockState;
    GetDockState(dockState);
    dockState.SaveState(kWindowPosition);
    App().SaveWindowPosition(this, kWindowPosition);
    CXTPMDIFrameWnd::OnDestroy();
}

void CMainFrame::OnSize(UINT nType, int cx, int cy) {
    CXTPMDIFrameWnd::OnSize(nType, cx, cy);
    const int last = m_nLastSizeType;
    m_nLastSizeType = static_cast<int>(nType);
    if (nType == SIZE_MINIMIZED) {
        if (App().m_muteWhenMinimized) {
            CAudioLog::MasterMute(1);
        }
    } else if (nType == SIZE_MAXIMIZED) {
        CAudioLog::MasterMute(0);
    } else if (nType == SIZE_RESTORED) {
        // Only coming back from minimised or maximised: dragging the border keeps the user's
        // mute.
        if (last == -1 || last == SIZE_MINIMIZED || last == SIZE_MAXIMIZED) {
            CAudioLog::MasterMute(0);
        }
    }
}

void CMainFrame::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == SC_MINIMIZE) {
        ShowWindow(SW_SHOWMINIMIZED);
        return;
    }
    CXTPMDIFrameWnd::OnSysCommand(nID, lParam);
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent) {
    CXTPMDIFrameWnd::OnTimer(nIDEvent);
    switch (nIDEvent) {
    case kShowTimer:
        ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0);
        break;
    case kWizardTimer:
        if (GetActiveFrame() == this) {
            KillTimer(kWizardTimer);
            CWizard wizard(kResumeWizard, this, nullptr);
            wizard.DoModal();
        }
        break;
    case kPaneTimer:
        KillTimer(kPaneTimer);
        for (CXTPDockingPane* pane : m_paneManager.GetPaneList()) {
            if (pane->GetID() == kRetiredPane || m_bFirstDockingRun) {
                pane->EnsureVisible();
                pane->Hide();
            }
        }
        if (m_bFirstDockingRun && m_pMixerView) {
            m_pMixerView->SendMessage(WM_INITIALUPDATE);
        }
        break;
    default:
        break;
    }
}

void CMainFrame::OnSettingChange(UINT, LPCSTR) {}

LRESULT CMainFrame::OnDockingPaneNotify(WPARAM wParam, LPARAM lParam) {
    if (wParam == DOCKING_PANE_SHOW_WINDOW) {
        auto* pane = reinterpret_cast<CXTPDockingPane*>(lParam);
        if (pane && !pane->IsValid() && pane->GetID() == kVolumePane) {
            m_pVolumePane = pane;
            m_pMixerView = new CMixerView;
            m_pMixerView->Create(nullptr, "Volume", kMixerViewStyle, kVolumePaneRect, this,
                                 kVolumePane);
            m_pMixerView->SetOwner(this);
            pane->Attach(m_pMixerView);
            // A first start sets the view up once its panes are put away: sized to its rows
            // while still out, the pane would move the windows beside it twice.
            if (!m_bFirstDockingRun) {
                m_pMixerView->SendMessage(WM_INITIALUPDATE);
            }
        }
        return 1;
    }
    if (wParam == DOCKING_PANE_ACTION) {
        const auto* action = reinterpret_cast<const XTP_DOCKINGPANE_ACTION*>(lParam);
        if (action && action->action == DOCKING_PANE_ACTION_SIZING && action->pane &&
            action->pane->GetID() == kVolumePane && m_pMixerView) {
            const CSize size = m_pMixerView->GetContentSize();
            action->pane->SetMinTrackSize(size);
            action->pane->SetMaxTrackSize(size);
            m_paneManager.RecalcFrameLayout(action->pane, FALSE);
            m_paneManager.RedrawPanes();
        }
    }
    return 0;
}

LRESULT CMainFrame::OnRecalcLayout(WPARAM, LPARAM) {
    RecalcLayout(TRUE);
    return 0;
}

LRESULT CMainFrame::OnRebuildToolBar(WPARAM, LPARAM) {
    App().WriteProfileInt("Settings", "ToolBarInit", 0);
    UpdateMainToolBar();
    return 0;
}

LRESULT CMainFrame::OnIgnoredMessage(WPARAM, LPARAM) {
    return 0;
}

CFrameWnd* CMainFrame::FocusDockingFrame() const {
    CWnd* focus = CWnd::GetFocus();
    CFrameWnd* frame = focus ? focus->GetParentFrame() : nullptr;
    return frame && frame->IsKindOf(RUNTIME_CLASS(CDockingFrameWnd)) ? frame : nullptr;
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CFrameWnd* docking = FocusDockingFrame()) {
        if (docking->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
            return TRUE;
        }
        return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    if (nID >= kClientCommandFirst && nID <= kClientCommandLast) {
        CWnd* client = CWnd::FromHandlePermanent(m_hWndMDIClient);
        if (client && client->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
            return TRUE;
        }
    }
    return CXTPMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CFrameWnd* docking = FocusDockingFrame()) {
        if (docking->SendMessage(WM_COMMAND, wParam, lParam) != 0) {
            return TRUE;
        }
    }
    return CXTPMDIFrameWnd::OnCommand(wParam, lParam);
}
