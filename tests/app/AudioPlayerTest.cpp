#include "audio/AudioPlayer.h"

#include "app/mainframe/MainFrame.h"
#include "audio/AudioManifest.h"
#include "audio/AudioPlayerFrame.h"
#include "platform/afx/CDockState.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioFile.h"
#include "platform/tessary/audio/AudioPlayerView.h"
#include "platform/win/controls/DateTimePick.h"
#include "platform/win/core/Clock.h"
#include "platform/win/mm/SimAudio.h"
#include "resources/ResourceIds.h"
#include "tests/app/ProgramTest.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace hb::app::test {
namespace {

namespace fs = std::filesystem;
namespace sim = hb::win::mm::sim;

constexpr std::int64_t kNow = 1'800'000'000;
constexpr std::uint8_t kPayload = 0x2A;

// What the recording held when the player had answered the catalog's notice of an edit.
struct EditNotice {
    static inline WNDPROC previous = nullptr;
    static inline std::string path;
    static inline const CAudioFile* playing = nullptr;
    static inline std::vector<std::string> subjects;

    static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = CallWindowProc(previous, hwnd, message, wParam, lParam);
        if (message == WM_CATALOG_EDIT_FILE) {
            CAudioFile file;
            file.Open(path);
            file.GotoPlaySegment(1);
            subjects.push_back(file.CurrentHeader().get(wlseg::kDal).text(dal::kName1) +
                               (playing->IsOpen() ? " (still open)" : " (let go)"));
        }
        return result;
    }
};

class AudioPlayerTest : public ProgramTest {
protected:
    AudioPlayerTest() {
        Settings(kTwoRadios);
        // The player's form comes from the resource library.
        UseResourceLibrary();
        hb::win::SetWallTime(kNow);
        sim::AddCard({"Radio", {"Receiver"}, {"Speaker"}});
    }

    // Two segments recorded a minute apart into a file of the documents folder.
    std::string Record(const std::string& name) {
        const std::string path = app->GetDocFolder().str() + name;
        fs::create_directories(fs::path(path).parent_path());
        CAudioFile file;
        EXPECT_TRUE(file.Open(path));
        for (const std::uint32_t frequency : {155'010'000u, 460'125'000u}) {
            dal record;
            record.set(dal::kKind, 2);
            record.set(dal::kState, 2);
            record.set(dal::kFrequency, frequency);
            record.set(dal::kTime, static_cast<std::uint32_t>(kNow - 60));
            record.setText(dal::kName1, "Dispatch");
            file.AppendSegment(record, 0);
            const std::vector<std::uint8_t> audio(8000, kPayload);
            file.AppendAudio(audio.data(), 8000);
        }
        file.Close();
        return path;
    }

    CMainFrame& Frame() { return static_cast<CMainFrame&>(Main()); }
    // Starts the program and opens Tools > Audio Player.
    bool OpenPlayer() {
        if (Start() != std::nullopt) {
            return false;
        }
        Command(ID_TOOLS_AUDIO_PLAYER);
        return Player() != nullptr;
    }
    CAudioPlayerFrame* Player() { return dynamic_cast<CAudioPlayerFrame*>(Frame().m_pAudioPlayer); }
    // The first record row showing the text.
    int RowOf(const std::string& contains) {
        CXTPReportControl& report = Player()->m_catalog->GetReportCtrl();
        const std::vector<std::string> rows = report.RowTexts();
        for (int index = 0; index < static_cast<int>(rows.size()); ++index) {
            if (!report.GetRow(index)->IsGroupRow() &&
                rows[static_cast<std::size_t>(index)].find(contains) != std::string::npos) {
                return index;
            }
        }
        return -1;
    }
    // A control of the player tells it of a change, as the control does.
    void Notify(UINT id, UINT code) {
        CAudioPlayer& player = *Player()->m_player;
        player.SendMessage(WM_COMMAND, MAKEWPARAM(id, code),
                           hb::win::ParamFromHwnd(player.GetDlgItem(static_cast<int>(id))->m_hWnd));
    }
    void ChooseIn(CComboBox& box, int index, UINT id) {
        box.SetCurSel(index);
        Notify(id, CBN_SELCHANGE);
    }
    static std::vector<std::string> CallsOf(CAudioPlayer& player) {
        return hb::tessary::AudioCallsOf(static_cast<CAudioLog*>(&player));
    }
    static std::string Chosen(CComboBox& box) {
        CString text;
        box.GetLBText(box.GetCurSel(), text);
        return text.str();
    }
    // A click on the date picker drops its calendar; a click on a day takes it and closes it.
    static void ChooseDay(CWnd& picker, int day) {
        picker.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
        const POINT at = hb::win::DatePickerDayPoint(picker.GetSafeHwnd(), day);
        picker.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(at.x, at.y));
    }
    static std::size_t PayloadPlayed() {
        const std::vector<std::uint8_t>& played = sim::Played(0);
        return static_cast<std::size_t>(std::count(played.begin(), played.end(), kPayload));
    }
};

