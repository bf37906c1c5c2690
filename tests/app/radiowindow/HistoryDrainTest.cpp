#include "platform/records/DtmfRecord.h"
#include "platform/tessary/model/Blob.h"
#include "tests/app/radiowindow/EngineNotificationsTest.h"

namespace hb::app::test {
namespace {

using HistoryDrainTest = EngineNotificationsTest;

TEST_F(HistoryDrainTest, TheReceiversOwnHitsBecomeRowsRangeLogsAndActivityLines) {
    // The scan view scans at once; the seed makes about one channel in eight busy.
    Open("Dtmf=\n", 0);
    AdvanceAndPump(30'000);

    // In its first 30 s the receiver only gets into the airband range.
    const Range& air = RangeAt(118'000'000);
    const int rows = Rows();
    ASSERT_GE(rows, 2);
    EXPECT_EQ(air.statistics().hitCount, static_cast<std::uint32_t>(rows));
    const auto& recent = air.statistics().recent();
    ASSERT_EQ(recent.size(), static_cast<std::size_t>(rows));
    // Newest on top.
    CString newest;
    newest.Format("%.6f", recent.back()->frequency / 1e6);
    EXPECT_EQ(Cell(0, 0), newest.str());
    EXPECT_LT(recent.front()->time, recent.back()->time);
    EXPECT_EQ(recent.back()->lastHit, air.statistics().lastHit);
    EXPECT_EQ(Lines(), std::vector<std::string>(static_cast<std::size_t>(rows), air.name()));
}

TEST_F(HistoryDrainTest, OnlyEntriesThatLogReachTheActivityLogAndQuietRecordsLeaveNothing) {
    Open();
    Chan& channel = At(kDispatch);
    Queue(Hit(&channel, kDispatch));
    EXPECT_EQ(Lines(), std::vector<std::string>{"Dispatch 1"});

    Entry().log = 0;
    Queue(Hit(&channel, kDispatch));
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(channel.statistics().recent().size(), 2u);
    EXPECT_EQ(Lines().size(), 1u);

    Entry().log = RosterEntry::kOn;
    Queue(Hit(&channel, kDispatch, HistoryRecord::kFlagQuiet40));
    Queue(Hit(&channel, kDispatch, HistoryRecord::kFlagQuiet20));
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(channel.statistics().hitCount, 2u);
    EXPECT_EQ(Lines().size(), 1u);
    // Taken from the engine all the same.
    HistoryRecord left;
    EXPECT_NE(rig->GetHistory(left.data()), 0);
}

TEST_F(HistoryDrainTest, AHitWithoutChannelOrNamesIsManuallyTunedAndKeepsNoEntry) {
    Open();
    Queue(Hit(nullptr, 162'550'000));
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, 3), "Manually Tuned");
    EXPECT_EQ(Lines(), std::vector<std::string>{"Manually Tuned"});

