#include "EngineTest.h"
#include "ScriptedDevice.h"
#include "platform/win/core/Clock.h"

#include <set>

namespace hb::engine {
namespace {

namespace rec = hb::records;

// Two radios that hear the same calls: "RadioA" runs the primary engine, which listens to the
// queue, and "RadioB" the secondary, which scans for it; each tells its own window.
class EnginePairTest : public EngineTest {
protected:
    static constexpr std::uint32_t kBusy2 = kQuiet2;

    EnginePairTest()
        : m_radioA(ScriptedDevice::Install("RadioA")), m_radioB(ScriptedDevice::Install("RadioB")) {
    }

    // A call both radios hear, from `fromMs` to `toMs` after now.
    void AddCall(std::uint32_t frequency, std::int64_t fromMs, std::int64_t toMs) {
        AddCall(*m_radioA, frequency, fromMs, toMs);
        AddCall(*m_radioB, frequency, fromMs, toMs);
    }
    static void AddCall(ScriptedDevice::Script& radio, std::uint32_t frequency, std::int64_t fromMs,
                        std::int64_t toMs) {
        const std::int64_t now = hb::win::NowMs();
        radio.calls.push_back({frequency, now + fromMs, now + toMs});
    }

    // The three channels: "Fire" with priority 0, "Dispatch" 3 and "Marine" 9.
    static std::uint16_t CreateWithPriorities(HWND window, const char* radio) {
        std::vector<Entry> entries = {Channel(kQuiet1, 101, "Fire"),
                                      Channel(kBusy, 102, "Dispatch"),
                                      Channel(kBusy2, 103, "Marine")};
        entries[1].record.set(parm::kPriority, 3);
        entries[2].record.set(parm::kPriority, 9);
        std::vector<std::uint8_t> block = Compile(entries);
        return scan_create_single_engine(radio, block.data(), window, 0);
    }

    // A joined pair on the three channels.
    void Join() {
        m_a = CreateWithPriorities(m_window.hwnd(), "RadioA");
        m_b = CreateWithPriorities(m_windowB.hwnd(), "RadioB");
        ASSERT_EQ(scan_engine_join(m_a, m_b), 0);
    }

    // The frequencies in the primary's queue, in queue order.
    static std::vector<std::uint32_t> Queued(std::uint16_t primary) {
        const EngineStatus status = Status(primary);
        std::vector<std::uint32_t> queued;
        for (std::size_t i = 0; i < EngineStatus::kParmQueue.kCount; ++i) {
            const std::uint32_t frequency =
                status.get(EngineStatus::kParmQueue, i).get(parm::kFrequency);
            if (frequency != 0) {
                queued.push_back(frequency);
            }
        }
        return queued;
    }

    static std::uint8_t Mode(std::uint16_t engine) {
        return Status(engine).get(EngineStatus::kEngineMode);
    }

    static std::uint32_t Frequency(std::uint16_t engine) {
        return Status(engine).get(EngineStatus::kCurrentFrequency);
    }

    static std::vector<std::uint32_t> Heard(std::uint16_t engine) {
        std::vector<std::uint32_t> heard;
        for (const HistoryRecord& hit : DrainHistory(engine)) {
            heard.push_back(hit.get(HistoryRecord::kFrequency));
        }
        return heard;
    }

    // The frequencies the engine is on at each step of `ms`, over `steps` steps.
    static std::set<std::uint32_t> Visited(std::uint16_t engine, int steps, std::int64_t ms = 10) {
        std::set<std::uint32_t> visited;
        for (int i = 0; i < steps; ++i) {
            AdvanceAndPump(ms);
            visited.insert(Frequency(engine));
        }
        return visited;
    }

    void Pause(std::uint16_t engine) { Send(engine, rec::kEngineCmdPause, rec::kEngineSubPause); }

    // Pauses the primary, which pauses the secondary too, and sets the secondary going again,
    // so that the queue fills.
    void HoldPrimary(std::uint16_t primary) {
        Pause(primary);
        AdvanceAndPump(3 * kStepMs);
        Send(m_b, rec::kEngineCmdStart);
        AdvanceAndPump(kStepMs);
    }

