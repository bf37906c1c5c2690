#include "audio/AudioPlayer.h"

#include "app/mainframe/MainFrame.h"
#include "audio/AudioManifest.h"
#include "audio/AudioPlayerFrame.h"
#include "platform/afx/CDockState.h"
#include "platform/records/PrivateMessages.h"
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
    ASSERT_EQ(Start(), std::nullopt);
    Command(ID_TOOLS_AUDIO_PLAYER);
    ASSERT_NE(Player(), nullptr);
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
    ASSERT_EQ(Start(), std::nullopt);
    Command(ID_TOOLS_AUDIO_PLAYER);
    ASSERT_NE(Player(), nullptr);
    CAudioPlayer& player = *Player()->m_player;
    CAudioManifest& catalog = *Player()->m_catalog;
    catalog.GetReportCtrl().ClickCell(RowOf("155.0100"), 0);
    ASSERT_TRUE(player.m_file.IsOpen());

    // An "Info" edit of the open file's row lets the file go before the header is written.
    catalog.GetReportCtrl().EditCell(RowOf("155.0100"), 1, "Edited");
    EXPECT_FALSE(player.m_file.IsOpen());
    EXPECT_NE(RowOf("Edited"), -1);

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
    ASSERT_EQ(Start(), std::nullopt);
    Command(ID_TOOLS_AUDIO_PLAYER);
    ASSERT_NE(Player(), nullptr);
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

} // namespace
} // namespace hb::app::test