TEST_F(AudioPlayerTest, TheWindowHoldsThePlayerAboveTheCatalogAndRemembersItsTab) {
    UserValue("AudioPlayer", "ActiveView", 1);
    ASSERT_EQ(Start(), std::nullopt);
    Command(ID_TOOLS_AUDIO_PLAYER);
    CAudioPlayerFrame* frame = Player();
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->m_player, nullptr);
    ASSERT_NE(frame->m_catalog, nullptr);
    EXPECT_EQ(frame->Tabs().GetCaption(0), "Audio Manifest");
    EXPECT_EQ(frame->Tabs().GetCaption(1), "Current Index");
    EXPECT_EQ(frame->Tabs().GetActiveIndex(), 1);
    EXPECT_EQ(frame->m_indexView->m_log, frame->m_player);
    EXPECT_EQ(frame->m_player->m_file.m_indexView, frame->m_indexView);
    // A first start shows the catalog's own order: by frequency, with group headers.
    EXPECT_EQ(frame->m_player->m_sortBox.GetCurSel(), 2);
    EXPECT_EQ(frame->m_player->m_groupHeaders, 1);
    EXPECT_EQ(frame->m_player->m_scopeBox.GetCurSel(), 2);
    EXPECT_EQ(frame->m_player->m_scopeBox.GetCount(), 7);

    frame->Tabs().SetActiveIndex(0);
    Command(ID_TOOLS_AUDIO_PLAYER);
    EXPECT_EQ(Frame().m_pAudioPlayer, nullptr);
    EXPECT_EQ(app->GetProfileIntA("AudioPlayer", "ActiveView", -1), 0);
    CDockState state;
    EXPECT_TRUE(state.LoadState(CAudioPlayerFrame::kDockState)) << "the dock state is written";
}

TEST_F(AudioPlayerTest, APlayClickOpensTheFileAndPlaysThatSegment) {
    const std::string path = Record("Police/rx1.swq");
    ASSERT_TRUE(OpenPlayer());
    CAudioPlayer& player = *Player()->m_player;
    CAudioManifest& catalog = *Player()->m_catalog;
    const int row = RowOf("460.1250");
    ASSERT_GE(row, 0);
    catalog.GetReportCtrl().ClickCell(row, 0);
    EXPECT_EQ(player.m_file.m_name, path);
    EXPECT_EQ(player.m_mode, CAudioLog::kModePlay);
    EXPECT_EQ(player.m_file.m_currentRecord, 2u);
    const int handle = player.m_file.m_handle;
    for (int tick = 0; tick < 20; ++tick) {
        AdvanceAndPump(100);
    }
    EXPECT_EQ(PayloadPlayed(), 8000u) << "the second segment's payload, once";

    // The same file in other letters is not opened again.
    catalog.m_playPath = CString(path.c_str()).MakeUpper();
    player.SendMessage(WM_PLAY_CATALOG_ENTRY, catalog.m_playSegment,
                       static_cast<LPARAM>(catalog.m_playOffset));
    EXPECT_EQ(player.m_file.m_handle, handle);
    // A request that is not the catalog's is ignored.
    player.SendMessage(WM_PLAY_CATALOG_ENTRY, 1, 0);
    EXPECT_EQ(player.m_file.m_currentRecord, 2u);
    // A file that cannot be opened leaves the player without one.
    catalog.m_playPath = (app->GetDocFolder() + "No such folder/rx9.swq");
    player.SendMessage(WM_PLAY_CATALOG_ENTRY, catalog.m_playSegment,
                       static_cast<LPARAM>(catalog.m_playOffset));
    EXPECT_FALSE(player.m_file.IsOpen());
}

