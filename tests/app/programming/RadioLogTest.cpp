// The activity log of a radio: the lines each logged transmission writes to the day's text and
// CSV files, the daily change of files, the dBASE table and its organisation check, and the dialog.
#include "programming/RadioLog.h"

#include "platform/afx/CFileDialog.h"
#include "platform/afx/ModalScript.h"
#include "platform/tessary/app/LogControls.h"
#include "platform/win/core/Clock.h"
#include "resources/program/ProgramResources.h"
#include "tests/app/rig/RigTest.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <optional>

namespace hb::app::test {
namespace {

using namespace hb::tessary::log;

// 2026-03-05 09:30:00 UTC: 10:30:00 in Berlin.
constexpr std::int64_t kMorning = 1'772'703'000;

class RadioLogTest : public RigTest {
protected:
    RadioLogTest() {
        hb::win::SetTimeZone("Europe/Berlin");
        hb::win::SetWallTime(kMorning);
        rig = AddRig("Receiver", kReceiver);
    }

    std::string LogFile(const std::string& date, const std::string& extension) const {
        return Doc("Logs/Receiver " + date + extension);
    }
    std::string TodaysText() const { return ReadBytes(LogFile("2026-03-05", ".txt")); }
    std::string TodaysCsv() const { return ReadBytes(LogFile("2026-03-05", ".csv")); }
    void Setting(const char* entry, int value) {
        app.WriteProfileInt("Receiver_ActivityLog", entry, value);
    }

