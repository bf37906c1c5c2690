#include "app/mainframe/MainFrame.h"

#include "audio/MixerView.h"
#include "platform/afx/CDialog.h"
#include "platform/afx/CDockState.h"
#include "platform/afx/CFileDialog.h"
#include "platform/afx/CTime.h"
#include "platform/afx/Input.h"
#include "platform/afx/WindowFaults.h"
#include "platform/engine/EngineSim.h"
#include "platform/records/ToolkitMessages.h"
#include "platform/tessary/app/GenericFrame.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/toolkit/CDockingFrameWnd.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/CXTPToolBar.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/Timers.h"
#include "platform/win/sys/Shell.h"
#include "resources/ResourceIds.h"
#include "tests/app/CommandState.h"
#include "tests/app/ProgramTest.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace hb::app::test {
namespace {

// A floating docking frame that answers the beep command itself.
class CBeepingDockingFrame : public CDockingFrameWnd {
public:
    void OnBeep() { ++beeps; }

    int beeps = 0;

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBeepingDockingFrame, CDockingFrameWnd)
ON_COMMAND(ID_BEEP, &CBeepingDockingFrame::OnBeep)
END_MESSAGE_MAP()

// Stands in for the object a tabbed MDI area attaches to its client window: it takes every
// command near the client's own range, so that the test sees which ones the frame lets through.
class CClientCommands : public CWnd {
public:
    void OnClientCommand(UINT nID) { seen.push_back(nID); }

    std::vector<UINT> seen;

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClientCommands, CWnd)
ON_COMMAND_RANGE(9150, 9160, &CClientCommands::OnClientCommand)
END_MESSAGE_MAP()

class MainFrameTest : public ProgramTest {
protected:
    MainFrameTest() { Settings(kTwoRadios); }