TEST_F(AudioPlayerTest, AStaleOpenFileIsLetGoAndItsRowsHide) {
    const std::string path = Record("rx1.swq");
    ASSERT_TRUE(OpenPlayer());
    CAudioPlayer& player = *Player()->m_player;
    CAudioManifest& catalog = *Player()->m_catalog;
    catalog.GetReportCtrl().ClickCell(RowOf("155.0100"), 0);
    ASSERT_TRUE(player.m_file.IsOpen());

    // An "Info" edit of the open file's row lets the file go before the header is written.
    EditNotice::path = path;
    EditNotice::playing = &player.m_file;
    EditNotice::previous = reinterpret_cast<WNDPROC>(SetWindowLongPtr(
        player.GetSafeHwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditNotice::Proc)));
    catalog.GetReportCtrl().EditCell(RowOf("155.0100"), 1, "Edited");
    SetWindowLongPtr(player.GetSafeHwnd(), GWLP_WNDPROC,
                     reinterpret_cast<LONG_PTR>(EditNotice::previous));
    EXPECT_EQ(EditNotice::subjects, std::vector<std::string>{"Dispatch (let go)"})
        << "let go while the header is not yet written";
    EXPECT_FALSE(player.m_file.IsOpen());
    EXPECT_EQ(app->GetProfileStringA("AudioPlayer", "RecordingFile", "unset"), "");
    EXPECT_EQ(Player()->m_indexView->GetGrid().GetNumberRows(), 0);
    EXPECT_NE(RowOf("Edited"), -1) << "the rows stay";

    catalog.GetReportCtrl().ClickCell(RowOf("155.0100"), 0);
    ASSERT_TRUE(player.m_file.IsOpen());
    std::string upper = path;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    player.UpdateSegment(upper.c_str(), nullptr, 0);
    EXPECT_FALSE(player.m_file.IsOpen());
    EXPECT_EQ(app->GetProfileStringA("AudioPlayer", "RecordingFile", "unset"), "");
    player.UpdateSegment(path.c_str(), nullptr, 0);
    EXPECT_EQ(RowOf("155.0100"), -1) << "the catalog hides the file's rows";
}

TEST_F(AudioPlayerTest, TheFiltersReachTheCatalog) {
    Record("rx1.swq");
    UserValue("Settings", "AudioPlayerSpeaker", 12345);
    ASSERT_TRUE(OpenPlayer());
    CAudioPlayer& player = *Player()->m_player;
    CAudioManifest& catalog = *Player()->m_catalog;
    EXPECT_EQ(player.m_speakerBox.GetCurSel(), player.m_speakerBox.GetCount() - 1)
        << "no line has the stored value";
    ChooseIn(player.m_speakerBox, 0, 28549);
    EXPECT_EQ(player.m_monitorLine, -4);
    EXPECT_EQ(app->GetProfileIntA("Settings", "AudioPlayerSpeaker", 0), -4);

    ChooseIn(player.m_sortBox, 0, 28622);
    EXPECT_EQ(catalog.GetSort(), 0);
    ChooseIn(player.m_scopeBox, 4, 28623);
    EXPECT_EQ(catalog.GetScope(), 4);

    // A date range takes in the whole of both days.
    player.m_windowBegin = CTime(2027, 3, 5, 14, 20, 0);
    player.m_windowEnd = CTime(2027, 3, 7, 9, 0, 0);
    player.UpdateData(FALSE);
    player.m_windowBegin = CTime();
    // Closing a calendar chooses the date range.
    NMHDR closed{
        .hwndFrom = player.GetDlgItem(28625)->GetSafeHwnd(), .idFrom = 28625, .code = DTN_CLOSEUP};
    player.SendMessage(WM_NOTIFY, 28625, reinterpret_cast<LPARAM>(&closed));
    EXPECT_EQ(player.m_scopeBox.GetCurSel(), CAudioPlayer::kDateRange);
    EXPECT_EQ(catalog.GetScope(), CAudioPlayer::kDateRange);
    EXPECT_EQ(catalog.GetWindowStart(), CTime(2027, 3, 5, 0, 0, 0).GetTime());
    EXPECT_EQ(catalog.GetWindowEnd(), CTime(2027, 3, 7, 23, 59, 59).GetTime());
    EXPECT_EQ(app->GetProfileIntA("AudioManifest", "TimeWindowBegin", 0),
              CTime(2027, 3, 5, 0, 0, 0).GetTime());
    EXPECT_EQ(app->GetProfileIntA("AudioManifest", "TimeWindowEnd", 0),
              CTime(2027, 3, 7, 23, 59, 59).GetTime());

    player.CheckDlgButton(28532, BST_UNCHECKED);
    Notify(28532, BN_CLICKED);
    EXPECT_EQ(catalog.GetGroup(), 0);

    player.GetDlgItem(28094)->SetWindowText("dispatch");
    Notify(28094, EN_KILLFOCUS);
    EXPECT_EQ(catalog.GetReportCtrl().GetFilterText(), "dispatch");
}

