// The radio window's creation and layout.
#include "app/radiowindow/RadioFrame.h"

#include "app/HalbridgeApp.h"
#include "app/radiowindow/ToolView.h"
#include "app/rig/Rig.h"
#include "audio/AudioLogClient.h"
#include "audio/AudioView.h"
#include "platform/afx/CCreateContext.h"
#include "platform/engine/EngineApi.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/ToolkitMessages.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioPlayerView.h"
#include "platform/tessary/model/Decoder.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/sys/Paths.h"
#include "programming/ScanListGroupView.h"
#include "programming/ScanListRosterView.h"
#include "programming/ScanListView.h"
#include "radioview/ChannelRack.h"
#include "radioview/HistView.h"
#include "radioview/RadioView.h"
#include "radioview/SearchSlaveView.h"
#include "radioview/ToneDecoderRack.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CRadioFrame, CCommandBarsChildFrame)

BEGIN_MESSAGE_MAP(CRadioFrame, CCommandBarsChildFrame)
ON_WM_TIMER()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_COMMAND(CRig::kCommandStart, &CRadioFrame::OnRadioStart)
ON_COMMAND(CRig::kCommandStop, &CRadioFrame::OnRadioStop)
ON_MESSAGE(WM_RADIO_RESTART, &CRadioFrame::OnRadioRestart)
ON_MESSAGE(WM_ENGINE_CHECK, &CRadioFrame::OnEngineCheck)
ON_MESSAGE(WM_RADIO_TUNE, &CRadioFrame::OnRadioTune)
ON_MESSAGE(WM_RADIO_TUNE_FREQUENCY, &CRadioFrame::OnRadioTuneFrequency)
ON_MESSAGE(WM_RADIO_ENTRY_KEY, &CRadioFrame::OnRadioEntryKey)
ON_MESSAGE(WM_RADIO_GET_PARM, &CRadioFrame::OnRadioGetParm)
ON_MESSAGE(WM_RADIO_DEVICE_OPEN, &CRadioFrame::OnRadioDeviceOpen)
ON_MESSAGE(WM_TOOLKIT_BAR_RESET, &CRadioFrame::ApplySimpleMode)
// ---- Commands of the menu, the "Scan" bar, the tool view and the front panel.
ON_COMMAND(27034, &CRadioFrame::OnLockOut)
ON_COMMAND(27035, &CRadioFrame::OnTempLockOut)
ON_COMMAND(27036, &CRadioFrame::OnToggleHold)
ON_UPDATE_COMMAND_UI(27036, &CRadioFrame::OnUpdateToggleHold)
ON_COMMAND(27039, &CRadioFrame::OnToggleEngineSetting)
ON_COMMAND_RANGE(27031, 27031, &CRadioFrame::OnStoreActiveId)
ON_COMMAND_RANGE(27033, 27033, &CRadioFrame::OnStoreActiveId)
ON_COMMAND(27029, &CRadioFrame::OnRackCommand)
ON_COMMAND_RANGE(27022, 27025, &CRadioFrame::OnOpenSweepWindow)
ON_COMMAND(27879, &CRadioFrame::OnScanListFile)
ON_COMMAND(27007, &CRadioFrame::OnScanListSaveAs)
ON_COMMAND(27185, &CRadioFrame::OnResetScanList)
ON_COMMAND(28550, &CRadioFrame::OnUploadScanList)
ON_COMMAND_RANGE(27218, 27219, &CRadioFrame::OnStoreVfo)
ON_COMMAND_RANGE(27226, 27226, &CRadioFrame::OnStoreVfo)
ON_COMMAND(27138, &CRadioFrame::OnEditInsertBefore)
ON_COMMAND(27137, &CRadioFrame::OnEditInsertAfter)
ON_COMMAND(57635, &CRadioFrame::OnEditCut)
ON_COMMAND(57634, &CRadioFrame::OnEditCopy)
ON_COMMAND(57637, &CRadioFrame::OnEditPaste)
ON_COMMAND(27212, &CRadioFrame::OnClearHistory)
ON_COMMAND(27169, &CRadioFrame::OnMiniStatus)
ON_UPDATE_COMMAND_UI(27169, &CRadioFrame::OnUpdateMiniStatus)
ON_COMMAND(1638, &CRadioFrame::OnDiagnostics)
ON_COMMAND(27021, &CRadioFrame::OnActivityLog)
ON_COMMAND(27139, &CRadioFrame::OnRadioGlobalSettings)
ON_COMMAND(27170, &CRadioFrame::OnAudioLoggerSettings)
ON_COMMAND(26032, &CRadioFrame::OnEraseRecording)
ON_COMMAND(26010, &CRadioFrame::OnAutoFile)
ON_COMMAND(26015, &CRadioFrame::OnAudioButton)
ON_COMMAND(26049, &CRadioFrame::OnAudioEvent)
ON_COMMAND(28442, &CRadioFrame::OnAudioRequest)
ON_COMMAND(28730, &CRadioFrame::OnNoCommand)
ON_COMMAND(27227, &CRadioFrame::OnViewTypeScan)
ON_UPDATE_COMMAND_UI(27227, &CRadioFrame::OnUpdateViewTypeScan)
ON_COMMAND(27228, &CRadioFrame::OnViewTypeBrowse)
ON_UPDATE_COMMAND_UI(27228, &CRadioFrame::OnUpdateViewTypeBrowse)
ON_COMMAND(29969, &CRadioFrame::OnViewType2)
ON_UPDATE_COMMAND_UI(29969, &CRadioFrame::OnUpdateViewType2)
ON_COMMAND(30075, &CRadioFrame::OnToolBarLock)
ON_UPDATE_COMMAND_UI(30075, &CRadioFrame::OnUpdateToolBarLock)
// Accepted and ignored; those with an update handler stay enabled.
ON_COMMAND(26033, &CRadioFrame::OnNoCommand)
ON_COMMAND(27041, &CRadioFrame::OnNoCommand)
ON_UPDATE_COMMAND_UI(27041, &CRadioFrame::OnUpdateNoCommand)
ON_COMMAND(27187, &CRadioFrame::OnNoCommand)
ON_COMMAND(27208, &CRadioFrame::OnNoCommand)
ON_COMMAND(27210, &CRadioFrame::OnNoCommand)
ON_COMMAND(28297, &CRadioFrame::OnNoCommand)
ON_UPDATE_COMMAND_UI(28297, &CRadioFrame::OnUpdateNoCommand)
ON_COMMAND(28794, &CRadioFrame::OnNoCommand)
ON_UPDATE_COMMAND_UI(28794, &CRadioFrame::OnUpdateNoCommand)
ON_COMMAND(28795, &CRadioFrame::OnNoCommand)
ON_UPDATE_COMMAND_UI(28795, &CRadioFrame::OnUpdateNoCommand)
ON_COMMAND(28796, &CRadioFrame::OnNoCommand)
ON_UPDATE_COMMAND_UI(28796, &CRadioFrame::OnUpdateNoCommand)
ON_COMMAND(28797, &CRadioFrame::OnNoCommand)
ON_UPDATE_COMMAND_UI(28797, &CRadioFrame::OnUpdateNoCommand)
ON_COMMAND(28798, &CRadioFrame::OnNoCommand)
ON_UPDATE_COMMAND_UI(28798, &CRadioFrame::OnUpdateNoCommand)
ON_COMMAND(28881, &CRadioFrame::OnNoCommand)
ON_UPDATE_COMMAND_UI(28881, &CRadioFrame::OnUpdateNoCommand)
ON_COMMAND(29364, &CRadioFrame::OnNoCommand)
ON_UPDATE_COMMAND_UI(29364, &CRadioFrame::OnUpdateNoCommand)
ON_COMMAND(29397, &CRadioFrame::OnNoCommand)
ON_COMMAND(29398, &CRadioFrame::OnNoCommand)
ON_COMMAND(29806, &CRadioFrame::OnNoCommand)
ON_UPDATE_COMMAND_UI(29806, &CRadioFrame::OnUpdateNoCommand)
ON_COMMAND(30093, &CRadioFrame::OnNoCommand)
ON_UPDATE_COMMAND_UI(30093, &CRadioFrame::OnUpdateNoCommand)
ON_COMMAND(35001, &CRadioFrame::OnNoCommand)
END_MESSAGE_MAP()

