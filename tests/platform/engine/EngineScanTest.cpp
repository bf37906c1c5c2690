#include "EngineTest.h"
#include "platform/records/TimeUnits.h"

#include <set>
#include <tuple>

namespace hb::engine {
namespace {

namespace rec = hb::records;

class EngineScanTest : public EngineTest {
protected:
    std::uint32_t Frequency(std::uint16_t engine) {
        return Status(engine).get(EngineStatus::kCurrentFrequency);
    }

    // Passes of 10 ms until the engine reports "stopped", at most `limit`.
    int PassesUntilStopped(std::uint16_t engine, int limit = 22) {
        int passes = 0;
        while (State(engine) != rec::kEngineStopped && passes < limit) {
            AdvanceAndPump(10);
            ++passes;
        }
        return passes;
    }
};

TEST_F(EngineScanTest, ScanningStopsOnActivityAndLogsTheHit) {
    const std::uint16_t engine = Create(m_window.hwnd());
    EXPECT_EQ(State(engine), kEngineStarting);
    AdvanceAndPump(10);
    EXPECT_EQ(State(engine), kEngineScanning);
    EXPECT_EQ(m_window.Count(WM_RADIO_STATUS), 1u);

    const std::int64_t wallBefore = hb::win::WallTime();
    ASSERT_TRUE(RunUntilState(engine, rec::kEngineOnChannelActive));
    const EngineStatus onHit = Status(engine);
    EXPECT_EQ(onHit.get(EngineStatus::kCurrentFrequency), kBusy);
    EXPECT_EQ(onHit.get(EngineStatus::kCurrentObject), 102u);
    DeviceStatus device;
    scan_device_status(onHit.get(EngineStatus::kDeviceHandle), device.data());
    EXPECT_EQ(device.get(DeviceStatus::kCurrentFrequency), kBusy);
    EXPECT_EQ(device.get(DeviceStatus::kSquelchOpen), 1);
    EXPECT_GT(device.get(DeviceStatus::kSignalLevel), 0);
    EXPECT_EQ(m_window.Count(WM_RADIO_HISTORY), 0u);

    // The signal ends, the channel's delay passes, and the engine scans on.
    ASSERT_TRUE(RunUntilState(engine, rec::kEngineOnChannel));
    ASSERT_TRUE(RunUntilState(engine, kEngineScanning));
    EXPECT_EQ(m_window.Count(WM_RADIO_HISTORY), 1u);
    const std::vector<HistoryRecord> hits = DrainHistory(engine);
    ASSERT_EQ(hits.size(), 1u);
    HistoryRecord extra;
    EXPECT_EQ(scan_get_history(engine, extra.data()), kStatusNoRecord);

    const HistoryRecord& hit = hits[0];
    EXPECT_EQ(hit.get(HistoryRecord::kFrequency), kBusy);
    EXPECT_EQ(hit.get(HistoryRecord::kObjectHandle), 102u);
    EXPECT_EQ(hit.text(HistoryRecord::kName1), "Dispatch        ");
    const std::uint32_t time = hit.get(HistoryRecord::kTime);
    EXPECT_GE(time, wallBefore);
    EXPECT_LE(time, hb::win::WallTime());
    EXPECT_EQ(rec::UnixSecondsFromTicks(hit.get(HistoryRecord::kLongTime)), time);
    const std::uint32_t samples = hit.get(HistoryRecord::kHitNumber1);
    const std::uint32_t sum = hit.get(HistoryRecord::kHitNumber2);
    const std::uint8_t lowest = hit.get(HistoryRecord::kHitByte1);
    const std::uint8_t highest = hit.get(HistoryRecord::kHitByte2);
    EXPECT_EQ(hit.get(HistoryRecord::kAirTime), samples * 100);
    EXPECT_GE(hit.get(HistoryRecord::kAirTime), 100u);
    EXPECT_LE(hit.get(HistoryRecord::kAirTime), 6000u);
    EXPECT_GT(lowest, 0);
    EXPECT_LE(lowest, highest);
    EXPECT_GE(sum, samples * lowest);
    EXPECT_LE(sum, samples * highest);
}

TEST_F(EngineScanTest, TheStopPairReachesStoppedAfterTheScriptedSteps) {
    const std::uint16_t engine = Create(m_window.hwnd());
    AdvanceAndPump(100);
    Send(engine, rec::kEngineCmdStop);
    Send(engine, rec::kEngineCmdStart);
    EXPECT_EQ(PassesUntilStopped(engine), 3);
    EXPECT_TRUE(hb::win::PendingTasks().empty()); // a stopped engine does no work

    EngineSim::SetStopSteps(6);
    Send(engine, rec::kEngineCmdStartFirst);
    Send(engine, rec::kEngineCmdStart);
    AdvanceAndPump(10);
    EXPECT_EQ(State(engine), kEngineScanning);
    Send(engine, rec::kEngineCmdStop);
    AdvanceAndPump(100);
    EXPECT_EQ(State(engine), kEngineScanning); // a stop waits for its second half
    Send(engine, rec::kEngineCmdStart);
    EXPECT_EQ(PassesUntilStopped(engine), 6);
}

TEST_F(EngineScanTest, AnEngineThatNeverStopsCanStillBeStarted) {
    EngineSim::SetStopSteps(std::nullopt);
    const std::uint16_t engine = Create(m_window.hwnd());
    AdvanceAndPump(100);
    Send(engine, rec::kEngineCmdStop);
    Send(engine, rec::kEngineCmdStart);
    EXPECT_EQ(PassesUntilStopped(engine), 22);
    EXPECT_EQ(State(engine), kEngineStopping);

    Send(engine, rec::kEngineCmdStartFirst);
    Send(engine, rec::kEngineCmdStart);
    AdvanceAndPump(10);
    EXPECT_EQ(State(engine), kEngineScanning);
}

TEST_F(EngineScanTest, PauseHoldsTheChannelUntilTheStartPair) {
    const std::uint16_t engine = Create(m_window.hwnd());
    AdvanceAndPump(40);
    m_window.ClearMessages();
    Send(engine, rec::kEngineCmdPause, rec::kEngineSubPause);
    EXPECT_EQ(State(engine), kEngineScanning); // commands take effect at the next step
    AdvanceAndPump(10);
    EXPECT_EQ(State(engine), rec::kEnginePaused);
    EXPECT_EQ(m_window.MessageIds(), (std::vector<UINT>{WM_RADIO_STATUS, WM_ENGINE_STATUS}));
    const std::uint32_t held = Frequency(engine);
    AdvanceAndPump(1000);
    EXPECT_EQ(Frequency(engine), held);

    Send(engine, rec::kEngineCmdStartFirst);
    Send(engine, rec::kEngineCmdStart);
    AdvanceAndPump(10);
    EXPECT_EQ(State(engine), kEngineScanning);
    AdvanceAndPump(30);
    EXPECT_NE(Frequency(engine), held);
}

TEST_F(EngineScanTest, TheSameSeedGivesTheSameHits) {
    hb::win::ini::Seed(kSettings, "[A]\nType=2\nPort=SIM\nSeed=5\n[B]\nType=2\nPort=SIM\nSeed=5\n"
                                  "[C]\nType=2\nPort=SIM\nSeed=6\n");
    std::vector<Entry> channels;
    for (std::uint32_t i = 0; i < 40; ++i) {
        channels.push_back(Channel(460'000'000 + i * 25'000, 300 + i));
    }
    const std::vector<std::uint8_t> block = Compile(channels);
    const std::uint16_t a = scan_create_single_engine("A", block.data(), {}, 0);
    const std::uint16_t b = scan_create_single_engine("B", block.data(), {}, 0);
    const std::uint16_t c = scan_create_single_engine("C", block.data(), {}, 0);
    AdvanceAndPump(5 * 60 * 1000);

    const auto key = [](const std::vector<HistoryRecord>& hits) {
        std::vector<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>> list;
        for (const HistoryRecord& hit : hits) {
            list.emplace_back(hit.get(HistoryRecord::kFrequency), hit.get(HistoryRecord::kTime),
                              hit.get(HistoryRecord::kHitNumber2));
        }
        return list;
    };
    const auto hitsA = key(DrainHistory(a));
    EXPECT_GT(hitsA.size(), 5u);
    EXPECT_EQ(hitsA, key(DrainHistory(b)));
    EXPECT_NE(hitsA, key(DrainHistory(c)));
}

TEST_F(EngineScanTest, LockedOutChannelsAndFrequenciesAreSkipped) {
    const std::uint16_t engine = Create(m_window.hwnd());
    ASSERT_TRUE(RunUntilState(engine, rec::kEngineOnChannelActive));
    Send(engine, rec::kEngineCmdLockOut, 0, 102, kBusy);
    AdvanceAndPump(10);
    EXPECT_EQ(State(engine), kEngineScanning); // the hit ends at once
    EXPECT_EQ(DrainHistory(engine).size(), 1u);
    EXPECT_FALSE(RunUntilState(engine, rec::kEngineOnChannelActive, 600));

    Send(engine, rec::kEngineCmdFree, 0, 102, kBusy);
    EXPECT_TRUE(RunUntilState(engine, rec::kEngineOnChannelActive));

    // Inside a search range only the frequency is locked out, and only until the next program
    // when the lock-out is temporary.
    std::vector<std::uint8_t> block = Compile({Range(kBusy - 25'000, kBusy + 25'000, 12'500, 400)});
    ASSERT_EQ(scan_reload_engine(engine, block.data()), 0);
    Send(engine, rec::kEngineCmdTempLockOut, 0, 400, kBusy);
    std::set<std::uint32_t> visited;
    for (int i = 0; i < 6000; ++i) {
        AdvanceAndPump(10);
        visited.insert(Frequency(engine));
        ASSERT_NE(State(engine), rec::kEngineOnChannelActive);
    }
    EXPECT_EQ(visited, (std::set<std::uint32_t>{kBusy - 25'000, kBusy - 12'500, kBusy + 12'500,
                                                kBusy + 25'000}));
    ASSERT_EQ(scan_reload_engine(engine, block.data()), 0);
    EXPECT_TRUE(RunUntilState(engine, rec::kEngineOnChannelActive));
}

TEST_F(EngineScanTest, AFullyClosedSquelchHearsNothingToStopOn) {
    const std::uint16_t engine = Create(m_window.hwnd());
    AdvanceAndPump(10);
    const std::uint16_t device = Status(engine).get(EngineStatus::kDeviceHandle);
    const std::uint32_t closed = 255, open = 0;
    ASSERT_EQ(scan_device_set_squelch(device, &closed), 0);
    EXPECT_FALSE(RunUntilState(engine, rec::kEngineOnChannelActive, 600));
    EXPECT_TRUE(DrainHistory(engine).empty());

    ASSERT_EQ(scan_device_set_squelch(device, &open), 0);
    EXPECT_TRUE(RunUntilState(engine, rec::kEngineOnChannelActive));
}

TEST_F(EngineScanTest, ScriptedStatesRecordsAndMessagesReachTheWindow) {
    const std::uint16_t engine = Create(m_window.hwnd());
    const std::uint16_t device = Status(engine).get(EngineStatus::kDeviceHandle);
    AdvanceAndPump(10);
    m_window.ClearMessages();

    EngineSim::SetState(engine, 20);
    AdvanceAndPump(1000);
    EXPECT_EQ(State(engine), 20);
    EXPECT_EQ(m_window.MessageIds(), std::vector<UINT>{WM_RADIO_STATUS});

    EngineSim::PatchStatus(engine, EngineStatus::kIdHold.kOffset, 0xFF);
    EngineSim::PatchStatus(device, DeviceStatus::kLocalControl.kOffset, 1);
    EXPECT_EQ(Status(engine).get(EngineStatus::kIdHold), 0xFF);
    DeviceStatus deviceStatus;
    scan_device_status(device, deviceStatus.data());
    EXPECT_EQ(deviceStatus.get(DeviceStatus::kLocalControl), 1);

    m_window.ClearMessages();
    EngineSim::PostMessage(engine, WM_RADIO_RESTART, 0, 0, 3);
    AdvanceAndPump(20);
    EXPECT_EQ(m_window.Count(WM_RADIO_RESTART), 0u);
    AdvanceAndPump(10);
    EXPECT_EQ(m_window.Count(WM_RADIO_RESTART), 1u);

    DtmfRecord dtmf;
    dtmf.setText(DtmfRecord::kText, "0123456789ABCD*#");
    EngineSim::QueueDtmf(engine, dtmf);
    PumpUntilIdle();
    EXPECT_EQ(m_window.Count(WM_RADIO_DTMF), 1u);
    DtmfRecord taken;
    EXPECT_EQ(scan_get_dtmf(engine, taken.data()), 0);
    EXPECT_EQ(taken, dtmf);
    EXPECT_EQ(scan_get_dtmf(engine, taken.data()), kStatusNoRecord);
}

} // namespace
} // namespace hb::engine
