// The main frame's message map and its own commands: opening files by kind, arranging the
// windows, "Show" mode, the engine trace, the wizard, the tool windows, the date and time panes
// and the visual styles.
#include "app/HalbridgeApp.h"
#include "app/mainframe/MainFrame.h"
#include "app/wizard/Wizard.h"
#include "platform/afx/CCmdUI.h"
#include "platform/afx/CMultiDocTemplate.h"
#include "platform/afx/CTime.h"
#include "platform/engine/EngineApi.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/StatusCodes.h"
#include "platform/records/ToolkitMessages.h"
#include "platform/tessary/app/GenericDoc.h"
#include "platform/tessary/app/GenericFrame.h"
#include "platform/tessary/app/IdFormat.h"
#include "platform/win/core/MessageBox.h"
#include "resources/ResourceIds.h"

BEGIN_MESSAGE_MAP(CMainFrame, CXTPMDIFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_SYSCOMMAND()
ON_WM_TIMER()
ON_WM_SETTINGCHANGE()
ON_MESSAGE(WM_DOCKING_PANE_NOTIFY, &CMainFrame::OnDockingPaneNotify)
ON_MESSAGE(WM_RECALC_FRAME_LAYOUT, &CMainFrame::OnRecalcLayout)
ON_MESSAGE(WM_TOOLKIT_BAR_RESET, &CMainFrame::OnRebuildToolBar)
ON_NOTIFY_EX(COMMANDBAR_NOTIFY_EXECUTE, ID_TOOLS_USER_TOOL, &CMainFrame::OnUserTool)
ON_MESSAGE(WM_TOOLKIT_CUSTOMIZE_SHEET, &CMainFrame::OnCustomizeSheet)
ON_MESSAGE(WM_TOOLKIT_IGNORED_285E, &CMainFrame::OnIgnoredMessage)
ON_MESSAGE(WM_TOOLKIT_IGNORED_2868, &CMainFrame::OnIgnoredMessage)
ON_COMMAND(ID_FILE_OPEN_DBASE, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_PARADOX, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_GROUP, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_SCAN_LIST, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_EXCEL, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_SPECTRUM_ANALYZER, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_LOTUS, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_BAND_SCOPE, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_ACCESS, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_TRAFFIC_ANALYZER, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_SIGNAL_DATA_RECORDER, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_RANGE, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_MONITORING_ASSISTANT, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_INTERFERENCE_CORRELATOR, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_BAND_OCCUPANCY_SCOPE, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_KIND_28104, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_KIND_29318, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_KIND_27400, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_FILE_OPEN_KIND_27424, &CMainFrame::OnFileOpenKind)
ON_COMMAND(ID_WINDOW_CASCADE, &CMainFrame::OnCascade)
ON_COMMAND(ID_WINDOW_CASCADE_ALSO, &CMainFrame::OnCascade)
ON_COMMAND(ID_WINDOW_TILE_HORZ, &CMainFrame::OnTileHorizontal)
ON_COMMAND(ID_WINDOW_TILE_VERT, &CMainFrame::OnTileVertical)
ON_COMMAND(ID_WINDOW_TILE_VERT_ALSO, &CMainFrame::OnTileVertical)
ON_COMMAND(ID_WINDOW_TABBED, &CMainFrame::OnTabbed)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TABBED, &CMainFrame::OnUpdateTabbed)
ON_COMMAND(ID_VIEW_SHOW_MODE, &CMainFrame::OnShowMode)
ON_COMMAND(ID_VIEW_ENGINE_TRACE, &CMainFrame::OnEngineTrace)
ON_COMMAND(ID_TOOLS_WIZARD, &CMainFrame::OnSetupWizard)
ON_COMMAND(ID_TOOLS_AUDIO_PLAYER, &CMainFrame::OnAudioPlayer)
ON_UPDATE_COMMAND_UI(ID_TOOLS_AUDIO_PLAYER, &CMainFrame::OnUpdateAudioPlayer)
ON_COMMAND(ID_TOOLS_PROGRAMMING_MANAGER, &CMainFrame::OnProgrammingManager)
ON_UPDATE_COMMAND_UI(ID_TOOLS_PROGRAMMING_MANAGER, &CMainFrame::OnUpdateProgrammingManager)
ON_COMMAND(ID_TOOLS_SCANNER_MANAGER, &CMainFrame::OnScannerManager)
ON_UPDATE_COMMAND_UI(ID_TOOLS_SCANNER_MANAGER, &CMainFrame::OnUpdateScannerManager)
ON_COMMAND(ID_TOOLS_WEB_GRABBER, &CMainFrame::OnWebGrabber)
ON_UPDATE_COMMAND_UI(ID_TOOLS_WEB_GRABBER, &CMainFrame::OnUpdateWebGrabber)
ON_COMMAND(ID_SETTINGS_TRUNK_ID_FORMAT, &CMainFrame::OnTrunkIdFormat)
ON_COMMAND(ID_VIEW_CLOSE_VOLUME_PANE, &CMainFrame::OnCloseVolumePane)
ON_COMMAND(ID_BEEP, &CMainFrame::OnBeep)
ON_COMMAND(ID_VIEW_COMPACT, &CMainFrame::OnCompactView)
ON_UPDATE_COMMAND_UI(ID_VIEW_COMPACT, &CMainFrame::OnUpdateCompactView)
ON_COMMAND(ID_VIEW_SIMPLE_MODE, &CMainFrame::OnSimpleMode)
ON_UPDATE_COMMAND_UI(ID_VIEW_SIMPLE_MODE, &CMainFrame::OnUpdateSimpleMode)
ON_COMMAND(ID_TOOLBAR_HIDE_CONFIGURATION, &CMainFrame::OnHideConfiguration)
ON_UPDATE_COMMAND_UI(ID_TOOLBAR_HIDE_CONFIGURATION, &CMainFrame::OnUpdateHideConfiguration)
ON_COMMAND(ID_TOOLBAR_HIDE_ADVANCED_TOOLS, &CMainFrame::OnHideAdvancedTools)
ON_UPDATE_COMMAND_UI(ID_TOOLBAR_HIDE_ADVANCED_TOOLS, &CMainFrame::OnUpdateHideAdvancedTools)
ON_COMMAND(ID_TOOLBAR_LOCK, &CMainFrame::OnLockToolBars)
ON_UPDATE_COMMAND_UI(ID_TOOLBAR_LOCK, &CMainFrame::OnUpdateLockToolBars)
ON_UPDATE_COMMAND_UI(ID_DATE_PANE, &CMainFrame::OnUpdateDate)
ON_UPDATE_COMMAND_UI(ID_TIME_PANE, &CMainFrame::OnUpdateTime)
ON_COMMAND_RANGE(ID_VIEW_STYLE_1, ID_VIEW_STYLE_4, &CMainFrame::OnVisualStyle)
ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_STYLE_1, ID_VIEW_STYLE_4, &CMainFrame::OnUpdateVisualStyle)
ON_COMMAND(27042, &CMainFrame::OnNothing)
ON_COMMAND(ID_SETTINGS_AUDIO_LOGGER, &CMainFrame::OnNothing)
ON_COMMAND(28282, &CMainFrame::OnNothing)
ON_UPDATE_COMMAND_UI(28282, &CMainFrame::OnUpdateNothing)
ON_COMMAND(28295, &CMainFrame::OnNothing)
ON_UPDATE_COMMAND_UI(28295, &CMainFrame::OnUpdateNothing)
ON_COMMAND(28362, &CMainFrame::OnNothing)
ON_UPDATE_COMMAND_UI(28362, &CMainFrame::OnUpdateNothing)
ON_COMMAND(ID_HELP_FINDER, &CMainFrame::OnHelpFinder)
ON_COMMAND(ID_CONTEXT_HELP, &CMainFrame::OnContextHelp)
ON_COMMAND(ID_HELP, &CMainFrame::OnHelp)
ON_COMMAND(ID_DEFAULT_HELP, &CMainFrame::OnHelpFinder)
END_MESSAGE_MAP()