    CMainFrame& Frame() const { return *static_cast<CMainFrame*>(app->m_pMainWnd); }
    static int UserInt(LPCSTR section, LPCSTR name, int fallback = -1) {
        return CHalbridgeApp::Get()->GetProfileIntA(section, name, fallback);
    }
    bool TimerRuns(UINT_PTR id) const {
        const auto timers = hb::win::ActiveTimers();
        return std::any_of(timers.begin(), timers.end(), [&](const hb::win::TimerInfo& timer) {
            return timer.hwnd == Main().m_hWnd && timer.id == id;
        });
    }
    CStateCmdUI State(UINT id) const { return CommandState(Frame(), id); }
    CXTPControl* Button(int id) const { return Frame().m_pMainToolBar->FindControl(id); }
    std::vector<std::string> EngineTraceCalls() const {
        std::vector<std::string> calls;
        for (const auto& call : EngineSim::Journal()) {
            if (call.function == "scan_trace_control") {
                calls.push_back(std::to_string(call.value) + (call.text.empty() ? "" : " ") +
                                call.text);
            }
        }
        return calls;
    }
};

TEST_F(MainFrameTest, AFirstStartBuildsTheToolBarAndHidesEveryPaneOnceTimerFiveRuns) {
    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_EQ(UserInt("Settings", "DockingWindowsInit"), 1);
    EXPECT_EQ(UserInt("Settings", "ToolBarInit"), 1);
    EXPECT_EQ(UserInt("Settings", "ToolBarHideConfiguration"), 0);
    EXPECT_EQ(UserInt("Settings", "ToolBarHideAdvancedTools"), 0);
    for (const int id : {27249, 1645, 27182, 27017, 28343}) {
        ASSERT_NE(Button(id), nullptr) << id;
        EXPECT_TRUE(Button(id)->GetHideFlags() & xtpHideCustomize) << id;
    }
    ASSERT_NE(Button(ID_SETTINGS_CONFIGURATION), nullptr);
    EXPECT_TRUE(Button(ID_SETTINGS_CONFIGURATION)->IsVisible());

    Pump();
    CXTPDockingPane* volume = Frame().m_paneManager.FindPane(CMainFrame::kVolumePane);
    ASSERT_NE(volume, nullptr);
    EXPECT_FALSE(volume->IsHidden());
    EXPECT_TRUE(TimerRuns(CMainFrame::kPaneTimer));
    AdvanceAndPump(500);
    EXPECT_TRUE(volume->IsHidden());
    EXPECT_FALSE(TimerRuns(CMainFrame::kPaneTimer));

    // The next start finds the panes set up and starts no timer.
    NewApp();
    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_FALSE(Frame().m_bFirstDockingRun);
    EXPECT_FALSE(TimerRuns(CMainFrame::kPaneTimer));
}

TEST_F(MainFrameTest, WithoutItsToolBarOrMenuTheFrameIsNotMadeAndStartUpEnds) {
    for (const bool toolBar : {true, false}) {
        hb::afx::ResourceTables tables = ProgramResourceTables();
        if (toolBar) {
            tables.toolBars.clear();
        } else {
            std::erase_if(tables.menus, [](const hb::afx::MenuResource& menu) {
                return menu.id == IDR_MAINFRAME;
            });
        }
        UseProgramResources(std::move(tables));
        NewApp();
        EXPECT_NE(Start(), std::nullopt) << toolBar;
        EXPECT_EQ(app->m_pMainWnd, nullptr) << toolBar;
    }
}

TEST_F(MainFrameTest, EachFailingCreationStepLeavesNoFrameAndEndsStartUp) {
    const std::pair<const char*, std::function<void()>> failures[] = {
        {"client area", [] { hb::afx::FailNextChildWindow(AFX_IDW_PANE_FIRST); }},
        {"status bar", [] { hb::afx::FailNextChildWindow(AFX_IDW_STATUS_BAR); }},
        {"command bars", [] { hb::toolkit::FailNextCommandBars(); }},
    };
    for (const auto& [step, fail] : failures) {
        NewApp();
        fail();
        EXPECT_NE(Start(), std::nullopt) << step;
        EXPECT_EQ(app->m_pMainWnd, nullptr) << step;
    }
    // Nothing of a failed start is left in the way of the next one.
    NewApp();
    EXPECT_EQ(Start(), std::nullopt);
}

TEST_F(MainFrameTest, TheDockStateWrittenOnCloseIsThereAfterARestart) {
    ASSERT_EQ(Start(), std::nullopt);
    CDockState before;
    EXPECT_FALSE(before.LoadState("MainWindow"));
    NewApp();
    CDockState saved;
    ASSERT_TRUE(saved.LoadState("MainWindow"));
    EXPECT_EQ(saved.m_sizeScreen,
              CSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_TRUE(saved.m_arrBarInfo.empty());
    EXPECT_NE(std::string(app->GetProfileStringA("WindowPositions", "MainWindow", "").GetString()),
              "");

    ASSERT_EQ(Start(), std::nullopt);
    CDockState restarted;
    ASSERT_TRUE(restarted.LoadState("MainWindow"));
    EXPECT_EQ(restarted.m_sizeScreen, saved.m_sizeScreen);
}

TEST_F(MainFrameTest, TheHelpCommandsOfTheFrameOpenTheUserManual) {
    ASSERT_EQ(Start(), std::nullopt);
    RecordLaunchesWithAPdfViewer();
    const UINT ids[] = {ID_HELP_FINDER, ID_CONTEXT_HELP, ID_HELP, ID_DEFAULT_HELP};
    for (const UINT id : ids) {
        Command(id);
    }
    hb::afx::PressKey(Main().m_hWnd, VK_F1, FSHIFT);
    const auto& launched = hb::win::LaunchLog();
    ASSERT_EQ(launched.size(), std::size(ids) + 1);
    for (const auto& launch : launched) {
        EXPECT_EQ(launch.file, app->GetAppFolder() + "Halbridge Pro User Manual.pdf");
    }
}

TEST_F(MainFrameTest, TheMDIClientsObjectGetsItsOwnCommandsFirst) {
    ASSERT_EQ(Start(), std::nullopt);
    CClientCommands client;
    ASSERT_TRUE(client.SubclassWindow(Frame().m_hWndMDIClient));
    for (UINT id = 9150; id <= 9160; ++id) {
        Command(id);
    }
    client.UnsubclassWindow();
    EXPECT_EQ(client.seen, (std::vector<UINT>{9155, 9156, 9157, 9158}));
}

TEST_F(MainFrameTest, AToolWindowWhoseFrameCannotBeMadeLeavesNoDocumentBehind) {
    // The player's form comes from the resource library.
    UseResourceLibrary();
    ASSERT_EQ(Start(), std::nullopt);
    // The frame's view cannot be made, and the frame with it.
    hb::afx::FailNextChildWindow(AFX_IDW_PANE_FIRST);
    Command(ID_TOOLS_AUDIO_PLAYER);
    EXPECT_EQ(Frame().m_pAudioPlayer, nullptr);
    EXPECT_EQ(Frame().MDIGetActive(), nullptr);
    EXPECT_FALSE(State(ID_TOOLS_AUDIO_PLAYER).checked);
    // The document the frame was to show is deleted with it: the leak check at exit would see it.
    Command(ID_TOOLS_AUDIO_PLAYER);
    EXPECT_NE(Frame().m_pAudioPlayer, nullptr);
}

TEST_F(MainFrameTest, TheVolumePaneGetsItsMixerViewOnceAndItsSizeFromIt) {
    ASSERT_EQ(Start(), std::nullopt);
    Pump();
    CMixerView* view = Frame().m_pMixerView;
    ASSERT_NE(view, nullptr);
    CXTPDockingPane* volume = Frame().m_paneManager.FindPane(CMainFrame::kVolumePane);
    EXPECT_EQ(volume->GetChild(), view);
    EXPECT_EQ(Frame().m_pVolumePane, volume);

    // A second notice for a pane with content makes nothing new.
    Main().SendMessage(WM_DOCKING_PANE_NOTIFY, DOCKING_PANE_SHOW_WINDOW,
                       reinterpret_cast<LPARAM>(volume));
    EXPECT_EQ(Frame().m_pMixerView, view);

    XTP_DOCKINGPANE_ACTION action{DOCKING_PANE_ACTION_SIZING, 0, volume};
    Main().SendMessage(WM_DOCKING_PANE_NOTIFY, DOCKING_PANE_ACTION,
                       reinterpret_cast<LPARAM>(&action));
    const CSize content = view->GetContentSize();
    EXPECT_GT(content.cx, 0);
    EXPECT_EQ(volume->GetMinTrackSize(), content);
    EXPECT_EQ(volume->GetMaxTrackSize(), content);
}

TEST_F(MainFrameTest, AFirstStartLaysTheMixerViewOutOnlyOnceThePanesArePutAway) {
    ASSERT_EQ(Start(), std::nullopt);
    Pump();
    CXTPDockingPane* volume = Frame().m_paneManager.FindPane(CMainFrame::kVolumePane);
    ASSERT_NE(Frame().m_pMixerView, nullptr);
    // While the pane is out it keeps its own size, so the windows beside it move only once.
    EXPECT_EQ(volume->GetMaxTrackSize(), CSize());
    EXPECT_EQ(volume->GetPaneRect().Width(), 300);
    AdvanceAndPump(500);
    EXPECT_TRUE(volume->IsHidden());
    EXPECT_EQ(volume->GetMaxTrackSize(), Frame().m_pMixerView->GetContentSize());

    // A later start lays the view out as soon as the pane shows.
    NewApp();
    ASSERT_EQ(Start(), std::nullopt);
    volume = Frame().m_paneManager.FindPane(CMainFrame::kVolumePane);
    ASSERT_TRUE(volume->IsHidden());
    Frame().m_paneManager.ShowPane(CMainFrame::kVolumePane);
    ASSERT_NE(Frame().m_pMixerView, nullptr);
    EXPECT_EQ(volume->GetMaxTrackSize(), Frame().m_pMixerView->GetContentSize());
    EXPECT_NE(volume->GetMaxTrackSize(), CSize());
}

TEST_F(MainFrameTest, WithoutAudioLoggingThereIsNoVolumePane) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "Software\\Corvanta\\Halbridge Pro\\Settings", 0,
                             nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD disabled = 1;
    RegSetValueEx(key, "DisableAudioLogging", 0, REG_DWORD,
                  reinterpret_cast<const BYTE*>(&disabled), sizeof disabled);
    RegCloseKey(key);
    ASSERT_EQ(Start(), std::nullopt);
    Pump();
    EXPECT_EQ(Frame().m_paneManager.FindPane(CMainFrame::kVolumePane), nullptr);
    EXPECT_EQ(Frame().m_pMixerView, nullptr);
}

TEST_F(MainFrameTest, CtrlTAddsThenRemovesTheShowSuffixAndTimerNeverDoublingIt) {
    ASSERT_EQ(Start(), std::nullopt);
    const std::string title = Frame().GetTitleText().GetString();
    hb::afx::PressKey(Main().m_hWnd, 'T', FCONTROL);
    EXPECT_EQ(std::string(Frame().GetTitleText().GetString()), title + " (Show)");
    EXPECT_TRUE(TimerRuns(CMainFrame::kShowTimer));
    hb::afx::PressKey(Main().m_hWnd, 'T', FCONTROL);
    EXPECT_EQ(std::string(Frame().GetTitleText().GetString()), title);
    EXPECT_FALSE(TimerRuns(CMainFrame::kShowTimer));

    // A title that has the suffix already without the timer gets it once.
    Frame().SetTitle((title + " (Show)").c_str());
    Command(ID_VIEW_SHOW_MODE);
    EXPECT_EQ(std::string(Frame().GetTitleText().GetString()), title + " (Show)");
    EXPECT_TRUE(TimerRuns(CMainFrame::kShowTimer));
}

TEST_F(MainFrameTest, TheEngineTraceGoesOnIntoTheDocumentsFolderAndOffAgain) {
    ASSERT_EQ(Start(), std::nullopt);
    const std::string path = std::string(app->GetDocFolder().GetString()) + "Engine.dmp";
    ExpectBox(path, IDOK, "Engine Trace Now On");
    hb::afx::PressKey(Main().m_hWnd, 'D', FCONTROL | FALT);
    ExpectBox("Engine trace dump has been turned off.", IDOK, "Engine Trace");
    hb::afx::PressKey(Main().m_hWnd, 'D', FCONTROL | FALT);
    EXPECT_EQ(EngineTraceCalls(), (std::vector<std::string>{"1", "255 " + path, "1", "0"}));
    ExpectBeeps(2);
}

TEST_F(MainFrameTest, EachToolWindowOpensAndClosesAndItsOwnCloseEmptiesTheSlot) {
    UseResourceLibrary();
    ASSERT_EQ(Start(), std::nullopt);
    const std::pair<UINT, CGenericFrame * CMainFrame::*> tools[] = {
        {ID_TOOLS_AUDIO_PLAYER, &CMainFrame::m_pAudioPlayer},
        {ID_TOOLS_PROGRAMMING_MANAGER, &CMainFrame::m_pProgrammingManager},
        {ID_TOOLS_SCANNER_MANAGER, &CMainFrame::m_pScannerManager},
        {ID_TOOLS_WEB_GRABBER, &CMainFrame::m_pWebGrabber},
    };
    for (const auto& [id, slot] : tools) {
        Command(id);
        ASSERT_NE(Frame().*slot, nullptr) << id;
        Command(id);
        EXPECT_EQ(Frame().*slot, nullptr) << id;
        Command(id);
        ASSERT_NE(Frame().*slot, nullptr) << id;
        (Frame().*slot)->SendMessage(WM_CLOSE);
        Pump();
        EXPECT_EQ(Frame().*slot, nullptr) << id;
    }
}

TEST_F(MainFrameTest, CascadeAfterTabbedRemovesTheTabsAndTabbedNeedsAWindow) {
    UseResourceLibrary();
    ASSERT_EQ(Start(), std::nullopt);
    Command(ID_WINDOW_TABBED);
    EXPECT_EQ(UserInt("Settings", "WindowArrange"), -1);
    EXPECT_EQ(Frame().m_wndMDITabs.m_hWnd, HWND{});

    Command(ID_TOOLS_AUDIO_PLAYER);
    // The tabbed area is painted at once, the frame and every window in it.
    Pump();
    InvalidateRect(Frame().m_pAudioPlayer->m_hWnd, nullptr, TRUE);
    Command(ID_WINDOW_TABBED);
    EXPECT_FALSE(GetUpdateRect(Frame().m_pAudioPlayer->m_hWnd, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(Main().m_hWnd, nullptr, FALSE));
    EXPECT_NE(Frame().m_wndMDITabs.m_hWnd, HWND{});
    EXPECT_EQ(UserInt("Settings", "WindowArrange"), CMainFrame::kArrangeTabbed);
    Command(ID_WINDOW_CASCADE_ALSO);
    EXPECT_EQ(Frame().m_wndMDITabs.m_hWnd, HWND{});
    EXPECT_EQ(UserInt("Settings", "WindowArrange"), CMainFrame::kArrangeCascade);
}

TEST_F(MainFrameTest, ThePanesShowTheDateAndTimeOfTheClockEachAsWideAsItsText) {
    hb::win::SetWallTime(1'780'000'000);
    ASSERT_EQ(Start(), std::nullopt);
    Pump();
    const CTime now = CTime::GetCurrentTime();
    CXTPStatusBar& bar = Frame().m_wndStatusBar;
    EXPECT_EQ(bar.GetItemID(4), ID_DATE_PANE);
    EXPECT_EQ(bar.GetItemID(5), ID_TIME_PANE);
    EXPECT_EQ(std::string(bar.GetPaneText(4).GetString()), now.Format("%x"));
    EXPECT_EQ(std::string(bar.GetPaneText(5).GetString()), now.Format("%X"));
    const HFONT font = hb::win::HandleFromParam<HFONT>(bar.SendMessage(WM_GETFONT));
    const HDC screen = GetDC(HWND{});
    SelectObject(screen, font);
    for (const int pane : {4, 5}) {
        const CString text = bar.GetPaneText(pane);
        SIZE size{};
        GetTextExtentPoint32(screen, text, text.GetLength(), &size);
        UINT id = 0;
        UINT style = 0;
        int width = 0;
        bar.GetPaneInfo(pane, id, style, width);
        EXPECT_GT(width, 0) << pane;
        EXPECT_EQ(width, size.cx) << pane;
    }
    ReleaseDC(HWND{}, screen);
}

TEST_F(MainFrameTest, SimpleModeAndUserAccountControlHideTheConfigurationButton) {
    ASSERT_EQ(Start(), std::nullopt);
    Command(ID_VIEW_SIMPLE_MODE);
    EXPECT_EQ(UserInt("Settings", "ToolBarHideConfiguration"), 0);
    EXPECT_FALSE(Button(ID_SETTINGS_CONFIGURATION)->IsVisible());
    Command(ID_VIEW_SIMPLE_MODE);
    EXPECT_TRUE(Button(ID_SETTINGS_CONFIGURATION)->IsVisible());

    app->SetUserAccountControlOn(true);
    app->SetAdminUser(false);
    Command(ID_TOOLBAR_HIDE_CONFIGURATION);
    Command(ID_TOOLBAR_HIDE_CONFIGURATION);
    EXPECT_EQ(UserInt("Settings", "ToolBarHideConfiguration"), 0);
    EXPECT_FALSE(Button(ID_SETTINGS_CONFIGURATION)->IsVisible());
}

TEST_F(MainFrameTest, ThePlainSizeKeepsTheMasterMuteAndRestoringClearsIt) {
    ASSERT_EQ(Start(), std::nullopt);
    CAudioLog::MasterMute(1);
    Main().SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(700, 500));
    EXPECT_NE(CAudioLog::al_monitor_master_mute, 0);
    Main().SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
    Main().SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(700, 500));
    EXPECT_EQ(CAudioLog::al_monitor_master_mute, 0);
}

TEST_F(MainFrameTest, LockedBarsAreNotSavedOnClose) {
    ASSERT_EQ(Start(), std::nullopt);
    Command(ID_TOOLBAR_LOCK);
    EXPECT_EQ(UserInt("MainFrame", "ToolBarLock"), 1);
    EXPECT_FALSE(Frame().GetCommandBars()->IsCustomizationEnabled());
    const std::size_t before = RegistryWrites().size();
    Frame().m_pMainToolBar->FindControl(ID_BEEP)->SetHideFlag(xtpHideCustomize, TRUE);
    EXPECT_EQ(hb::testkit::FinishApp(*app), 0);
    std::size_t barWrites = 0;
    for (std::size_t i = before; i < RegistryWrites().size(); ++i) {
        barWrites += RegistryWrites()[i].keyPath.find("CommandBars") != std::string::npos;
    }
    EXPECT_EQ(barWrites, 0u);
}

TEST_F(MainFrameTest, TheWizardWaitsForTheLastWindowAndRefusesWhileOneIsOpen) {
    UseResourceLibrary();
    ASSERT_EQ(Start(), std::nullopt);
    Command(ID_TOOLS_AUDIO_PLAYER);
    ExpectBox("You must close all windows before you can use the wizard.", IDOK,
              "Close All Windows");
    Command(ID_TOOLS_WIZARD);
    ExpectBeeps(1);

    Main().SetTimer(CMainFrame::kWizardTimer, 1000, nullptr);
    AdvanceAndPump(1000);
    EXPECT_TRUE(TimerRuns(CMainFrame::kWizardTimer));
    Command(ID_TOOLS_AUDIO_PLAYER);
    hb::afx::SetModalScript("CWizard", [](CDialog& wizard) { wizard.EndDialog(IDCANCEL); });
    AdvanceAndPump(1000);
    EXPECT_FALSE(TimerRuns(CMainFrame::kWizardTimer));
    ASSERT_FALSE(hb::afx::ModalLog().empty());
    EXPECT_EQ(hb::afx::ModalLog().back().className, "CWizard");
}

TEST_F(MainFrameTest, ATraceThatCannotBeWrittenIsNotReportedAsOn) {
    ASSERT_EQ(Start(), std::nullopt);
    std::filesystem::create_directories(std::string(app->GetDocFolder().GetString()) +
                                        "Engine.dmp");
    ExpectBox("could not be written", IDOK, "Engine Trace");
    Command(ID_VIEW_ENGINE_TRACE);
    EXPECT_EQ(EngineTraceCalls().size(), 2u);
    ExpectBeeps(1);
}

TEST_F(MainFrameTest, TheRebuildMessageHidesTheFirstBuildsControlsAgain) {
    ASSERT_EQ(Start(), std::nullopt);
    Button(ID_TOOLS_WEB_GRABBER)->SetHideFlags(xtpNoHide);
    EXPECT_EQ(Main().SendMessage(WM_TOOLKIT_BAR_RESET), 0);
    EXPECT_TRUE(Button(ID_TOOLS_WEB_GRABBER)->GetHideFlags() & xtpHideCustomize);
    EXPECT_EQ(UserInt("Settings", "ToolBarInit"), 1);
    EXPECT_EQ(Main().SendMessage(WM_TOOLKIT_IGNORED_285E), 0);
    EXPECT_EQ(Main().SendMessage(WM_TOOLKIT_IGNORED_2868), 0);
}

TEST_F(MainFrameTest, MinimisingShowsTheWindowMinimisedAndMutesOnlyWhenAsked) {
    ASSERT_EQ(Start(), std::nullopt);
    Main().SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(Main().m_hWnd));
    EXPECT_EQ(CAudioLog::al_monitor_master_mute, 0);
    Main().ShowWindow(SW_RESTORE);
    app->m_muteWhenMinimized = TRUE;
    Main().SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_NE(CAudioLog::al_monitor_master_mute, 0);
}