namespace {

constexpr LPCSTR kSource = "RadioFrame";
constexpr UINT kRadioControl = 27019;
// The engine's message for a radio that cannot be controlled from its window.
constexpr std::uint32_t kMessageNoRadioControl = 10;
constexpr DWORD kMaximize = 0x01000000;
constexpr DWORD kTabStyle = 0x50008243;
constexpr DWORD kRackStyle = 0x50402830;
constexpr UINT kAudioRecorderForm = 28497;
constexpr UINT kAudioRecorderId = 1;
constexpr UINT kChannelRackForm = 27386;
constexpr UINT kToneDecoderRackForm = 27252;
constexpr int kToneDecoderRole = 2;
constexpr SIZE kInitialPane{100, 100};
constexpr int kMinToolWidth = 10;
constexpr int kMinPanelHeight = 100;

// The tone reader types that have a channel rack, and those that decode through the logger.
constexpr std::uint16_t kChannelRackReaders[] = {3, 12, 13, 25, 39, 40};
constexpr std::uint16_t kToneDecoderReaders[] = {72, 73};

template <std::size_t N>
bool IsOneOf(std::uint16_t value, const std::uint16_t (&set)[N]) {
    return std::find(std::begin(set), std::end(set), value) != std::end(set);
}

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

bool CompactLayout() {
    const CHalbridgeApp* app = CHalbridgeApp::Get();
    return app && app->m_compactView;
}

} // namespace

