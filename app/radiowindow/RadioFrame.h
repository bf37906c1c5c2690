#pragma once
// The window of one radio, opened on the radio's scan list. While its client area is built it
// chooses the rig it serves and lays out the front panel, the tool view, the tabs (scan list,
// history, Multi-Radio, audio recorder and index), the tone panel and the "Scan" bar. The rig is
// claimed when the radio first starts (the front panel's first update starts it) and given back
// when the window goes; the rig then hands the radio to its next owner or ends the engine.
//
// The rig's hand-over reaches the window as WM_COMMAND: kCommandStop pauses the radio,
// kCommandStart starts or resumes it.
#include "app/radiowindow/CommandBarsChildFrame.h"
#include "app/radiowindow/TabViewContainer.h"
#include "platform/records/Wlseg.h"
#include "platform/records/EngineCommandRecord.h"
#include "platform/toolkit/CXTSplitterWnd.h"
#include "programming/RadioLog.h"

#include <cstdint>

class CAudioLog;
class CChannelRack;
class CEngineView;
class CHistView;
class CMiniStatusWnd;
class CRosterDoc;
class Object;
class CRadioView;
class CScanListView;
class CSearchSlaveView;
class CToolView;
class CXTPToolBar;

class CRadioFrame : public CCommandBarsChildFrame {
    DECLARE_DYNCREATE(CRadioFrame)

public:
    static constexpr UINT_PTR kCompactTimerId = 29933;
    static constexpr UINT kCompactTimerMs = 15000;
    static constexpr UINT kRadioTimerMs = 5000;
    // The engine watchdog restarts a radio this long after a check was asked for.
    static constexpr DWORD kCheckDelayMs = 2000;
    // The "Scan" bar's buttons that simple mode hides.
    static constexpr int kSimpleModeButtons[] = {28033, 27041, 27187, 27025, 27024, 27023, 27022,
                                                 27232, 27029, 27021, 27875, 27876, 27695, 26010};

    CRadioFrame();
    ~CRadioFrame() override;

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CMDIFrameWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Start (or resume, or after an engine check recompile and reload) and pause the radio.
    void OnRadioStart();
    void OnRadioStop();
    // WM_ENGINE_CHECK: arms the watchdog unless the radio never wants it; always 0.
    LRESULT OnEngineCheck(WPARAM wParam, LPARAM lParam);
    void CreateScanToolBar();
    // Hides the advanced "Scan" buttons in simple mode and shows them otherwise; always 0.
    LRESULT ApplySimpleMode(WPARAM wParam = 0, LPARAM lParam = 0);

    // ---- Commands of the menu, the "Scan" bar, the tool view and the front panel.
    // Locks the current channel (paused or holding) or the current ID out.
    void OnLockOut();
    void OnTempLockOut();
    void OnToggleHold();
    void OnToggleEngineSetting();
    // 27031 stores the active ID locked out, 27033 free; then the engine is reloaded.
    void OnStoreActiveId(UINT nID);
    // Gives every channel of the scan list the lock-out it was stored with, then starts.
    void OnRackCommand();
    void ApplyToScanList(UINT nID);
    // The range view's lock-out map of a search range, edited while the radio is paused.
    void ShowLockOutMap(Object* range);
    void OnOpenSweepWindow(UINT nID);
    void OnScanListFile();
    void OnScanListSaveAs();
    void OnResetScanList();
    void OnUploadScanList();
    void OnStoreVfo(UINT nID);
    void OnEditInsertBefore();
    void OnEditInsertAfter();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnClearHistory();
    // Shows the mini status window, or closes it when it is shown.
    void OnMiniStatus();
    void OnDiagnostics();
    void OnActivityLog();
    void OnRadioGlobalSettings();
    void OnAudioLoggerSettings();
    void OnEraseRecording();
    void OnAutoFile();
    void OnAudioButton();
    void OnAudioEvent();
    void OnAudioRequest();
    void OnViewTypeScan();
    void OnViewTypeBrowse();
    void OnViewType2();
    void OnToolBarLock();
    void OnNoCommand() {}

    // A logger's segment update reaches the front panel when it is about the logger's own file.
    virtual void ForwardToView(CAudioLog* log, const char* file, const wlseg* segment);

