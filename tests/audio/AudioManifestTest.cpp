#include "audio/AudioManifest.h"

#include "audio/AudioManifestItem.h"
#include "audio/AudioView.h"
#include "audio/ReportTextItem.h"
#include "platform/afx/PrintJobs.h"
#include "platform/afx/res/AfxIds.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioFile.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/toolkit/XTPReportDefines.h"
#include "platform/win/core/Clock.h"
#include "platform/win/gdi/Painting.h"
#include "platform/win/sys/ChangeNotification.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramResources.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kNow = 1'800'000'000;
constexpr int kPlayColumn = 0;
constexpr int kInfoColumn = 1;
constexpr int kFreqColumn = 3;

struct Take {
    std::uint32_t frequency = 155'010'000;
    std::int64_t age = 60; // seconds before now
    const char* name = "Dispatch";
    std::uint32_t audioBytes = 16'000;
};

class AudioManifestTest : public hb::testkit::PlatformTest {
protected:
    AudioManifestTest() {
        UseProgramResources(ProgramResourceTables());
        hb::win::SetWallTime(kNow);
        docs = app.GetDocFolder().str();
        fs::create_directories(docs);
        frame.Create({.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      .rect = {0, 0, 1200, 500},
                      .text = "Audio Player"});
        playerWindow.Create({.style = WS_CHILD, .parent = frame.hwnd(), .rect = {0, 0, 10, 10}});
        player = new CAudioView;
        player->SubclassWindow(playerWindow.hwnd());
    }

    // Records the takes into a recording file with the recorder's own writer.
    std::string Record(const std::string& name, const std::vector<Take>& takes) {
        const std::string path = docs + name;
        fs::create_directories(fs::path(path).parent_path());
        CAudioFile file;
        EXPECT_TRUE(file.Open(path));
        for (const Take& take : takes) {
            dal record;
            record.set(dal::kKind, 2);
            record.set(dal::kState, 2);
            record.set(dal::kFrequency, take.frequency);
            record.set(dal::kTime, static_cast<std::uint32_t>(kNow - take.age));
            record.setText(dal::kName1, take.name);
            record.setText(dal::kRadioName, "Rx1");
            file.AppendSegment(record, 0);
            const std::vector<std::uint8_t> audio(take.audioBytes, 0x10);
            file.AppendAudio(audio.data(), take.audioBytes);
        }
        file.Close();
        return path;
    }

    void Open() {
        view = new CAudioManifest;
        ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1200, 500),
                                 CWnd::FromHandle(frame.hwnd()), AFX_IDW_PANE_FIRST, nullptr));
        view->SetPlayer(player);
        view->SendMessage(WM_INITIALUPDATE);
    }

    CXTPReportControl& Report() { return view->GetReportCtrl(); }
    std::vector<std::string> Rows() { return Report().RowTexts(); }
    // The record rows, without group rows.
    std::vector<std::string> Records() {
        std::vector<std::string> records;
        for (const std::string& row : Rows()) {
            if (row.front() != '[') {
                records.push_back(row);
            }
        }
        return records;
    }
    int RowOf(const std::string& contains) {
        for (int index = 0; index < Report().GetRowCount(); ++index) {
            if (Rows()[static_cast<std::size_t>(index)].find(contains) != std::string::npos &&
                !Report().GetRow(index)->IsGroupRow()) {
                return index;
            }
        }
        return -1;
    }
    void Tick() { AdvanceAndPump(CAudioManifest::kTimerMs); }

    // Adds a segment to a file that is already there, as a recorder going on would.
    static wlseg Append(const std::string& path, const char* name, std::uint32_t mark = 0) {
        CAudioFile file;
        EXPECT_TRUE(file.Open(path));
        dal record;
        record.set(dal::kKind, 2);
        record.set(dal::kState, 2);
        record.set(dal::kFrequency, 162'000'000);
        record.set(dal::kTime, static_cast<std::uint32_t>(kNow - 1));
        record.setText(dal::kName1, name);
        file.AppendSegment(record, mark);
        const wlseg header = file.LastHeader();
        file.Close();
        return header;
    }

    // Changes a segment's subject in place; the file keeps its size.
    static void Rename(const std::string& path, std::uint32_t segment, const char* name) {
        CAudioFile file;
        ASSERT_TRUE(file.Open(path));
        ASSERT_TRUE(file.GotoPlaySegment(segment));
        wlseg header = file.CurrentHeader();
        dal record = header.get(wlseg::kDal);
        record.setText(dal::kName1, name);
        header.set(wlseg::kDal, record);
        ASSERT_TRUE(file.SegmentHeaderWrite(header, CAudioFile::kWriteInPlace));
        file.Close();
    }

    static dal StoredRecord(const std::string& path, std::uint32_t segment) {
        CAudioFile file;
        EXPECT_TRUE(file.Open(path));
        EXPECT_TRUE(file.GotoPlaySegment(segment));
        const dal record = file.CurrentHeader().get(wlseg::kDal);
        file.Close();
        return record;
    }

    bool Shows(const std::string& text) { return RowOf(text) >= 0; }

    CScanApp app{"Halbridge Pro"};
    std::string docs;
    hb::testkit::TestWindow frame;
    hb::testkit::TestWindow playerWindow;
    CAudioView* player = nullptr;
    CAudioManifest* view = nullptr;
};

