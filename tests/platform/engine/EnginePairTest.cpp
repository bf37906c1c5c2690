#include "EngineTest.h"

#include <set>

namespace hb::engine {
namespace {

namespace rec = hb::records;

// Two radios that hear the same traffic, on 155.475 and 156.800 MHz: "Scanner" runs the primary
// engine and "Monitor" the secondary, each telling its own window.
class EnginePairTest : public EngineTest {
protected:
    static constexpr std::uint32_t kBusy2 = kQuiet2;

    EnginePairTest() {
        hb::win::ini::Seed(kSettings, "[Radios]\nRadio#1=Scanner\nRadio#2=Monitor\n"
                                      "[Scanner]\nType=2\nPort=SIM\nBusy=155475000,156800000\n"
                                      "Seed=7\n[Monitor]\nType=254\nPort=SIM\n"
                                      "Busy=155475000,156800000\nSeed=7\n");
    }

    // The three channels, the second with priority 3 and the third with priority 9.
    static std::uint16_t CreateWithPriorities(HWND window, const char* radio) {
        std::vector<Entry> entries = {Channel(kQuiet1, 101, "Fire"),
                                      Channel(kBusy, 102, "Dispatch"),
                                      Channel(kBusy2, 103, "Marine")};
        entries[1].record.set(parm::kPriority, 3);
        entries[2].record.set(parm::kPriority, 9);
        std::vector<std::uint8_t> block = Compile(entries);
        return scan_create_single_engine(radio, block.data(), window, 0);
    }

    // The frequencies held in the primary's queue, in queue order.
    static std::vector<std::uint32_t> Held(std::uint16_t primary) {
        const EngineStatus status = Status(primary);
        std::vector<std::uint32_t> held;
        for (std::size_t i = 0; i < EngineStatus::kParmQueue.kCount; ++i) {
            const std::uint32_t frequency =
                status.get(EngineStatus::kParmQueue, i).get(parm::kFrequency);
            if (frequency != 0) {
                held.push_back(frequency);
            }
        }
        return held;
    }

    static std::uint8_t Mode(std::uint16_t engine) {
        return Status(engine).get(EngineStatus::kEngineMode);
    }

    // The frequencies the engine is on at each step of `ms`, over `steps` steps.
    static std::set<std::uint32_t> Visited(std::uint16_t engine, int steps, std::int64_t ms = 10) {
        std::set<std::uint32_t> visited;
        for (int i = 0; i < steps; ++i) {
            AdvanceAndPump(ms);
            visited.insert(Status(engine).get(EngineStatus::kCurrentFrequency));
        }
        return visited;
    }

    void Pause(std::uint16_t engine) { Send(engine, rec::kEngineCmdPause, rec::kEngineSubPause); }