namespace {

constexpr LPCSTR kSettings = "Settings";
constexpr const char kShowSuffix[] = " (Show)";
constexpr UINT kShowInterval = 5000;

// The engine's trace operations.
constexpr std::uint16_t kTraceQuery = 1;
constexpr std::uint16_t kTraceStop = 0;
constexpr std::uint16_t kTraceStart = 255;

constexpr int kStartWizard = 0;

struct VisualStyle {
    int style;
    int theme;
};
// By command, from ID_VIEW_STYLE_1.
constexpr VisualStyle kStyles[] = {{0, 0}, {0, 1}, {1, 2}, {1, 3}};
constexpr BYTE kStyleDepth = 32;

CHalbridgeApp& App() {
    return *CHalbridgeApp::Get();
}

} // namespace

CMultiDocTemplate* CMainFrame::FindTemplate(UINT id) {
    for (POSITION pos = App().GetFirstDocTemplatePosition(); pos;) {
        CDocTemplate* pTemplate = App().GetNextDocTemplate(pos);
        if (pTemplate->m_nIDResource == id) {
            return DYNAMIC_DOWNCAST(CMultiDocTemplate, pTemplate);
        }
    }
    return nullptr;
}

void CMainFrame::OnFileOpenKind() {
    const MSG* message = GetCurrentMessage();
    if (!message) {
        return;
    }
    const UINT id = LOWORD(message->wParam);
    if (id == ID_FILE_OPEN_KIND_27400 || id == ID_FILE_OPEN_KIND_27424) {
        return;
    }
    App().OnFileOpen(FindTemplate(id));
}