TEST_F(AudioManifestTest, TheFirstRebuildListsEverySegmentWithTheDefaults) {
    Record("RX1_AUDIO.SWQ", {{.frequency = 155'010'000, .name = "North"},
                             {.frequency = 460'125'000, .name = "South", .audioBytes = 16'001}});
    Record("Police/rx2.swq", {{.frequency = 154'000'000, .age = 3 * 86400, .name = "Unit 7"}});
    Record("Catalog/rx3.swq", {{.name = "Hidden"}});
    Record("CATALOG/rx4.swq", {{.name = "Hidden too"}});
    Open();
    EXPECT_EQ(view->GetScope(), 2);
    EXPECT_EQ(view->GetSort(), 2);
    EXPECT_EQ(view->GetGroup(), 1);
    EXPECT_EQ(view->GetReverse(), 255);
    EXPECT_EQ(view->GetDispositionFilter(), 7);
    EXPECT_EQ(view->GetWindowEnd(), kNow);
    EXPECT_EQ(view->GetWindowStart(), kNow - 604800);
    // Grouped by frequency, highest first.
    EXPECT_EQ(Rows(),
              (std::vector<std::string>{
                  "[460.1250:]",
                  "2 | South | 2027/01/15 07:59:00 | 460.1250 |  |  | 0:02 | Rx1 | RX1_AUDIO.SWQ",
                  "[155.0100:]",
                  "1 | North | 2027/01/15 07:59:00 | 155.0100 |  |  | 0:01 | Rx1 | RX1_AUDIO.SWQ",
                  "[154.0000:]",
                  "1 | Unit 7 | 2027/01/12 08:00:00 | 154.0000 |  |  | 0:01 | Rx1 | Police/rx2.swq",
              }));
    EXPECT_EQ(
        app.BusyPeriodLog(),
        (std::vector<std::string>{"1687 Building Recordings Catalog: Searching - please wait.."}));
    EXPECT_FALSE(app.IsBusyPeriod());
}

TEST_F(AudioManifestTest, ScopesChooseTheirWindowsInclusively) {
    Record("rx1.swq", {{.age = 86400, .name = "A day"},
                       {.age = 86401, .name = "Older"},
                       {.age = 40 * 86400, .name = "Forty days"},
                       {.age = kNow, .name = "Stamp zero"},
                       {.frequency = 0, .name = "No frequency"}});
    Open();
    const auto shown = [this](BYTE scope) {
        view->SetScope(scope, FALSE);
        return Records().size();
    };
    EXPECT_EQ(shown(0), 1u) << "both ends count; no row without a frequency or a time stamp";
    EXPECT_EQ(view->GetWindowStart(), kNow - 86400);
    EXPECT_EQ(shown(1), 2u);
    EXPECT_EQ(shown(3), 2u);
    EXPECT_EQ(shown(4), 3u);
    EXPECT_EQ(shown(5), 3u) << "every row with a time stamp and a frequency";
    const int populated = view->PopulateCount();
    view->ApplyFilter(FALSE);
    EXPECT_EQ(view->PopulateCount(), populated) << "nothing changed";
    view->ApplyFilter(TRUE);
    EXPECT_EQ(view->PopulateCount(), populated + 1);
    view->SetTimeWindow(static_cast<std::int32_t>(kNow - 86401),
                        static_cast<std::int32_t>(kNow - 86400), FALSE);
    EXPECT_EQ(view->GetScope(), 6);
    EXPECT_EQ(Records().size(), 2u);
    EXPECT_EQ(app.GetProfileIntA("AudioManifest", "WindowStart", 0), kNow - 86401);
}

TEST_F(AudioManifestTest, FilesComeGoAndComeBackWithoutDuplicates) {
    const std::string path = Record("RX1_AUDIO.SWQ", {{.name = "First"}});
    Open();
    ASSERT_EQ(Records().size(), 1u);
    fs::remove(path);
    view->Rebuild();
    EXPECT_TRUE(Records().empty());
    EXPECT_EQ(view->MappedIndex(path.c_str()), -1);
    EXPECT_EQ(view->Files().size(), 1u) << "the slot stays";
    Record("RX1_AUDIO.SWQ", {{.name = "Again"}});
    view->Rebuild();
    view->Rebuild();
    EXPECT_EQ(Records().size(), 1u);
    EXPECT_NE(Records()[0].find("Again"), std::string::npos);
    EXPECT_EQ(view->MappedIndex(path.c_str()), 1);
    Record("Fire/new.swq", {{.name = "New folder"}});
    view->Rebuild();
    EXPECT_EQ(Records().size(), 2u);
}

TEST_F(AudioManifestTest, AnUnchangedRebuildChangesNothingAndAnUnchangedSizeIsNotReadAgain) {
    const std::string path = Record("rx1.swq", {{.name = "One"}, {.name = "Two"}});
    Record("Police/rx2.swq", {{.name = "Three"}});
    Open();
    const int populated = view->PopulateCount();
    const std::vector<std::string> rows = Rows();
    view->Rebuild();
    EXPECT_EQ(view->PopulateCount(), populated) << "nothing was repopulated";
    EXPECT_EQ(Rows(), rows);
    Rename(path, 1, "Renamed");
    view->Rebuild();
    EXPECT_TRUE(Shows("| One |")) << "the size is unchanged, so the file is not read";
    EXPECT_FALSE(Shows("Renamed"));
}

TEST_F(AudioManifestTest, GrownFilesReadOnlyTheirNewRecordsAndShrunkOnesReadAgain) {
    const std::string path = Record("rx1.swq", {{.name = "One"}});
    Open();
    const std::uint64_t first = view->Files()[0].lastRecord;
    Append(path, "Two");
    const CatalogSegmentEntry* kept = view->Files()[0].segments[0].get();
    Rename(path, 1, "Changed behind");
    view->Rebuild();
    EXPECT_EQ(Records().size(), 2u);
    EXPECT_GT(view->Files()[0].lastRecord, first);
    EXPECT_EQ(view->Files()[0].segments[0].get(), kept) << "the old entry is kept";
    EXPECT_TRUE(Shows("| One |")) << "only the new record was read";
    EXPECT_TRUE(Shows("| Two |"));
    // A file rewritten shorter is read from its first record again.
    Record("rx1.swq.tmp", {{.name = "Rewritten", .audioBytes = 10}});
    fs::rename(docs + "rx1.swq.tmp", path);
    view->Rebuild();
    const std::vector<std::string> records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_NE(records[0].find("Rewritten"), std::string::npos);
}

TEST_F(AudioManifestTest, ANotificationDuringPlaybackWaitsForThePlayerToStop) {
    const std::string path = Record("rx1.swq", {{.name = "One"}});
    Open();
    player->GetLogClient()->m_playState = CAudioLog::kPlayPlaying;
    const wlseg header = Append(path, "Live", 1);
    view->NotifySegment(path.c_str(), &header, 0);
    view->NotifySegment(path.c_str(), nullptr, 0);
    EXPECT_EQ(view->QueuedNotifications(), 2u);
    Tick();
    EXPECT_EQ(Records().size(), 1u);
    player->GetLogClient()->m_playState = CAudioLog::kPlayPaused;
    Tick();
    Tick();
    EXPECT_EQ(view->QueuedNotifications(), 0u);
    EXPECT_TRUE(Records().empty()) << "the file went stale after its new segment";
    view->NotifySegment(path.c_str(), &header, 0);
    const std::vector<std::string> records = Records();
    ASSERT_EQ(records.size(), 2u);
    const int live = RowOf("Live");
    ASSERT_GE(live, 0);
    EXPECT_NE(Rows()[static_cast<std::size_t>(live)].find("| Yes |"), std::string::npos);
    auto* row = static_cast<CAudioManifestItem*>(Report().GetRow(live)->GetRecord());
    EXPECT_EQ(row->Notes()->GetIconIndex(), 27);
}

TEST_F(AudioManifestTest, TheQueueIsReplayedOnlyInPlayStatesThatDoNotPlay) {
    const std::string path = Record("rx1.swq", {{.name = "One"}});
    Open();
    for (const BYTE held : {CAudioLog::kPlayStarting, CAudioLog::kPlayPlaying}) {
        player->GetLogClient()->m_playState = held;
        view->NotifySegment(path.c_str(), nullptr, 0);
        Tick();
        EXPECT_EQ(view->QueuedNotifications(), 1u) << "held in state " << int{held};
        player->GetLogClient()->m_playState = CAudioLog::kPlayStopped;
        Tick();
        view->NotifySegment(path.c_str(), CAudioManifest::kWholeFile, 0);
    }
    for (const BYTE state : {CAudioLog::kPlayStopped, CAudioLog::kPlayPaused,
                             CAudioLog::kPlaySegmentEnd, CAudioLog::kPlayFileEnd}) {
        player->GetLogClient()->m_playState = CAudioLog::kPlayPlaying;
        const wlseg header = Append(path, "Queued");
        view->NotifySegment(path.c_str(), &header, 0);
        ASSERT_EQ(view->QueuedNotifications(), 1u);
        player->GetLogClient()->m_playState = state;
        Tick();
        EXPECT_EQ(view->QueuedNotifications(), 0u) << "replayed in state " << int{state};
    }
    EXPECT_EQ(Records().size(), 5u) << "every queued segment listed once";
}

TEST_F(AudioManifestTest, ARecordPastTheNextOneLeavesTheRestForTheNextReading) {
    const std::string path = Record("rx1.swq", {{.name = "One"}});
    Open();
    const std::uint64_t first = view->Files()[0].lastRecord;
    Append(path, "Between");
    const wlseg beyond = Append(path, "Beyond");
    view->NotifySegment(path.c_str(), &beyond, 0);
    EXPECT_TRUE(Shows("Beyond"));
    EXPECT_FALSE(Shows("Between"));
    EXPECT_EQ(view->Files()[0].lastRecord, first) << "the reading has not moved on";
    view->Rebuild();
    EXPECT_TRUE(Shows("Between"));
    EXPECT_EQ(Records().size(), 3u) << "the notified record is not listed twice";
    EXPECT_EQ(view->Files()[0].lastRecord, beyond.get(wlseg::kOwnOffset));
}

TEST_F(AudioManifestTest, ASignalledWatchRebuildsAndClosingFreesEveryRow) {
    const std::string path = Record("rx1.swq", {{.name = "One"}});
    Open();
    Tick();
    // A grown file changes no name in the folder: only the signal tells the catalog.
    Append(path, "Grown");
    Tick();
    EXPECT_FALSE(Shows("Grown"));
    hb::win::SignalChangeNotifications();
    Tick();
    Tick();
    EXPECT_TRUE(Shows("Grown"));
    EXPECT_GT(hb::toolkit::LiveRecordData(), 0u);
    view->DestroyWindow();
    view = nullptr;
    EXPECT_EQ(hb::toolkit::LiveRecordData(), 0u);
}

TEST_F(AudioManifestTest, RowsShowTheMarkAndPlayImagesOfTheirStrip) {
    const std::string path = Record("rx1.swq", {{.name = "One"}});
    Open();
    const wlseg marked = Append(path, "Marked", 1);
    view->NotifySegment(path.c_str(), &marked, 0);
    RedrawWindow(Report().GetSafeHwnd(), nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    std::vector<std::pair<int, std::string>> images;
    for (const auto& record : hb::win::LastPaint(Report().GetSafeHwnd())) {
        if (record.image.resourceId == IDB_MANIFEST_ROWS) {
            images.emplace_back(record.image.cell, record.image.picture);
        }
    }
    const auto drawn = [&](int cell, const std::string& picture) {
        return std::ranges::count(images, std::pair{cell, picture});
    };
    EXPECT_EQ(drawn(49, "play"), 2) << "one Play image per row";
    EXPECT_EQ(drawn(27, "recording-mark"), 1);
}

TEST_F(AudioManifestTest, APlayClickAsksThePlayerAndOtherColumnsDoNot) {
    const std::string path = Record("RX1_AUDIO.SWQ", {{.name = "One"}, {.name = "Two"}});
    Open();
    std::vector<std::pair<WPARAM, LPARAM>> requests;
    playerWindow.On(WM_PLAY_CATALOG_ENTRY, [&](WPARAM w, LPARAM l) -> LRESULT {
        requests.emplace_back(w, l);
        return 0;
    });
    const int two = RowOf("Two");
    Report().ClickCell(two, kPlayColumn + 2);
    EXPECT_TRUE(requests.empty());
    Report().ClickCell(two, kPlayColumn);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].first, 2u);
    EXPECT_EQ(static_cast<std::uint64_t>(requests[0].second), view->m_playOffset);
    EXPECT_EQ(view->m_playPath, path.c_str()) << "the path as on disk";
    view->SetPlayer(nullptr);
    Report().ClickCell(two, kPlayColumn);
    EXPECT_EQ(requests.size(), 1u);
}

TEST_F(AudioManifestTest, AnInfoEditWritesTheHeaderAndAFailedOneRestoresTheCell) {
    const std::string path = Record("rx1.swq", {{.name = "Old name"}});
    Open();
    std::vector<UINT> seen;
    playerWindow.On(WM_CATALOG_EDIT_FILE, [&](WPARAM, LPARAM) -> LRESULT {
        seen.push_back(WM_CATALOG_EDIT_FILE);
        return 0;
    });
    const std::string longName(60, 'n');
    Report().EditCell(RowOf("Old name"), kInfoColumn, longName.c_str());
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(view->m_editPath, path.c_str());
    CAudioFile file;
    ASSERT_TRUE(file.Open(path));
    ASSERT_TRUE(file.GotoPlaySegment(1));
    const dal written = file.CurrentHeader().get(wlseg::kDal);
    file.Close();
    EXPECT_EQ(written.text(dal::kName1), std::string(50, 'n'));
    EXPECT_EQ(written.text(dal::kName2), "");
    EXPECT_EQ(written.get(dal::kFrequency), 155'010'000u);

    fs::remove(path);
    ExpectBeeps(1);
    Report().EditCell(RowOf(std::string(50, 'n')), kFreqColumn, "300.5");
    EXPECT_NE(Rows()[static_cast<std::size_t>(RowOf(std::string(50, 'n')))].find("155.0100"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(path)) << "a failed edit makes no file";
}

TEST_F(AudioManifestTest, AFreqEditWritesTheFrequencyAfterThePlayerWasTold) {
    const std::string path = Record("rx1.swq", {{.name = "Old name"}});
    {
        CAudioFile file;
        ASSERT_TRUE(file.Open(path));
        ASSERT_TRUE(file.GotoPlaySegment(1));
        wlseg header = file.CurrentHeader();
        dal record = header.get(wlseg::kDal);
        record.setText(dal::kName2, "Second");
        record.setText(dal::kName3, "Third");
        header.set(wlseg::kDal, record);
        ASSERT_TRUE(file.SegmentHeaderWrite(header, CAudioFile::kWriteInPlace));
    }
    Open();
    std::vector<std::uint32_t> frequencyWhenTold;
    playerWindow.On(WM_CATALOG_EDIT_FILE, [&](WPARAM, LPARAM) -> LRESULT {
        frequencyWhenTold.push_back(StoredRecord(path, 1).get(dal::kFrequency));
        return 0;
    });
    Report().EditCell(RowOf("Old name"), kFreqColumn, "300.5");
    EXPECT_EQ(frequencyWhenTold, std::vector<std::uint32_t>{155'010'000u}) << "told before";
    const dal written = StoredRecord(path, 1);
    EXPECT_EQ(written.get(dal::kFrequency), 300'500'000u);
    EXPECT_EQ(written.text(dal::kName1), "Old name, Second, Third");
    const auto zeros = [](std::span<const std::uint8_t> bytes) {
        return std::ranges::all_of(bytes, [](std::uint8_t b) { return b == 0; });
    };
    EXPECT_TRUE(zeros(written.view(dal::kName2)));
    EXPECT_TRUE(zeros(written.view(dal::kName3))) << "all 50 bytes";
    EXPECT_TRUE(Shows("300.5000"));
}

TEST_F(AudioManifestTest, AFailedSeekOrWriteRestoresTheCellAndBeeps) {
    const std::string path = Record("rx1.swq", {{.name = "Kept"}});
    Open();
    std::uint64_t firstRecord = 0;
    {
        CAudioFile file;
        ASSERT_TRUE(file.Open(path));
        firstRecord = file.m_dataStart;
    }
    // No write may reach the file: the header cannot go back.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit saved = limit;
    limit.rlim_cur = 1;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    ExpectBeeps(1);
    Report().EditCell(RowOf("Kept"), kInfoColumn, "Not written");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(Shows("Kept"));
    EXPECT_FALSE(Shows("Not written"));
    EXPECT_EQ(StoredRecord(path, 1).text(dal::kName1), "Kept");
    EXPECT_EQ(Beeps().size(), 1u);

    // The file was rewritten holding no segment: the edit finds none to go to.
    fs::resize_file(path, firstRecord);
    ExpectBeeps(2);
    Report().EditCell(RowOf("Kept"), kFreqColumn, "300.5");
    EXPECT_TRUE(Shows("155.0100"));
    EXPECT_EQ(fs::file_size(path), firstRecord);
}

TEST_F(AudioManifestTest, AFileMadeInASubfolderAppearsThroughTheChangeWatch) {
    Open();
    Tick();
    EXPECT_TRUE(Records().empty());
    Record("Sheriff/rx9.swq", {{.name = "Watched"}});
    Tick();
    Tick();
    Tick();
    ASSERT_EQ(Records().size(), 1u);
    EXPECT_NE(Records()[0].find("Watched"), std::string::npos);
}

TEST_F(AudioManifestTest, ColumnWidthsRoundTripAndTheViewAnswersItsMessages) {
    Open();
    EXPECT_EQ(view->SendMessage(CAudioManifest::kHandledNothing), 0);
    Report().GetColumns()->GetAt(1)->SetWidth(300);
    view->DestroyWindow();
    view = nullptr;
    EXPECT_EQ(app.GetProfileIntA("AudioManifest", "ColumnWidth1", 0), 300);
    EXPECT_EQ(app.GetProfileIntA("AudioManifest", "ColumnWidth0", 0), 45);
    Open();
    EXPECT_EQ(Report().GetColumns()->GetAt(1)->GetWidth(), 300);
}

TEST_F(AudioManifestTest, PrintingRunsEveryRowOverAsManyPagesAsItTakes) {
    std::vector<Take> takes;
    for (int index = 0; index < 60; ++index) {
        takes.push_back({.frequency = 150'000'000u + static_cast<std::uint32_t>(index) * 12'500u,
                         .name = "Printed"});
    }
    Record("rx1.swq", takes);
    Open();
    const int rows = Report().GetRowCount();
    ASSERT_EQ(rows, 120) << "60 records under 60 group rows";
    hb::afx::SetPrintPreparation([](CPrintInfo&) { return true; });
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    ASSERT_EQ(hb::afx::PrintLog().size(), 2u);
    const hb::afx::PrintJob& job = hb::afx::PrintLog()[0];
    EXPECT_FALSE(job.preview);
    ASSERT_GE(job.pages.size(), 2u);
    const auto texts = [](const hb::afx::PrintedPage& page) {
        std::vector<std::string> found;
        for (const auto& record : page.list) {
            if (!record.text.empty()) {
                found.push_back(record.text);
            }
        }
        return found;
    };
    // Every page starts with the header; the records' frequencies appear once each, in order.
    std::vector<std::string> frequencies;
    for (const hb::afx::PrintedPage& page : job.pages) {
        const std::vector<std::string> found = texts(page);
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found.front(), "Play") << "page " << page.number;
        for (const std::string& text : found) {
            if (text.size() == 8 && text[3] == '.' && text.front() == '1') {
                frequencies.push_back(text);
            }
        }
    }
    EXPECT_EQ(frequencies.size(), 60u) << "each record's frequency cell printed once";
    EXPECT_EQ(frequencies.front(), "150.7375");
    EXPECT_EQ(frequencies.back(), "150.0000");
    EXPECT_TRUE(hb::afx::PrintLog()[1].preview);
}

} // namespace