    // A transmission started 2026-03-05 08:07:09 UTC (09:07:09 in Berlin).
    static HistoryRecord Record(std::uint32_t flags = 0) {
        HistoryRecord record;
        record.set(HistoryRecord::kFrequency, 162'550'000u);
        record.set(HistoryRecord::kTime, 1'772'698'029u);
        record.set(HistoryRecord::kAirTime, 1234u);
        record.set(HistoryRecord::kHitNumber1, 4u);
        record.set(HistoryRecord::kHitNumber2, 400u);
        record.set(HistoryRecord::kHitByte1, 20);
        record.set(HistoryRecord::kHitByte2, 180);
        record.set(HistoryRecord::kFlags, flags);
        hb::records::UserId id;
        id.set(hb::records::UserId::kKind, hb::records::kIdKindMotorola);
        id.set(hb::records::UserId::kValue, 0x2A30u);
        record.set(HistoryRecord::kUserId, id);
        return record;
    }

    CRig* rig = nullptr;
    CRadioLog log;
};

// The user ID of Record(), as the lines show it.
constexpr const char* kIdText = "10800";
// The lines of Record() with and without its user ID, signals as the radio's meter gives them.
constexpr const char* kTextWithId =
    "Scan          Receiver         162.550000      10800 -082 -118 -047 Dispatch            "
    "  3/05/2026 09:07:09 0000001.2 T/O L/O STO\n";
constexpr const char* kCsvWithId = "\"Scan\",\"Receiver\",162550000,\"10800\",-82,-118,-47,"
                                   "\"Dispatch\",03/05/2026,09:07:09,      1.2,\"T/O L/O STO \"\n";
constexpr const char* kTextWithoutId =
    "              Receiver         162.550000 -082 -118 -047 Manually Tuned        3/05/2026 "
    "09:07:09 0000001.2\n";
constexpr const char* kCsvWithoutId = "\"\",\"Receiver\",162550000,-82,-118,-47,\"Manually "
                                      "Tuned\",03/05/2026,09:07:09,      1.2,\"\"\n";

TEST_F(RadioLogTest, EachRecordWritesOneTextAndOneCsvLineAsLaidOut) {
    ASSERT_EQ(rig->RadioRequest(400, 4), -82);
    log.Start("Receiver");
    const HistoryRecord withId =
        Record(HistoryRecord::kFlagUserIdPresent | HistoryRecord::kFlagTimeOut |
               HistoryRecord::kFlagLockOut | HistoryRecord::kFlagStored);
    log.LogRecord("Scan", rig, &withId, "Dispatch");
    // The ID is there, but without its flag it is not written.
    const HistoryRecord withoutId = Record();
    log.LogRecord("", rig, &withoutId, "Manually Tuned");
    log.Stop();
    EXPECT_EQ(TodaysText(), std::string(kTextWithId) + kTextWithoutId);
    EXPECT_EQ(TodaysCsv(), std::string(kCsvWithId) + kCsvWithoutId);
    EXPECT_NE(TodaysText().find(kIdText), std::string::npos);
}

TEST_F(RadioLogTest, EveryFlagTextIsWrittenInItsOwnOrder) {
    log.Start("Receiver");
    const HistoryRecord record = Record(0x2000000 | 0x200000 | 0x10000 | 0x80000 | 0x20000 | 0x4 |
                                        0x2 | 0x100000 | 0x1 | 0x8 | 0x400000);
    log.LogRecord("Scan", rig, &record, "Dispatch");
    log.Stop();
    EXPECT_TRUE(TodaysText().ends_with(" 0000001.2 T/O DSK L/O TLK STO S/S ALK M/M SAD\n"));
    EXPECT_TRUE(TodaysCsv().ends_with(",\"T/O DSK L/O TLK STO S/S ALK M/M SAD \"\n"));
}

TEST_F(RadioLogTest, LabelAndNameAreTrimmedAndACommaQuotePairBlanked) {
    log.Start("Receiver");
    const HistoryRecord record = Record();
    log.LogRecord("  A,\"B \"c, d  ", rig, &record, " Fire,\"Rescue, \"2\" ");
    log.Stop();
    EXPECT_TRUE(TodaysCsv().starts_with(
        "\"A  B \"c, d\",\"Receiver\",162550000,-82,-118,-47,\"Fire  Rescue, \"2\"\","));
    EXPECT_TRUE(TodaysText().starts_with("A  B \"c, d    Receiver"));
}

TEST_F(RadioLogTest, OnlyARunningLogWritesAndOnlyToTheSinksTurnedOn) {
    const HistoryRecord record = Record();
    log.LogRecord("", rig, &record, "Manually Tuned");
    EXPECT_FALSE(log.HasWritten());
    EXPECT_FALSE(std::filesystem::exists(Doc("Logs")));

    Setting("TextLog", 0);
    log.Start("Receiver");
    EXPECT_EQ(log.GetDayOfYear(), 63) << "today, so the first record changes no files";
    hb::win::SetWallTime(kMorning + 5);
    log.LogRecord("", rig, &record, "Manually Tuned");
    hb::win::SetWallTime(kMorning + 65);
    log.LogRecord("", rig, &record, "Manually Tuned");
    EXPECT_TRUE(log.HasWritten());
    EXPECT_EQ(log.GetFirstLineTime(), kMorning + 5) << "set by the run's first line only";
    log.Stop();
    EXPECT_FALSE(std::filesystem::exists(LogFile("2026-03-05", ".txt")));
    EXPECT_EQ(TodaysCsv(), std::string(kCsvWithoutId) + kCsvWithoutId);

    log.LogRecord("", rig, &record, "Manually Tuned");
    EXPECT_EQ(TodaysCsv(), std::string(kCsvWithoutId) + kCsvWithoutId) << "stopped";
}

TEST_F(RadioLogTest, TheFirstRecordAfterLocalMidnightGoesToTheNewDaysFiles) {
    // 23:59:50 in Berlin, 22:59:50 UTC: a UTC date would change an hour late.
    const std::int64_t beforeMidnight = 1'772'751'590;
    hb::win::SetWallTime(beforeMidnight);
    log.Start("Receiver");
    const HistoryRecord record = Record();
    log.LogRecord("", rig, &record, "Manually Tuned");
    hb::win::SetWallTime(beforeMidnight + 20);
    log.LogRecord("", rig, &record, "Manually Tuned");
    EXPECT_EQ(log.GetTextPath().str(), LogFile("2026-03-06", ".txt"));
    EXPECT_EQ(log.GetFirstLineTime(), beforeMidnight);
    log.Stop();
    EXPECT_EQ(TodaysText(), kTextWithoutId);
    EXPECT_EQ(TodaysCsv(), kCsvWithoutId);
    EXPECT_EQ(ReadBytes(LogFile("2026-03-06", ".txt")), kTextWithoutId);
    EXPECT_EQ(ReadBytes(LogFile("2026-03-06", ".csv")), kCsvWithoutId);
}

TEST_F(RadioLogTest, LinesReachTheDiskOnTheTickAndWhenTheLogGoes) {
    auto running = std::make_unique<CRadioLog>();
    running->Start("Receiver");
    const HistoryRecord record = Record();
    running->LogRecord("", rig, &record, "Manually Tuned");
    running->OnTimer();
    EXPECT_EQ(TodaysText(), kTextWithoutId);
    EXPECT_EQ(TodaysCsv(), kCsvWithoutId);
    running->LogRecord("", rig, &record, "Manually Tuned");
    running.reset();
    EXPECT_EQ(TodaysText(), std::string(kTextWithoutId) + kTextWithoutId);
    EXPECT_EQ(TodaysCsv(), std::string(kCsvWithoutId) + kCsvWithoutId);
}

TEST_F(RadioLogTest, ANameWithASlashAndAFolderThatCannotBeMadeLeaveTheLogRunning) {
    log.Start("Air/Band");
    EXPECT_EQ(log.GetTextPath().str(), Doc("Logs/Air_Band 2026-03-05.txt"));
    log.Stop();

    ::unlink(LogFile("2026-03-05", ".txt").c_str());
    std::filesystem::remove_all(Doc("Logs"));
    WriteBytes(Doc("Logs"), "a file where the folder belongs");
    log.Start("Receiver");
    EXPECT_TRUE(log.IsActive());
    EXPECT_TRUE(log.GetTextPath().IsEmpty());
    EXPECT_TRUE(log.GetProblem().str().starts_with("Cannot open " + Doc("Logs/")))
        << log.GetProblem().str();
    const HistoryRecord record = Record();
    log.LogRecord("", rig, &record, "Manually Tuned");
    EXPECT_FALSE(log.HasWritten());
}

TEST_F(RadioLogTest, ATableTurnedOnIsCreatedWithTheLongOrganisationAndGetsEachRecord) {
    Setting("DatabaseLog", 1);
    log.Start("Receiver");
    ASSERT_TRUE(log.IsDatabaseEnabled()) << log.GetProblem().str();
    const HistoryRecord withId = Record(HistoryRecord::kFlagUserIdPresent |
                                        HistoryRecord::kFlagTimeOut | HistoryRecord::kFlagStored);
    log.LogRecord("Scan", rig, &withId, "Dispatch");
    const HistoryRecord withoutId = Record();
    log.LogRecord("", rig, &withoutId, "A name longer than twenty characters");
    log.Stop();

    DbaseTable table;
    ASSERT_TRUE(table.Open(Doc("Logs/Receiver.dbf"), nullptr));
    const std::vector<DbaseField> expected{
        {"RADIO", 'C', 40, 0},    {"FREQUENCY", 'N', 12, 6}, {"IDCODE", 'C', 12, 0},
        {"NAME", 'C', 20, 0},     {"YEAR", 'N', 4, 0},       {"JULIAN", 'N', 3, 0},
        {"MONTH", 'N', 2, 0},     {"DAY", 'N', 2, 0},        {"HOUR", 'N', 2, 0},
        {"MIN", 'N', 2, 0},       {"SEC", 'N', 2, 0},        {"AIRTIME", 'N', 12, 3},
        {"SIGNALAVG", 'N', 6, 0}, {"SIGNALMIN", 'N', 6, 0},  {"SIGNALMAX", 'N', 6, 0},
        {"IDENT", 'C', 67, 0},    {"LAT", 'N', 12, 8},       {"LON", 'N', 12, 8},
        {"ALT", 'N', 8, 1},       {"SPD", 'N', 5, 1},        {"HDG", 'N', 5, 1}};
    ASSERT_EQ(table.FieldCount(), 21);
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(table.Field(i), expected[static_cast<std::size_t>(i)]) << i;
    }
    ASSERT_EQ(table.RecordCount(), 2);
    const std::vector<std::string> first{
        "Receiver", "162.550000", kIdText, "Dispatch", "2026", "64",   "3",   "5",
        "9",        "7",          "9",     "1.234",    "-82",  "-118", "-47", "Scan T/O STO",
        "",         "",           "",      "",         ""};
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(table.ReadText(0, i), first[static_cast<std::size_t>(i)]) << expected[i].name;
    }
    EXPECT_EQ(table.ReadText(1, 2), "");
    EXPECT_EQ(table.ReadText(1, 3), "A name longer than t");
    EXPECT_EQ(table.ReadText(1, 15), "");
}

TEST_F(RadioLogTest, AShortTableFitsAndRecordsItsSixteenFields) {
    std::vector<DbaseField> fields = log.DatabaseFields();
    fields.resize(16);
    std::filesystem::create_directories(Doc("Logs"));
    {
        DbaseTable table;
        ASSERT_TRUE(table.Create(Doc("Logs/Short.dbf"), fields, nullptr));
    }
    Setting("DatabaseLog", 1);
    app.WriteProfileString("Receiver_ActivityLog", "DatabaseFile", "Short.dbf");
    log.Start("Receiver");
    EXPECT_TRUE(log.IsDatabaseEnabled());
    const HistoryRecord record = Record();
    log.LogRecord("", rig, &record, "Manually Tuned");
    log.Stop();
    DbaseTable table;
    ASSERT_TRUE(table.Open(Doc("Logs/Short.dbf"), nullptr));
    ASSERT_EQ(table.RecordCount(), 1);
    EXPECT_EQ(table.ReadText(0, 3), "Manually Tuned");
}

TEST_F(RadioLogTest, ATableOfAnotherOrganisationIsClosedAndTheUserTold) {
    std::filesystem::create_directories(Doc("Logs"));
    std::vector<DbaseField> seventeen = log.DatabaseFields();
    seventeen.resize(17);
    std::vector<DbaseField> lowerCase = log.DatabaseFields();
    lowerCase[0].name = "radio";
    ExpectBeeps(2);
    for (const auto& fields : {seventeen, lowerCase}) {
        {
            DbaseTable table;
            ASSERT_TRUE(table.Create(Doc("Logs/Receiver.dbf"), fields, nullptr));
        }
        Setting("DatabaseLog", 1);
        ExpectBox("The organization of the selected database does not match the requirements of "
                  "this application. Please select a new or different database.",
                  IDOK, "Incorrect Database File Organization");
        log.Start("Receiver");
        EXPECT_FALSE(log.IsDatabaseEnabled());
        EXPECT_FALSE(log.GetTable().IsOpen());
        const HistoryRecord record = Record();
        log.LogRecord("", rig, &record, "Manually Tuned");
        log.Stop();
    }
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].type, static_cast<UINT>(MB_ICONHAND | MB_OK));
    EXPECT_EQ(Beeps(), (std::vector<UINT>{MB_ICONASTERISK, MB_ICONASTERISK}));
    EXPECT_EQ(TodaysText(), std::string(kTextWithoutId) + kTextWithoutId);
    DbaseTable table;
    ASSERT_TRUE(table.Open(Doc("Logs/Receiver.dbf"), nullptr));
    EXPECT_EQ(table.RecordCount(), 0);
}