void CMainFrame::StoreArrangement(int arrangement) {
    m_nWindowArrange = arrangement;
    App().WriteProfileInt(kSettings, "WindowArrange", arrangement);
}

void CMainFrame::Arrange(UINT message, WPARAM how, int arrangement) {
    m_wndMDITabs.UnInstall();
    ::SendMessage(m_hWndMDIClient, message, how, 0);
    StoreArrangement(arrangement);
}

void CMainFrame::OnCascade() {
    Arrange(WM_MDICASCADE, 0, kArrangeCascade);
}

void CMainFrame::OnTileHorizontal() {
    Arrange(WM_MDITILE, MDITILE_HORIZONTAL, kArrangeTileHorizontal);
}

void CMainFrame::OnTileVertical() {
    Arrange(WM_MDITILE, MDITILE_VERTICAL, kArrangeTileVertical);
}

void CMainFrame::OnTabbed() {
    CMDIChildWnd* active = MDIGetActive();
    if (!active) {
        return;
    }
    m_wndMDITabs.UnInstall();
    InstallTabs();
    ::SendMessage(m_hWndMDIClient, WM_MDIMAXIMIZE,
                  static_cast<WPARAM>(hb::win::ParamFromHwnd(active->m_hWnd)), 0);
    // A pixel wider and back again, so that everything is laid out anew.
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width() + 1, window.Height(), SWP_NOMOVE | SWP_FRAMECHANGED);
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_FRAMECHANGED);
    ::RedrawWindow(m_hWnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RecalcLayout(TRUE);
    StoreArrangement(kArrangeTabbed);
}

void CMainFrame::OnUpdateTabbed(CCmdUI* pCmdUI) {
    pCmdUI->Enable(MDIGetActive() != nullptr);
    pCmdUI->SetCheck(m_nWindowArrange == kArrangeTabbed);
}

void CMainFrame::OnShowMode() {
    CString title = m_strTitle;
    const int at = title.Find(kShowSuffix);
    if (at >= 0) {
        title.Delete(at, static_cast<int>(std::size(kShowSuffix)) - 1);
    }
    if (!KillTimer(kShowTimer)) {
        SetTimer(kShowTimer, kShowInterval, nullptr);
        title += kShowSuffix;
    }
    SetTitle(title);
}

void CMainFrame::OnEngineTrace() {
    if (scan_trace_control(kTraceQuery, nullptr) != 0) {
        scan_trace_control(kTraceStop, nullptr);
        MessageBeep(MB_ICONASTERISK);
        MessageBox(m_hWnd, "Engine trace dump has been turned off.", "Engine Trace",
                   MB_ICONINFORMATION);
        return;
    }
    CString path = "Engine.dmp";
    App().MakeDocPath(path);
    const std::uint16_t result = scan_trace_control(kTraceStart, path);
    MessageBeep(MB_ICONASTERISK);
    if (result & hb::records::kStatusFailureBit) {
        MessageBox(m_hWnd, "The engine trace could not be written to " + path + ".", "Engine Trace",
                   MB_ICONEXCLAMATION);
        return;
    }
    MessageBox(m_hWnd, path, "Engine Trace Now On", MB_ICONINFORMATION);
}

void CMainFrame::OnSetupWizard() {
    CScanApp::Trace(kTraceSource, __LINE__);
    if (GetActiveFrame() != this) {
        MessageBeep(MB_ICONASTERISK);
        MessageBox(m_hWnd, "You must close all windows before you can use the wizard.",
                   "Close All Windows", MB_ICONEXCLAMATION);
        return;
    }
    CWizard wizard(kStartWizard, this, nullptr);
    wizard.DoModal();
}