    CTabViewContainer& Tabs() { return m_tabs; }
    CRadioView* FrontPanel() const { return m_frontPanel; }
    // Tests open a window on a panel class of their choosing; the program never sets it.
    static inline CRuntimeClass* s_panelClassForTest = nullptr;
    CXTPToolBar* ScanToolBar() const { return m_scanToolBar; }
    CRadioLog& ActivityLog() { return m_activityLog; }
    CChannelRack* TonePanel() const { return m_tonePanel; }
    std::uint8_t ViewType() const { return m_viewType; }
    // The window is on its way out.
    bool Closing() const { return m_closing != 0; }

    CScanListView* m_scanListView = nullptr;
    CSearchSlaveView* m_multiRadioView = nullptr;
    CEngineView* m_searchDiagnostics = nullptr;
    CEngineView* m_monitorDiagnostics = nullptr;
    CWnd* m_miniStatus = nullptr;
    CHistView* m_historyView = nullptr;
    BOOL m_toolBarLock = FALSE;
    // The next plain resume sends no start pair.
    std::uint8_t m_skipStartPair = 0;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnTimer(UINT_PTR nIDEvent);
    void OnClose();
    void OnDestroy();
    LRESULT OnRadioRestart(WPARAM wParam, LPARAM lParam);
    LRESULT OnRadioTune(WPARAM wParam, LPARAM lParam);
    LRESULT OnRadioTuneFrequency(WPARAM wParam, LPARAM lParam);
    LRESULT OnRadioEntryKey(WPARAM wParam, LPARAM lParam);
    LRESULT OnRadioGetParm(WPARAM wParam, LPARAM lParam);
    LRESULT OnRadioDeviceOpen(WPARAM wParam, LPARAM lParam);
    void OnUpdateToggleHold(CCmdUI* pCmdUI);
    void OnUpdateMiniStatus(CCmdUI* pCmdUI);
    void OnUpdateViewTypeScan(CCmdUI* pCmdUI);
    void OnUpdateViewTypeBrowse(CCmdUI* pCmdUI);
    void OnUpdateViewType2(CCmdUI* pCmdUI);
    void OnUpdateToolBarLock(CCmdUI* pCmdUI);
    void OnUpdateNoCommand(CCmdUI*) {}

    DECLARE_MESSAGE_MAP()

private:
    // The rigs the window is opened for; false when there is none (the user may have been asked).
    bool ChooseRigs();
    bool HasRadioControl();
    bool CreatePanes(CCreateContext* pContext);
    bool AddTabs(CCreateContext* pContext);
    bool AddAudioTabs();
    void CreateTonePanel();
    void SetPaneSizes();
    void WidenToShow(int clientWidth);
    // The first start: compile and create the engines. False ends the start.
    bool CreateEngines(std::uint8_t*& program);
    // A start after an engine check: recompile and reload. False ends the start.
    bool ReloadEngines(std::uint8_t*& program);
    std::uint8_t* CompileScanList();
    void ShowEmptyScanList();
    void Watchdog();
    void SaveScanBar();
    // The engine runs for this window; otherwise a beep.
    bool EngineReady();
    CRosterDoc* ScanListDoc() const;
    // Sends one request to the primary rig's engine.
    void SendEngine(const EngineCommandRecord& record);
    // 27879 and 27007 in view type 1: the scan list view chooses a file.
    void TakeScanList(int (CScanListView::*choose)());
    void ChangeViewType(std::uint8_t viewType, LPCSTR caption);
    void AddDiagnosticsTab(LPCSTR caption, CRig* rig, CEngineView*& view);

    CXTPToolBar* m_scanToolBar = nullptr;
    CRadioLog m_activityLog;
    CRadioView* m_frontPanel = nullptr;
    CToolView* m_toolView = nullptr;
    CChannelRack* m_tonePanel = nullptr;
    CXTSplitterWnd m_splitter;
    CTabViewContainer m_tabs;
    std::uint8_t m_viewType = 1;
    std::uint8_t m_closing = 0;
    std::uint8_t m_starting = 0;
    // The layout the window was built with, whatever the setting says later.
    bool m_compact = false;
    // The client area was built to its end.
    bool m_created = false;
};