TEST_F(RadioLogTest, AFileOfNoiseIsNoTableAndLoggingGoesOn) {
    std::filesystem::create_directories(Doc("Logs"));
    WriteBytes(Doc("Logs/Receiver.dbf"), std::string(600, '\x5a'));
    Setting("DatabaseLog", 1);
    log.Start("Receiver");
    EXPECT_FALSE(log.IsDatabaseEnabled());
    EXPECT_EQ(log.GetProblem().str(),
              "Cannot open the table " + Doc("Logs/Receiver.dbf") + ": it is not a dBASE table");
    const HistoryRecord record = Record();
    log.LogRecord("", rig, &record, "Manually Tuned");
    log.Stop();
    EXPECT_EQ(TodaysText(), kTextWithoutId);
    EXPECT_EQ(ReadBytes(Doc("Logs/Receiver.dbf")), std::string(600, '\x5a'));
}

class RadioLogDialogTest : public RadioLogTest {
protected:
    RadioLogDialogTest() { UseProgramResources(ProgramResourceTables()); }

    static CString ItemText(CDialog& dialog, UINT id) {
        CString text;
        dialog.GetDlgItem(static_cast<int>(id))->GetWindowText(text);
        return text;
    }
    static void Click(CDialog& dialog, UINT id) {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
};

TEST_F(RadioLogDialogTest, TheDialogShowsTheRunAndItsChangesApplyAtOnce) {
    log.Start("Receiver");
    log.SetCaption("Receiver Scan Logging");
    hb::afx::SetFileDialogHook(
        [&](const hb::afx::FileDialogRequest&) { return std::optional(Doc("Tables/air.dbf")); });
    std::vector<std::string> seen;
    hb::afx::SetModalScript(kRadioWindowTemplate, [&](CDialog& dialog) {
        // The log's own label, bound to the control.
        const auto* label =
            dynamic_cast<CiLabelX*>(dialog.GetDlgItem(static_cast<int>(kCaptionLabel)));
        ASSERT_NE(label, nullptr);
        seen.push_back(label->GetCaption().str());
        seen.push_back(ItemText(dialog, kTextFile).str());
        seen.push_back(ItemText(dialog, kCsvFile).str());
        seen.push_back(ItemText(dialog, kStatus).str());
        EXPECT_TRUE(dialog.GetDlgItem(static_cast<int>(kBrowse))->IsWindowEnabled());

        dialog.CheckDlgButton(kCsvLog, BST_UNCHECKED);
        Click(dialog, kCsvLog);
        seen.push_back(ItemText(dialog, kCsvFile).str());

        Click(dialog, kBrowse);
        dialog.CheckDlgButton(kDatabaseLog, BST_CHECKED);
        Click(dialog, kDatabaseLog);
        seen.push_back(ItemText(dialog, kDatabaseFile).str());

        Click(dialog, kStartStop);
        seen.push_back(ItemText(dialog, kStatus).str());
        seen.push_back(ItemText(dialog, kStartStop).str());
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(log.DoModal(), IDCANCEL);
    EXPECT_EQ(seen,
              (std::vector<std::string>{"Receiver Scan Logging", "Receiver 2026-03-05.txt",
                                        "Receiver 2026-03-05.csv", "Logging since 10:30:00",
                                        "(off)", Doc("Tables/air.dbf"), "Not logging", "Start"}));
    ASSERT_EQ(hb::afx::FileDialogLog().size(), 1u);
    EXPECT_EQ(hb::afx::FileDialogLog()[0].filter, "dBASE tables (*.dbf)|*.dbf||");
    EXPECT_FALSE(log.IsActive());
    EXPECT_EQ(app.GetProfileIntA("Receiver_ActivityLog", "CsvLog", 1), 0);
    EXPECT_EQ(app.GetProfileIntA("Receiver_ActivityLog", "DatabaseLog", 0), 1);
    DbaseTable table;
    EXPECT_TRUE(table.Open(Doc("Tables/air.dbf"), nullptr)) << "created while the log ran";
}

} // namespace
} // namespace hb::app::test