CRadioFrame::CRadioFrame() = default;

CRadioFrame::~CRadioFrame() {
    CScanApp::Trace(kSource, __LINE__);
}

BOOL CRadioFrame::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                         const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
    return CCommandBarsChildFrame::Create(lpszClassName, lpszWindowName, dwStyle & ~kMaximize, rect,
                                          pParentWnd, pContext);
}

bool CRadioFrame::ChooseRigs() {
    m_rig = CRig::s_selection[0];
    m_rig2 = CRig::s_selection[1];
    // A rig another window uses is never taken over: the user chooses again.
    if (m_rig && m_rig->IsOpen()) {
        m_rig = nullptr;
        m_rig2 = nullptr;
    }
    if (m_rig) {
        return true;
    }
    const std::string path = App().GetPathName().str();
    if (hb::win::PathHasExtension(path, ".sws")) {
        m_rig = CRig::FindByName(hb::win::PathStem(path).c_str());
        if (m_rig && m_rig->IsOpen()) {
            m_rig = nullptr;
        }
    }
    if (m_rig) {
        return true;
    }
    CRig* chosen = CRig::SelectRig("Radio Control", 0, 0);
    if (!chosen) {
        return false;
    }
    if (chosen->IsOpen()) {
        MessageBeep(MB_ICONASTERISK);
        return false;
    }
    m_rig = CRig::s_selection[0];
    m_rig2 = CRig::s_selection[1];
    return true;
}

bool CRadioFrame::HasRadioControl() {
    if (m_rig->m_radio && (m_rig->m_radio->features() & Radio::kFeatureControl)) {
        return true;
    }
    MessageBeep(MB_ICONASTERISK);
    scan_message(HWND{}, kMessageNoRadioControl);
    return false;
}