TEST_F(AudioPlayerTest, AStoredDockStateThatCannotBeAppliedGivesTheClearedOne) {
    CDockState stored;
    CDockBarInfo missing;
    missing.nBarID = 59999;
    stored.m_arrBarInfo.push_back(missing);
    stored.SaveState(CAudioPlayerFrame::kDockState);
    ASSERT_TRUE(OpenPlayer());
    EXPECT_NE(Player()->m_player->m_mode, CAudioLog::kModeRecord) << "a player never records";
    Command(ID_TOOLS_AUDIO_PLAYER);
    CDockState saved;
    ASSERT_TRUE(saved.LoadState(CAudioPlayerFrame::kDockState));
    EXPECT_TRUE(saved.m_arrBarInfo.empty());
}

TEST_F(AudioPlayerTest, AFrameWithoutItsCatalogOrIndexFailsAndLeavesNothing) {
    UserValue("AudioPlayer", "ActiveView", 1);
    ASSERT_EQ(Start(), std::nullopt);
    const std::size_t loggers = CAudioLog::al_list.size();
    for (CRuntimeClass* missing :
         {RUNTIME_CLASS(CAudioManifest), RUNTIME_CLASS(CAudioPlayerView)}) {
        const auto create = missing->m_pfnCreateObject;
        missing->m_pfnCreateObject = [] { return static_cast<CObject*>(nullptr); };
        Command(ID_TOOLS_AUDIO_PLAYER);
        missing->m_pfnCreateObject = create;
        EXPECT_EQ(Frame().m_pAudioPlayer, nullptr) << missing->m_lpszClassName;
        EXPECT_EQ(CAudioLog::al_list.size(), loggers) << "no logger is left behind";
    }
    EXPECT_EQ(app->GetProfileIntA("AudioPlayer", "ActiveView", -1), 1);
    CDockState saved;
    EXPECT_FALSE(saved.LoadState(CAudioPlayerFrame::kDockState)) << "nothing written";
    Command(ID_TOOLS_AUDIO_PLAYER);
    EXPECT_NE(Player(), nullptr) << "the slot still works";
}