void CMainFrame::ToggleToolWindow(CGenericFrame*& slot, UINT templateId) {
    if (slot) {
        slot->DestroyWindow();
        slot = nullptr;
        return;
    }
    CMultiDocTemplate* pTemplate = FindTemplate(templateId);
    if (!pTemplate) {
        return;
    }
    auto* document = new CGenericDoc;
    // The document is ours until a frame shows it.
    document->m_bAutoDelete = FALSE;
    CFrameWnd* frame = pTemplate->CreateNewFrame(document, nullptr);
    auto* generic = DYNAMIC_DOWNCAST(CGenericFrame, frame);
    if (!generic) {
        if (frame) {
            frame->DestroyWindow();
        }
        delete document;
        return;
    }
    document->m_bAutoDelete = TRUE;
    slot = generic;
    generic->SetFrameSlot(&slot);
    pTemplate->InitialUpdateFrame(generic, nullptr, TRUE);
}

void CMainFrame::OnAudioPlayer() {
    ToggleToolWindow(m_pAudioPlayer, IDR_AUDIO_PLAYER);
}

void CMainFrame::OnProgrammingManager() {
    ToggleToolWindow(m_pProgrammingManager, IDR_PROGRAMMING_MANAGER);
}

void CMainFrame::OnScannerManager() {
    ToggleToolWindow(m_pScannerManager, IDR_SCANNER_MANAGER);
}

void CMainFrame::OnWebGrabber() {
    ToggleToolWindow(m_pWebGrabber, IDR_WEB_GRABBER);
}

void CMainFrame::OnUpdateAudioPlayer(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_pAudioPlayer != nullptr);
}

void CMainFrame::OnUpdateProgrammingManager(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_pProgrammingManager != nullptr);
}

void CMainFrame::OnUpdateScannerManager(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_pScannerManager != nullptr);
}

void CMainFrame::OnUpdateWebGrabber(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_pWebGrabber != nullptr);
}

void CMainFrame::OnTrunkIdFormat() {
    scan_select_id_format();
}

void CMainFrame::OnCloseVolumePane() {
    if (m_pVolumePane) {
        m_pVolumePane->Hide();
    }
    App().WriteProfileInt(kSettings, "DockingWindowsInit", 0);
}

void CMainFrame::OnBeep() {
    MessageBeep(MB_ICONASTERISK);
}

void CMainFrame::ShowPaneText(CCmdUI* pCmdUI, int pane, const char* format) {
    const CString text = CTime::GetCurrentTime().Format(format).c_str();
    const HFONT font = hb::win::HandleFromParam<HFONT>(m_wndStatusBar.SendMessage(WM_GETFONT));
    const HDC screen = ::GetDC(HWND{});
    const HGDIOBJ previous = ::SelectObject(screen, font);
    SIZE size{};
    ::GetTextExtentPoint32(screen, text, text.GetLength(), &size);
    ::SelectObject(screen, previous);
    ::ReleaseDC(HWND{}, screen);
    UINT id = 0;
    UINT style = 0;
    int width = 0;
    m_wndStatusBar.GetPaneInfo(pane, id, style, width);
    m_wndStatusBar.SetPaneInfo(pane, id, style, size.cx);
    pCmdUI->SetText(text);
    pCmdUI->Enable(TRUE);
}

void CMainFrame::OnUpdateDate(CCmdUI* pCmdUI) {
    ShowPaneText(pCmdUI, m_nDatePane, "%x");
}

void CMainFrame::OnUpdateTime(CCmdUI* pCmdUI) {
    ShowPaneText(pCmdUI, m_nTimePane, "%X");
}

void CMainFrame::OnVisualStyle(UINT nID) {
    const VisualStyle& chosen = kStyles[nID - ID_VIEW_STYLE_1];
    CHalbridgeApp& app = App();
    app.m_visualStyle = chosen.style;
    app.m_visualTheme = chosen.theme;
    app.WriteSuiteProfileInt(kSettings, "VisualTheme", chosen.theme);
    app.WriteSuiteProfileInt(kSettings, "VisualStyle", chosen.style);
    app.AdjustColors(kStyleDepth);
    app.ResetCommandBarTheme(GetCommandBars());
}

void CMainFrame::OnUpdateVisualStyle(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(App().m_visualTheme == kStyles[pCmdUI->m_nID - ID_VIEW_STYLE_1].theme);
}

void CMainFrame::OnNothing() {}

void CMainFrame::OnUpdateNothing(CCmdUI*) {}