    // A record with neither time nor air time is no hit.
    HistoryRecord empty = Hit(nullptr, 162'550'000);
    empty.set(HistoryRecord::kTime, 0);
    empty.set(HistoryRecord::kAirTime, 0);
    Queue(empty);
    EXPECT_EQ(Rows(), 1);
}

TEST_F(HistoryDrainTest, TheHistoryKeeps51RowsAndAChannelItsLatest20Entries) {
    Open();
    Chan& channel = At(kCarToCar);
    for (int n = 0; n < 52; ++n) {
        HistoryRecord rec = Hit(&channel, kCarToCar);
        rec.set(HistoryRecord::kAirTime, static_cast<std::uint32_t>(n * 1000));
        Queue(rec);
    }
    EXPECT_EQ(Rows(), 51);
    EXPECT_EQ(Cell(0, 6), "51.0");
    EXPECT_EQ(Cell(50, 6), "1.0");
    const auto& recent = channel.statistics().recent();
    ASSERT_EQ(recent.size(), 20u);
    EXPECT_EQ(recent.front()->airTime, 32'000u);
    EXPECT_EQ(recent.back()->airTime, 51'000u);
    EXPECT_EQ(channel.statistics().hitCount, 52u);
    EXPECT_EQ(recent.back()->hitCount, 52u);
    // A first hit number of 0 is made 1.
    EXPECT_EQ(recent.back()->hitNumber1, 1u);
}

TEST_F(HistoryDrainTest, DtmfDigitsHeardBeforeAHitGoWithItThenAreCleared) {
    Open();
    Chan& channel = At(kDispatch);
    DtmfRecord digits;
    digits.setText(DtmfRecord::kText, "123#");
    EngineSim::QueueDtmf(engine, digits);
    digits.setText(DtmfRecord::kText, "ABCD0123456789*#");
    EngineSim::QueueDtmf(engine, digits);
    PumpUntilIdle();
    Queue(Hit(&channel, kDispatch));
    Queue(Hit(&channel, kDispatch));

    const auto& recent = channel.statistics().recent();
    ASSERT_EQ(recent.size(), 2u);
    ASSERT_NE(recent[0]->dtmf, nullptr);
    EXPECT_EQ(recent[0]->dtmf->text, "123#ABCD0123456789*#");
    EXPECT_EQ(recent[0]->dtmf->time, recent[0]->time);
    EXPECT_TRUE(recent[0]->flags & HistoryRecord::kFlagDtmf);
    EXPECT_EQ(recent[1]->dtmf, nullptr);
    EXPECT_FALSE(recent[1]->flags & HistoryRecord::kFlagDtmf);
    EXPECT_TRUE(panel->m_dtmfText.IsEmpty());
}

TEST_F(HistoryDrainTest, ARangeHitMarksItsStepInsideTheMapOnly) {
    Open();
    // 156-157 MHz in 25 kHz steps: 40 steps, a multiple of 8, so the end needs a byte of its own.
    Range& range = RangeAt(156'000'000);
    Queue(Hit(&range, 157'000'000, HistoryRecord::kFlagLockOut));
    Queue(Hit(&range, 156'025'000, HistoryRecord::kFlagLockOut));
    Queue(Hit(&range, 156'050'000));
    const Blob* map = scan_fetch_blob(range.records(), 53'420'000, 255, 0);
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(map->data.size(), 14u);
    EXPECT_EQ(map->data[13], 0x01);
    EXPECT_EQ(map->data[8], 0x02);

    // A map made for a narrower range is never written past its end.
    Range& other = RangeAt(118'000'000);
    Blob* small = scan_fetch_blob(other.records(), 53'420'000, 255, 9);
    Queue(Hit(&other, 136'975'000, HistoryRecord::kFlagLockOut));
    Queue(Hit(&other, 117'000'000, HistoryRecord::kFlagLockOut));
    ASSERT_EQ(small->data.size(), 9u);
    Queue(Hit(&other, 118'025'000, HistoryRecord::kFlagLockOut));
    EXPECT_EQ(small->data[8], 0x02);
    EXPECT_EQ(Rows(), 6);
}

TEST_F(HistoryDrainTest, ChannelLockOutFlagsSetItsStateAndShareTheChangeOnce) {
    Open();
    Chan& channel = At(kDispatch);
    Queue(Hit(&channel, kDispatch, HistoryRecord::kFlagLockOut));
    EXPECT_EQ(channel.lockOut(), 0xFF);
    Queue(Hit(&channel, kDispatch, HistoryRecord::kFlagLockOut | HistoryRecord::kFlagTempLockOut));
    EXPECT_EQ(channel.lockOut(), 1);
    Queue(Hit(&channel, kDispatch, HistoryRecord::kFlagLockOutRefresh));
    EXPECT_EQ(channel.lockOut(), 0);

    // The shared change marks the panel busy: one engine check 2 s later, not one a tick.
    ASSERT_EQ(panel->m_busy, CRadioView::kOn);
    frame->m_check_mark = 0;
    AdvanceAndPump(2'400);
    EXPECT_EQ(frame->m_check_mark, CRadioFrame::kCheckPending);
    EXPECT_EQ(panel->m_busy, 0);
    const std::uint32_t stamp = frame->m_check_time;
    frame->m_check_mark = 0;
    AdvanceAndPump(1'000);
    EXPECT_EQ(frame->m_check_mark, 0);
    EXPECT_EQ(frame->m_check_time, stamp);
}

TEST_F(HistoryDrainTest, LoggingByHandNeedsTheEngine) {
    Open();
    Chan& channel = At(kCarToCar);
    StandOn(&channel, 5);
    const std::size_t beeps = Beeps().size();
    EngineSim::FailNext("scan_engine_status", 0x8001);
    frame->SendMessage(WM_COMMAND, CRadioView::kCommandLogNow);
    EXPECT_EQ(Beeps().size(), beeps + 1);
    EXPECT_EQ(Rows(), 0);

    frame->SendMessage(WM_COMMAND, CRadioView::kCommandLogNow);
    ASSERT_EQ(Rows(), 1);
    ASSERT_EQ(channel.statistics().recent().size(), 1u);
    EXPECT_TRUE(channel.statistics().recent()[0]->flags & HistoryRecord::kFlagByHand);
    EXPECT_EQ(Cell(0, 3), "Car to car");

    // Without an engine there is nothing to log.
    rig->DestroyEngine();
    frame->SendMessage(WM_COMMAND, CRadioView::kCommandLogNow);
    EXPECT_EQ(Beeps().size(), beeps + 2);
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(channel.statistics().hitCount, 1u);
}

} // namespace
} // namespace hb::app::test