    std::shared_ptr<ScriptedDevice::Script> m_radioA;
    std::shared_ptr<ScriptedDevice::Script> m_radioB;
    hb::testkit::TestWindow m_windowB{hb::testkit::TestWindowOptions{}};
    std::uint16_t m_a = 0;
    std::uint16_t m_b = 0;
};

TEST_F(EnginePairTest, TheSecondaryQueuesEachChannelItHearsOnceForThePrimary) {
    Join();
    EXPECT_EQ(Mode(m_a), rec::kEngineModeSlave);
    EXPECT_NE(Mode(m_b), rec::kEngineModeSlave);
    HoldPrimary(m_a);
    m_window.ClearMessages();

    // Heard again and again, each channel is queued once, in the order it was heard, and the
    // secondary moves on without a hit of its own.
    AddCall(kBusy2, 50, 20000);
    AddCall(kBusy, 300, 20000);
    AdvanceAndPump(2000);
    EXPECT_EQ(Queued(m_a), (std::vector<std::uint32_t>{kBusy2, kBusy}));
    EXPECT_EQ(m_window.Count(WM_RADIO_FLAG), 2u);
    EXPECT_EQ(State(m_b), kEngineScanning);
    EXPECT_TRUE(Heard(m_b).empty());
    const parm first = Status(m_a).get(EngineStatus::kParmQueue, 0);
    EXPECT_EQ(first.get(parm::kObjectHandle), 103u);
    EXPECT_EQ(first.get(parm::kPriority), 9);
    EXPECT_EQ(first.text(parm::kName), "Marine          ");

    // In arrival order the primary takes the first queued; each take changes the queue.
    m_radioB->calls.clear();
    m_window.ClearMessages();
    Send(m_a, rec::kEngineCmdStart);
    AdvanceAndPump(kStepMs);
    EXPECT_EQ(Frequency(m_a), kBusy2);
    EXPECT_EQ(State(m_a), rec::kEngineOnChannelActive);
    EXPECT_EQ(Queued(m_a), std::vector<std::uint32_t>{kBusy});
    EXPECT_EQ(m_window.Count(WM_RADIO_FLAG), 1u);
}

TEST_F(EnginePairTest, APriorityModeTakesTheHighestPriorityFirstAndLogsEachAsAHit) {
    Join();
    Send(m_a, rec::kEngineCmdPriorityMode, 1);
    Send(m_b, rec::kEngineCmdPriorityMode, 1);
    HoldPrimary(m_a);
    AddCall(*m_radioB, kQuiet1, 50, 500);
    AddCall(*m_radioB, kBusy, 100, 500);
    AddCall(*m_radioB, kBusy2, 200, 500);
    AdvanceAndPump(500);
    ASSERT_EQ(Queued(m_a), (std::vector<std::uint32_t>{kQuiet1, kBusy, kBusy2}));

    // One at a time, each to the end of its call and its delay, the highest priority first.
    AddCall(*m_radioA, kBusy2, 0, 1000);
    AddCall(*m_radioA, kBusy, 0, 5000);
    AddCall(*m_radioA, kQuiet1, 0, 9000);
    m_window.ClearMessages();
    Send(m_a, rec::kEngineCmdStart);
    AdvanceAndPump(kStepMs);
    EXPECT_EQ(Frequency(m_a), kBusy2);
    AdvanceAndPump(5000);
    EXPECT_EQ(Frequency(m_a), kBusy);
    AdvanceAndPump(15000);
    EXPECT_EQ(Heard(m_a), (std::vector<std::uint32_t>{kBusy2, kBusy, kQuiet1}));
    EXPECT_TRUE(Queued(m_a).empty());
    EXPECT_EQ(m_window.Count(WM_RADIO_FLAG), 3u);
}

TEST_F(EnginePairTest, AChannelAheadByMoreThanThePreemptLevelTakesOverAtOnce) {
    Join();
    // The primary hears every channel throughout; the secondary hears each once, in a burst.
    for (const std::uint32_t frequency : {kQuiet1, kBusy, kBusy2}) {
        AddCall(*m_radioA, frequency, 0, 60000);
    }
    AddCall(*m_radioB, kBusy, 100, 130);
    for (int i = 0; i < 100 && Frequency(m_a) != kBusy; ++i) {
        AdvanceAndPump(kStepMs);
    }
    ASSERT_EQ(State(m_a), rec::kEngineOnChannelActive);
    ASSERT_EQ(Frequency(m_a), kBusy);

    // Priority 9 over 3 is not more than 6 ahead: it waits in the queue.
    Send(m_a, rec::kEngineCmdPreempt, 6);
    AddCall(*m_radioB, kBusy2, 100, 130);
    AdvanceAndPump(1000);
    EXPECT_EQ(Frequency(m_a), kBusy);
    EXPECT_EQ(Queued(m_a), std::vector<std::uint32_t>{kBusy2});
    EXPECT_TRUE(Heard(m_a).empty());

    // Below zero, even a lower priority takes over: 0 is more than -4 ahead of 3.
    Send(m_a, rec::kEngineCmdPreempt, static_cast<std::uint8_t>(-4));
    m_window.ClearMessages();
    AddCall(*m_radioB, kQuiet1, 100, 130);
    AdvanceAndPump(1000);
    EXPECT_EQ(Frequency(m_a), kQuiet1);
    EXPECT_EQ(State(m_a), rec::kEngineOnChannelActive);
    EXPECT_EQ(Heard(m_a), std::vector<std::uint32_t>{kBusy}); // the call it left is logged
    EXPECT_EQ(Queued(m_a), std::vector<std::uint32_t>{kBusy2});
    EXPECT_EQ(m_window.Count(WM_RADIO_FLAG), 2u); // queued, then taken
}

TEST_F(EnginePairTest, AFullQueueDropsWhatComesAfter) {
    std::vector<Entry> entries;
    for (std::uint32_t i = 0; i < 120; ++i) {
        entries.push_back(Channel(450'000'000 + i * 12'500, 1000 + i));
    }
    std::vector<std::uint8_t> block = Compile(entries);
    m_a = scan_create_single_engine("RadioA", block.data(), m_window.hwnd(), 0);
    m_b = scan_create_single_engine("RadioB", block.data(), m_windowB.hwnd(), 0);
    ASSERT_EQ(scan_engine_join(m_a, m_b), 0);
    HoldPrimary(m_a);
    m_window.ClearMessages();
    for (const Entry& entry : entries) {
        AddCall(entry.record.get(parm::kFrequency), 0, 60000);
    }
    AdvanceAndPump(5000);
    const std::vector<std::uint32_t> queued = Queued(m_a);
    // A hundred channels in the order the secondary heard them, from wherever it was.
    ASSERT_EQ(queued.size(), 100u);
    const std::size_t first = (queued[0] - 450'000'000) / 12'500;
    for (std::size_t i = 0; i < queued.size(); ++i) {
        EXPECT_EQ(queued[i], entries[(first + i) % entries.size()].record.get(parm::kFrequency))
            << i;
    }
    EXPECT_EQ(m_window.Count(WM_RADIO_FLAG), 100u);
}

TEST_F(EnginePairTest, TheSecondaryPausesStartsAndStopsWithThePrimary) {
    Join();
    AdvanceAndPump(100);

    Pause(m_a);
    AdvanceAndPump(30);
    EXPECT_EQ(State(m_a), rec::kEnginePaused);
    EXPECT_EQ(State(m_b), rec::kEnginePaused);

    Send(m_a, rec::kEngineCmdStartFirst);
    Send(m_a, rec::kEngineCmdStart);
    AdvanceAndPump(30);
    EXPECT_NE(State(m_a), rec::kEnginePaused);
    EXPECT_NE(State(m_b), rec::kEnginePaused);

    Send(m_a, rec::kEngineCmdStop);
    Send(m_a, rec::kEngineCmdStart);
    AdvanceAndPump(100);
    EXPECT_EQ(State(m_a), rec::kEngineStopped);
    EXPECT_EQ(State(m_b), rec::kEngineStopped);

    // Commands to the secondary move it alone.
    Send(m_b, rec::kEngineCmdStart);
    AdvanceAndPump(30);
    EXPECT_EQ(State(m_a), rec::kEngineStopped);
    EXPECT_EQ(State(m_b), kEngineScanning);
}

TEST_F(EnginePairTest, LeavingThePairOrDestroyingEitherSideFreesTheOther) {
    Join();
    HoldPrimary(m_a);
    AddCall(kBusy, 50, 600000);
    AdvanceAndPump(1000);
    ASSERT_FALSE(Queued(m_a).empty());
    // Joining the same pair again, as every start of the radio window does, keeps the queue.
    ASSERT_EQ(scan_engine_join(m_a, m_b), 0);
    EXPECT_FALSE(Queued(m_a).empty());

    // Left: the queue empties (the window hears of it), the primary scans its own program and
    // the secondary stays on what it hears.
    m_window.ClearMessages();
    ASSERT_EQ(scan_engine_join(m_a, 0), 0);
    EXPECT_TRUE(Queued(m_a).empty());
    AdvanceAndPump(0);
    EXPECT_EQ(m_window.Count(WM_RADIO_FLAG), 1u);
    EXPECT_NE(Mode(m_a), rec::kEngineModeSlave);
    Send(m_a, rec::kEngineCmdStart);
    EXPECT_TRUE(Visited(m_a, 50).contains(kQuiet1));
    EXPECT_TRUE(RunUntilState(m_b, rec::kEngineOnChannelActive, 100, 10));

    // The primary destroyed: the secondary keeps its hits again.
    ASSERT_EQ(scan_engine_join(m_a, m_b), 0);
    ASSERT_EQ(scan_destroy_engine(m_a), 0);
    DrainHistory(m_b);
    EXPECT_TRUE(RunUntilState(m_b, rec::kEngineOnChannelActive, 100, 10));

    // The secondary destroyed: the primary's queue empties and it scans its own program.
    const std::uint16_t next = CreateWithPriorities(m_window.hwnd(), "RadioA");
    ASSERT_EQ(scan_engine_join(next, m_b), 0);
    HoldPrimary(next);
    AdvanceAndPump(1000);
    ASSERT_FALSE(Queued(next).empty());
    ASSERT_EQ(scan_destroy_engine(m_b), 0);
    EXPECT_TRUE(Queued(next).empty());
    EXPECT_NE(Mode(next), rec::kEngineModeSlave);
    EXPECT_EQ(EngineSim::EngineCount(), 1u);
}

TEST_F(EnginePairTest, BadHandlesChangeNoPair) {
    Join();
    const std::uint16_t device = Status(m_a).get(EngineStatus::kDeviceHandle);
    const std::uint16_t gone = CreateWithPriorities(m_window.hwnd(), "RadioA");
    ASSERT_EQ(scan_destroy_engine(gone), 0);

    for (const std::uint16_t bad : {std::uint16_t{0}, gone, device, kLastHandle}) {
        EXPECT_EQ(scan_engine_join(bad, m_b), kStatusInvalidHandle) << bad;
        if (bad != 0) {
            EXPECT_EQ(scan_engine_join(m_a, bad), kStatusInvalidHandle) << bad;
            EXPECT_EQ(scan_engine_join(m_b, bad), kStatusInvalidHandle) << bad;
        }
    }
    EXPECT_EQ(scan_engine_join(m_a, m_a), kStatusInvalidHandle);
    EXPECT_EQ(Mode(m_a), rec::kEngineModeSlave);

    // The other way round, the pair turns: each engine is in one pair at most.
    ASSERT_EQ(scan_engine_join(m_b, m_a), 0);
    EXPECT_EQ(Mode(m_b), rec::kEngineModeSlave);
    EXPECT_NE(Mode(m_a), rec::kEngineModeSlave);
    const auto joins = EngineSim::Calls("scan_engine_join");
    ASSERT_FALSE(joins.empty());
    EXPECT_EQ(joins.back().handle, m_b);
    EXPECT_EQ(joins.back().value, m_a);
}

} // namespace
} // namespace hb::engine