BOOL CRadioFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    CScanApp::Trace(kSource, __LINE__);
    const bool chosen = ChooseRigs();
    CScanApp::Trace(kSource, __LINE__);
    if (!chosen) {
        m_rig = nullptr;
        m_rig2 = nullptr;
        return FALSE;
    }
    CScanApp::Trace(kSource, __LINE__);
    if (!HasRadioControl()) {
        m_rig = nullptr;
        m_rig2 = nullptr;
        return FALSE;
    }
    CScanApp::Trace(kSource, __LINE__);
    m_rig->m_opener = kRadioControl;
    if (m_rig2) {
        m_rig2->m_opener = kRadioControl;
    }
    CScanApp::Trace(kSource, __LINE__);
    m_viewType = m_rig->m_view_type;
    if (App().GetMachineProfileInt("Settings", "DisableScanMode", 0) != 0 && m_viewType == 0) {
        m_viewType = 1;
    }
    CScanApp::Trace(kSource, __LINE__);
    EnableDocking(CBRS_ALIGN_ANY);
    CScanApp::Trace(kSource, __LINE__);
    if (!CreatePanes(pContext) || !AddTabs(pContext)) {
        return FALSE;
    }
    CScanApp::Trace(kSource, __LINE__);
    if (CAudioLog* log = m_rig->GetAudioLog()) {
        log->DSPRole(m_rig->m_audio_dsp_role);
    }
    CScanApp::Trace(kSource, __LINE__);
    CreateTonePanel();
    CScanApp::Trace(kSource, __LINE__);
    m_activityLog.Start(m_rig->m_name);
    CString caption;
    caption.Format("%s Scan Logging", m_rig->m_name.GetString());
    m_activityLog.SetCaption(caption);
    CScanApp::Trace(kSource, __LINE__);
    SetTimer(kTimerId, kRadioTimerMs);
    CScanApp::Trace(kSource, __LINE__);
    m_tabs.SetActiveIndex(App().GetProfileIntA(m_rig->m_section, "ActiveView", 0));
    CScanApp::Trace(kSource, __LINE__);
    if (m_rig->m_trunk == 0 && !m_compact) {
        CreateScanToolBar();
    }
    CScanApp::Trace(kSource, __LINE__);
    SetPaneSizes();
    CScanApp::Trace(kSource, __LINE__);
    m_created = true;
    return TRUE;
}

bool CRadioFrame::CreatePanes(CCreateContext* pContext) {
    CRuntimeClass* panelClass =
        s_panelClassForTest ? s_panelClassForTest : CRadioView::GetViewClass(m_rig);
    CScanApp::Trace(kSource, __LINE__);
    m_compact = CompactLayout();
    CCreateContext panelContext;
    if (pContext) {
        panelContext = *pContext;
    }
    panelContext.m_pNewViewClass = panelClass;
    if (m_compact) {
        if (!m_splitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST) ||
            !m_splitter.CreateView(0, 0, RUNTIME_CLASS(CToolView), kInitialPane, &panelContext)) {
            return false;
        }
        m_toolView = DYNAMIC_DOWNCAST(CToolView, m_splitter.GetPane(0, 0));
        m_splitter.SetSplitterStyle(XT_SPLIT_FLAT);
        if (!m_tabs.Create(nullptr, nullptr, kTabStyle, CRect(), &m_splitter,
                           static_cast<UINT>(m_splitter.IdFromRowCol(0, 1)), nullptr)) {
            return false;
        }
        m_tabs.AddView(panelClass, &panelContext, "Radio", -1);
        m_frontPanel = DYNAMIC_DOWNCAST(CRadioView, m_tabs.GetView(0));
    } else {
        if (!m_splitter.CreateStatic(this, 2, 1, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST) ||
            !m_splitter.CreateView(0, 0, panelClass, kInitialPane, &panelContext)) {
            return false;
        }
        m_frontPanel = DYNAMIC_DOWNCAST(CRadioView, m_splitter.GetPane(0, 0));
        if (!m_tabs.Create(nullptr, nullptr, kTabStyle, CRect(), &m_splitter,
                           static_cast<UINT>(m_splitter.IdFromRowCol(1, 0)), nullptr)) {
            return false;
        }
    }
    CScanApp::Trace(kSource, __LINE__);
    if (!m_frontPanel) {
        return false;
    }
    m_frontPanel->m_rig = m_rig;
    return true;
}

bool CRadioFrame::AddTabs(CCreateContext* pContext) {
    CRuntimeClass* listClass =
        m_viewType == 1 ? RUNTIME_CLASS(CScanListGroupView) : RUNTIME_CLASS(CScanListRosterView);
    int next = m_tabs.GetItemCount();
    m_tabs.AddView(listClass, pContext, "Scan List", -1);
    m_scanListView = DYNAMIC_DOWNCAST(CScanListView, m_tabs.GetView(next));
    if (!m_scanListView) {
        return false;
    }
    m_scanListView->m_rig = m_rig;
    m_scanListView->m_radio = m_rig->m_radio;
    CScanApp::Trace(kSource, __LINE__);
    next = m_tabs.GetItemCount();
    m_tabs.AddView(RUNTIME_CLASS(CHistView), pContext, "History", -1);
    m_historyView = DYNAMIC_DOWNCAST(CHistView, m_tabs.GetView(next));
    if (!m_historyView) {
        return false;
    }
    CScanApp::Trace(kSource, __LINE__);
    if (m_rig2) {
        next = m_tabs.GetItemCount();
        m_tabs.AddView(RUNTIME_CLASS(CSearchSlaveView), pContext, "Multi-Radio", -1);
        m_multiRadioView = DYNAMIC_DOWNCAST(CSearchSlaveView, m_tabs.GetView(next));
    }
    CScanApp::Trace(kSource, __LINE__);
    return App().IsAudioLoggingUnavailable() || AddAudioTabs();
}

