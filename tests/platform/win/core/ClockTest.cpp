#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <ctime>
#include <string>
#include <utility>
#include <vector>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

constexpr std::uint64_t kUnixEpochIn100ns = 116444736000000000;
constexpr std::int64_t kTestStart = 1767225600; // 2026-01-01T00:00:00Z

class ClockTest : public PlatformTest {};

TEST_F(ClockTest, EveryTimeSourceIsAViewOfTheOneClock) {
    EXPECT_EQ(GetTickCount(), 0x10000u);
    EXPECT_EQ(hb::win::WallTime(), kTestStart);
    hb::win::Advance(1500);
    EXPECT_EQ(GetTickCount(), 0x10000u + 1500);
    EXPECT_EQ(hb::win::WallTime(), kTestStart + 1);
    EXPECT_EQ(hb::win::LongTimeNow(), (kTestStart * 1000 + 1500) * 10'000 + kUnixEpochIn100ns);
}

TEST_F(ClockTest, WallTimeBeforeTheEpochRoundsDown) {
    hb::win::SetWallTime(-1);
    hb::win::Advance(500);
    EXPECT_EQ(hb::win::WallTime(), -1);
    hb::win::Advance(500);
    EXPECT_EQ(hb::win::WallTime(), 0);
}

TEST_F(ClockTest, TickCountWrapsAndUnsignedDifferencesStayRight) {
    hb::win::SetTickCount(0xFFFFFFF0u);
    const DWORD before = GetTickCount();
    const std::int64_t monotonicBefore = hb::win::NowMs();
    hb::win::Advance(0x20);
    EXPECT_EQ(GetTickCount(), 0x10u);
    EXPECT_EQ(GetTickCount() - before, 0x20u);
    EXPECT_EQ(hb::win::NowMs() - monotonicBefore, 0x20);
}

TEST_F(ClockTest, TimeZoneAppliesToLocalTime) {
    hb::win::SetTimeZone("XYZ-2");
    const std::time_t now = hb::win::WallTime();
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(local.tm_hour, 2);
}

class SchedulerTest : public PlatformTest {};

TEST_F(SchedulerTest, AdvanceRunsEachTaskAtItsOwnTimeInOrder) {
    const std::int64_t start = hb::win::NowMs();
    std::vector<std::pair<std::string, std::int64_t>> runs;
    const auto record = [&](std::string label) {
        return [&runs, label] { runs.emplace_back(label, hb::win::NowMs()); };
    };
    hb::win::ScheduleAfter(300, record("c"), "c");
    hb::win::ScheduleAfter(100, record("a1"), "a1");
    hb::win::ScheduleAfter(100, record("a2"), "a2");
    hb::win::ScheduleAfter(200, record("b"), "b");
    hb::win::ScheduleAfter(1001, record("late"), "late");

    hb::win::Advance(1000);

    const std::vector<std::pair<std::string, std::int64_t>> expected = {
        {"a1", start + 100}, {"a2", start + 100}, {"b", start + 200}, {"c", start + 300}};
    EXPECT_EQ(runs, expected);
    EXPECT_EQ(hb::win::NowMs(), start + 1000);
    ASSERT_EQ(hb::win::PendingTasks().size(), 1u);
    EXPECT_EQ(hb::win::PendingTasks()[0].label, "late");
}

TEST_F(SchedulerTest, APeriodicTaskReschedulesItself) {
    int runs = 0;
    std::function<void()> tick = [&] {
        ++runs;
        hb::win::ScheduleAfter(100, tick, "poll");
    };
    hb::win::ScheduleAfter(100, tick, "poll");
    hb::win::Advance(1000);
    EXPECT_EQ(runs, 10);
}

TEST_F(SchedulerTest, CancelReportsWhetherTheTaskWasStillWaiting) {
    bool ran = false;
    const auto id = hb::win::ScheduleAfter(
        10, [&] { ran = true; }, "cancelled");
    EXPECT_TRUE(hb::win::Cancel(id));
    EXPECT_FALSE(hb::win::Cancel(id));
    hb::win::TaskId self = 0;
    bool cancelledItself = true;
    self = hb::win::ScheduleAfter(
        10, [&] { cancelledItself = hb::win::Cancel(self); }, "self");
    hb::win::Advance(100);
    EXPECT_FALSE(ran);
    EXPECT_FALSE(cancelledItself);
}

TEST_F(SchedulerTest, SleepRunsTasksButDispatchesNoMessages) {
    TestWindow w{{}};
    PostMessage(w.hwnd(), WM_USER, 0, 0);
    SetTimer(w.hwnd(), 1, 10);
    const std::int64_t start = hb::win::NowMs();
    std::int64_t ranAt = 0;
    hb::win::ScheduleAfter(
        50, [&] { ranAt = hb::win::NowMs(); }, "engine");

    Sleep(100);

    EXPECT_EQ(ranAt, start + 50);
    EXPECT_EQ(hb::win::NowMs(), start + 100);
    EXPECT_EQ(w.Count(WM_USER), 0u);
    EXPECT_EQ(w.Count(WM_TIMER), 0u);
    EXPECT_EQ(PumpUntilIdle(), 2u);
}

TEST_F(SchedulerTest, SleepZeroRunsOnlyWhatIsDue) {
    int runs = 0;
    hb::win::ScheduleAfter(
        0, [&] { ++runs; }, "now");
    hb::win::ScheduleAfter(
        1, [&] { ++runs; }, "later");
    const std::int64_t start = hb::win::NowMs();
    Sleep(0);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(hb::win::NowMs(), start);
}

TEST_F(SchedulerTest, SleepingPastTheAutoAdvanceLimitIsReportedOnce) {
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& m) { failures.push_back(m); });
    hb::win::SetAutoAdvanceLimit(1000);
    for (int i = 0; i < 30; ++i) {
        Sleep(100);
    }
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("Sleep"), std::string::npos);
    PumpUntilIdle(); // a test step starts a new allowance
    Sleep(900);
    EXPECT_EQ(failures.size(), 1u);
}

} // namespace