TEST_F(MainFrameTest, ForcedSimpleModeDisablesTheToolBarOptions) {
    ASSERT_EQ(Start(), std::nullopt);
    for (const UINT id :
         {ID_VIEW_SIMPLE_MODE, ID_TOOLBAR_HIDE_CONFIGURATION, ID_TOOLBAR_HIDE_ADVANCED_TOOLS}) {
        EXPECT_TRUE(State(id).enabled) << id;
    }
    app->SetForcedSimpleMode(true);
    for (const UINT id :
         {ID_VIEW_SIMPLE_MODE, ID_TOOLBAR_HIDE_CONFIGURATION, ID_TOOLBAR_HIDE_ADVANCED_TOOLS}) {
        EXPECT_FALSE(State(id).enabled) << id;
    }
    EXPECT_TRUE(State(ID_VIEW_SIMPLE_MODE).checked);
}

TEST_F(MainFrameTest, OpeningAKindWithoutATemplateBeepsAndAScanListAsksForItsFiles) {
    ASSERT_EQ(Start(), std::nullopt);
    Command(ID_FILE_OPEN_TRAFFIC_ANALYZER);
    ExpectBeeps(1);
    EXPECT_TRUE(hb::afx::FileDialogLog().empty());

    hb::afx::SetFileDialogHook(
        [](const hb::afx::FileDialogRequest&) { return std::optional<std::string>(); });
    Command(ID_FILE_OPEN_SCAN_LIST);
    ASSERT_EQ(hb::afx::FileDialogLog().size(), 1u);
    const hb::afx::FileDialogRequest& request = hb::afx::FileDialogLog()[0];
    EXPECT_TRUE(request.open);
    EXPECT_EQ(request.filter.rfind("Scan List Files (*.sws)|*.sws|", 0), 0u) << request.filter;
    EXPECT_EQ(request.defaultExtension, ".sws");
}

TEST_F(MainFrameTest, ADockingFrameHoldingTheFocusSeesCommandsFirst) {
    ASSERT_EQ(Start(), std::nullopt);
    auto* docking = new CBeepingDockingFrame;
    ASSERT_TRUE(
        docking->Create(nullptr, "Floating", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 80), &Main()));
    CWnd edit;
    ASSERT_TRUE(edit.Create("Edit", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), docking, 1));
    edit.SetFocus();
    Command(ID_BEEP);
    EXPECT_EQ(docking->beeps, 1);

    // Without the focus there the frame beeps itself.
    Main().SetFocus();
    Command(ID_BEEP);
    EXPECT_EQ(docking->beeps, 1);
    ExpectBeeps(1);
    edit.DestroyWindow();
    docking->DestroyWindow();
}

} // namespace
} // namespace hb::app::test