bool CRadioFrame::AddAudioTabs() {
    CString name = m_rig->m_section + "_AudioRecorder";
    auto* recorder = new CAudioView(name, m_rig->GetNameString(), kAudioRecorderForm);
    if (!recorder->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), &m_tabs,
                          kAudioRecorderId, nullptr)) {
        delete recorder;
        return false;
    }
    m_tabs.AddControl(recorder, "Audio Recorder", -1);
    recorder->m_rig = m_rig;
    recorder->GetLogClient()->m_rig = m_rig;
    m_rig->AttachAudioLog(this, recorder->GetLogClient());
    CAudioLog* log = m_rig->GetAudioLog();
    if (!log) {
        return true;
    }
    const int next = m_tabs.GetItemCount();
    m_tabs.AddView(RUNTIME_CLASS(CAudioPlayerView), nullptr, "Audio Index", -1);
    auto* index = DYNAMIC_DOWNCAST(CAudioPlayerView, m_tabs.GetView(next));
    if (!index) {
        return false;
    }
    log->m_file.m_indexView = index;
    index->m_log = log;
    index->m_file = &log->m_file;
    index->BindDocument(&log->m_file);
    return true;
}

void CRadioFrame::CreateTonePanel() {
    if (App().IsAudioLoggingUnavailable() || !m_rig->m_decoder) {
        return;
    }
    const std::uint16_t type = m_rig->m_decoder->TypeCode();
    CAudioLog* log = m_rig->GetAudioLog();
    if (IsOneOf(type, kChannelRackReaders)) {
        m_tonePanel = new CChannelRack;
        m_tonePanel->toneReader = m_rig->m_decoder;
        m_tonePanel->Create(this, kChannelRackForm, kRackStyle);
        m_tonePanel->RefreshAppearance();
    } else if (IsOneOf(type, kToneDecoderReaders) && log) {
        m_tonePanel = new CToneDecoderRack(log);
        m_tonePanel->toneReader = m_rig->m_decoder;
        m_tonePanel->Create(this, kToneDecoderRackForm, kRackStyle);
        m_tonePanel->RefreshAppearance();
        log->DSPRole(kToneDecoderRole);
    }
}

void CRadioFrame::SetPaneSizes() {
    int panelWidth = m_frontPanel->GetTotalSize().cx;
    if (m_compact) {
        const int width = m_toolView ? m_toolView->GetTotalSize().cx : 0;
        m_splitter.SetColumnInfo(0, width, kMinToolWidth);
        panelWidth += width + CSplitterWnd::kSplitterGap;
    } else {
        m_splitter.SetRowInfo(0, m_frontPanel->GetTotalSize().cy, kMinPanelHeight);
    }
    WidenToShow(panelWidth);
}

void CRadioFrame::WidenToShow(int clientWidth) {
    // The panel has no scroll bars: the window opens wide enough to show it all, as far as the
    // main window's client area allows.
    const HWND parent = ::GetParent(m_hWnd);
    CRect window;
    CRect client;
    CRect area;
    GetWindowRect(&window);
    GetClientRect(&client);
    ::GetClientRect(parent, &area);
    const int wanted = clientWidth + window.Width() - client.Width();
    const int width = std::min(wanted, area.Width());
    if (width <= window.Width()) {
        return;
    }
    POINT place{window.left, window.top};
    ::ScreenToClient(parent, &place);
    const int x = std::max(0, std::min(static_cast<int>(place.x), area.Width() - width));
    SetWindowPos(nullptr, x, place.y, width, window.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}