TEST_F(AudioPlayerTest, TheIndexListsTheSegmentsAndThePlayedOneIsSelected) {
    const std::string path = Record("rx1.swq");
    ASSERT_TRUE(OpenPlayer());
    CAudioPlayer& player = *Player()->m_player;
    CAudioManifest& catalog = *Player()->m_catalog;
    CUGCtrl& index = Player()->m_indexView->GetGrid();
    EXPECT_EQ(index.GetNumberRows(), 0) << "no file open";
    EXPECT_EQ(index.QuickGetText(CAudioPlayerView::kFrequencyColumn, -1), "Frequency");

    catalog.GetReportCtrl().ClickCell(RowOf("460.1250"), 0);
    ASSERT_EQ(index.GetNumberRows(), 2);
    EXPECT_EQ(index.QuickGetText(CAudioPlayerView::kNumberColumn, 1), "2");
    EXPECT_EQ(index.QuickGetText(CAudioPlayerView::kFrequencyColumn, 1), " 460.1250");
    EXPECT_EQ(index.QuickGetText(CAudioPlayerView::kNamesColumn, 0), "Dispatch");
    EXPECT_EQ(index.QuickGetText(CAudioPlayerView::kLengthColumn, 0), "0:01");
    EXPECT_EQ(index.QuickGetText(CAudioPlayerView::kTimeColumn, 0), "2027/01/15 07:59:00");
    EXPECT_EQ(index.GetCurrentRow(), 1);

    // The same file in other letters goes straight to the segment.
    const std::size_t before = CallsOf(player).size();
    catalog.m_playPath = CString(path.c_str()).MakeUpper();
    catalog.m_playSegment = 1;
    catalog.m_playOffset = player.m_file.m_dataStart;
    player.SendMessage(WM_PLAY_CATALOG_ENTRY, 1, static_cast<LPARAM>(catalog.m_playOffset));
    const std::vector<std::string> calls = CallsOf(player);
    EXPECT_EQ(std::vector<std::string>(calls.begin() + static_cast<long>(before), calls.end()),
              std::vector<std::string>{"OnGotoSegment(1, 255)"})
        << "not opened again";
    EXPECT_EQ(index.GetCurrentRow(), 0);
    // Segment 0 selects no row.
    catalog.m_playSegment = 0;
    player.SendMessage(WM_PLAY_CATALOG_ENTRY, 0, static_cast<LPARAM>(catalog.m_playOffset));
    EXPECT_EQ(index.GetCurrentRow(), 0);
}

TEST_F(AudioPlayerTest, TheSpeakerAndScopeChoicesAndEitherCalendarReachTheirTargets) {
    Record("rx1.swq");
    UserValue("Settings", "AudioPlayerSpeaker", -4);
    ASSERT_TRUE(OpenPlayer());
    CAudioPlayer& player = *Player()->m_player;
    CAudioManifest& catalog = *Player()->m_catalog;
    EXPECT_EQ(Chosen(player.m_speakerBox), "Default Output");
    ASSERT_GE(player.m_speakerBox.GetCount(), 2);
    const std::size_t before = CallsOf(player).size();
    ChooseIn(player.m_speakerBox, 1, 28549);
    const auto line = static_cast<int>(player.m_speakerBox.GetItemData(1));
    const std::vector<std::string> calls = CallsOf(player);
    ASSERT_GE(calls.size(), before + 2);
    EXPECT_EQ(
        std::vector<std::string>(calls.begin() + static_cast<long>(before),
                                 calls.begin() + static_cast<long>(before) + 2),
        (std::vector<std::string>{"SetMonitorLine(" + std::to_string(line) + ")", "SetRole(1)"}));
    EXPECT_EQ(app->GetProfileIntA("Settings", "AudioPlayerSpeaker", 0), line);
    // A speaker chosen while a file plays keeps the player playing; it records nothing.
    catalog.GetReportCtrl().ClickCell(RowOf("155.0100"), 0);
    ChooseIn(player.m_speakerBox, 0, 28549);
    EXPECT_EQ(player.m_mode, CAudioLog::kModePlay);
    for (int tick = 0; tick < 5; ++tick) {
        AdvanceAndPump(100);
    }
    EXPECT_EQ(player.m_file.m_recordCount, 2u);

    for (int scope = 0; scope <= 5; ++scope) {
        ChooseIn(player.m_scopeBox, scope, 28623);
        EXPECT_EQ(catalog.GetScope(), scope);
    }
    ChooseIn(player.m_scopeBox, 1, 28623);
    player.m_windowEnd = CTime(2027, 3, 7, 9, 0, 0);
    player.m_windowBegin = CTime(2027, 3, 5, 14, 20, 0);
    player.UpdateData(FALSE);
    ChooseDay(*player.GetDlgItem(28624), 4);
    EXPECT_EQ(player.m_scopeBox.GetCurSel(), CAudioPlayer::kDateRange);
    EXPECT_EQ(catalog.GetWindowStart(), CTime(2027, 3, 4, 0, 0, 0).GetTime());
    EXPECT_EQ(catalog.GetWindowEnd(), CTime(2027, 3, 7, 23, 59, 59).GetTime());
}

} // namespace
} // namespace hb::app::test