    hb::testkit::TestWindow m_monitorWindow{hb::testkit::TestWindowOptions{}};
};

TEST_F(EnginePairTest, ThePrimaryHoldsItsHitsForTheSecondaryWhichListensToThem) {
    const std::uint16_t primary = CreateWithPriorities(m_window.hwnd(), "Scanner");
    const std::uint16_t secondary = CreateWithPriorities(m_monitorWindow.hwnd(), "Monitor");
    ASSERT_EQ(scan_engine_join(primary, secondary), 0);
    EXPECT_EQ(Mode(secondary), rec::kEngineModeSlave);
    EXPECT_NE(Mode(primary), rec::kEngineModeSlave);

    // While the secondary waits, the primary holds each channel it hits, once.
    Pause(secondary);
    ASSERT_TRUE(RunUntilState(secondary, rec::kEnginePaused));
    for (int i = 0; i < 3000 && Held(primary).size() < 2; ++i) {
        AdvanceAndPump(100);
    }
    const std::vector<std::uint32_t> held = Held(primary);
    ASSERT_EQ(held.size(), 2u);
    EXPECT_EQ(std::set<std::uint32_t>(held.begin(), held.end()),
              (std::set<std::uint32_t>{kBusy, kBusy2}));
    EXPECT_EQ(m_window.Count(WM_RADIO_FLAG), 2u);
    const parm first = Status(primary).get(EngineStatus::kParmQueue, 0);
    EXPECT_EQ(first.get(parm::kObjectHandle), held[0] == kBusy ? 102u : 103u);
    EXPECT_EQ(first.text(parm::kName), held[0] == kBusy ? "Dispatch        " : "Marine          ");

    // Started again, it takes the higher priority first, then the other, and nothing else.
    m_window.ClearMessages();
    Send(secondary, rec::kEngineCmdStart);
    AdvanceAndPump(50);
    EXPECT_EQ(Status(secondary).get(EngineStatus::kCurrentFrequency), kBusy2);
    EXPECT_EQ(Held(primary), std::vector<std::uint32_t>{kBusy});
    EXPECT_EQ(m_window.Count(WM_RADIO_FLAG), 1u);
    const std::set<std::uint32_t> visited = Visited(secondary, 2000);
    EXPECT_FALSE(visited.contains(kQuiet1));
    EXPECT_TRUE(visited.contains(kBusy));
    // It logs what it heard on them, as any engine does.
    bool heardBusy2 = false;
    for (const HistoryRecord& hit : DrainHistory(secondary)) {
        heardBusy2 = heardBusy2 || hit.get(HistoryRecord::kFrequency) == kBusy2;
    }
    EXPECT_TRUE(heardBusy2);
    EXPECT_GT(m_monitorWindow.Count(WM_RADIO_HISTORY), 0u);
}

TEST_F(EnginePairTest, TheSecondaryPausesStartsAndStopsWithThePrimary) {
    const std::uint16_t primary = Create(m_window.hwnd(), "Scanner");
    const std::uint16_t secondary = Create(m_monitorWindow.hwnd(), "Monitor");
    ASSERT_EQ(scan_engine_join(primary, secondary), 0);
    AdvanceAndPump(100);

    Pause(primary);
    AdvanceAndPump(30);
    EXPECT_EQ(State(primary), rec::kEnginePaused);
    EXPECT_EQ(State(secondary), rec::kEnginePaused);

    Send(primary, rec::kEngineCmdStartFirst);
    Send(primary, rec::kEngineCmdStart);
    AdvanceAndPump(30);
    EXPECT_NE(State(primary), rec::kEnginePaused);
    EXPECT_NE(State(secondary), rec::kEnginePaused);

    Send(primary, rec::kEngineCmdStop);
    Send(primary, rec::kEngineCmdStart);
    AdvanceAndPump(100);
    EXPECT_EQ(State(primary), rec::kEngineStopped);
    EXPECT_EQ(State(secondary), rec::kEngineStopped);

    // Commands to the secondary move it alone.
    Send(secondary, rec::kEngineCmdStart);
    AdvanceAndPump(30);
    EXPECT_EQ(State(primary), rec::kEngineStopped);
    EXPECT_EQ(State(secondary), kEngineScanning);
}

TEST_F(EnginePairTest, LeavingThePairOrDestroyingEitherSideFreesTheOther) {
    const std::uint16_t primary = Create(m_window.hwnd(), "Scanner");
    const std::uint16_t secondary = Create(m_monitorWindow.hwnd(), "Monitor");
    ASSERT_EQ(scan_engine_join(primary, secondary), 0);
    Pause(secondary);
    for (int i = 0; i < 3000 && Held(primary).empty(); ++i) {
        AdvanceAndPump(100);
    }
    ASSERT_FALSE(Held(primary).empty());
    // Joining the same pair again, as every start of the radio window does, keeps what is held.
    ASSERT_EQ(scan_engine_join(primary, secondary), 0);
    EXPECT_FALSE(Held(primary).empty());

    // Left: the queue empties (the window hears of it) and the secondary scans its own program.
    m_window.ClearMessages();
    ASSERT_EQ(scan_engine_join(primary, 0), 0);
    EXPECT_TRUE(Held(primary).empty());
    AdvanceAndPump(0);
    EXPECT_EQ(m_window.Count(WM_RADIO_FLAG), 1u);
    EXPECT_NE(Mode(secondary), rec::kEngineModeSlave);
    Send(secondary, rec::kEngineCmdStart);
    EXPECT_TRUE(Visited(secondary, 50).contains(kQuiet1));

    // The primary destroyed: the secondary goes back to its own program.
    ASSERT_EQ(scan_engine_join(primary, secondary), 0);
    ASSERT_EQ(Mode(secondary), rec::kEngineModeSlave);
    ASSERT_EQ(scan_destroy_engine(primary), 0);
    EXPECT_NE(Mode(secondary), rec::kEngineModeSlave);
    EXPECT_TRUE(Visited(secondary, 50).contains(kQuiet1));

    // The secondary destroyed: the primary holds nothing more.
    const std::uint16_t next = Create(m_window.hwnd(), "Scanner");
    ASSERT_EQ(scan_engine_join(next, secondary), 0);
    ASSERT_EQ(scan_destroy_engine(secondary), 0);
    for (int i = 0; i < 300; ++i) {
        AdvanceAndPump(100);
        ASSERT_TRUE(Held(next).empty());
    }
    EXPECT_EQ(EngineSim::EngineCount(), 1u);
}

TEST_F(EnginePairTest, BadHandlesChangeNoPair) {
    const std::uint16_t primary = Create(m_window.hwnd(), "Scanner");
    const std::uint16_t secondary = Create(m_monitorWindow.hwnd(), "Monitor");
    const std::uint16_t device = Status(primary).get(EngineStatus::kDeviceHandle);
    const std::uint16_t gone = Create(m_window.hwnd(), "Scanner");
    ASSERT_EQ(scan_destroy_engine(gone), 0);
    ASSERT_EQ(scan_engine_join(primary, secondary), 0);

    for (const std::uint16_t bad : {std::uint16_t{0}, gone, device, kLastHandle}) {
        EXPECT_EQ(scan_engine_join(bad, secondary), kStatusInvalidHandle) << bad;
        if (bad != 0) {
            EXPECT_EQ(scan_engine_join(primary, bad), kStatusInvalidHandle) << bad;
            EXPECT_EQ(scan_engine_join(secondary, bad), kStatusInvalidHandle) << bad;
        }
    }
    EXPECT_EQ(scan_engine_join(primary, primary), kStatusInvalidHandle);
    EXPECT_EQ(Mode(secondary), rec::kEngineModeSlave);

    // The other way round, the pair turns: each engine is in one pair at most.
    ASSERT_EQ(scan_engine_join(secondary, primary), 0);
    EXPECT_EQ(Mode(primary), rec::kEngineModeSlave);
    EXPECT_NE(Mode(secondary), rec::kEngineModeSlave);
    const auto joins = EngineSim::Calls("scan_engine_join");
    ASSERT_FALSE(joins.empty());
    EXPECT_EQ(joins.back().handle, secondary);
    EXPECT_EQ(joins.back().value, primary);
}

} // namespace
} // namespace hb::engine
