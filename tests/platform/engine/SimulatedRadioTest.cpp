#include "EngineTest.h"
#include "ScriptedDevice.h"
#include "platform/win/core/Clock.h"

#include <algorithm>
#include <set>

namespace hb::engine {
namespace {

namespace rec = hb::records;

// The simulated receiver's own traffic: its pace, its DTMF, its faults, and the manual channel.
class SimulatedRadioTest : public EngineTest {
protected:
    static std::uint32_t DeviceFrequency(std::uint16_t engine) {
        DeviceStatus device;
        EXPECT_EQ(
            scan_device_status(Status(engine).get(EngineStatus::kDeviceHandle), device.data()), 0);
        return device.get(DeviceStatus::kCurrentFrequency);
    }

    // Seven quiet channels, 25 kHz apart.
    static std::vector<std::uint8_t> QuietChannels() {
        std::vector<Entry> entries;
        for (std::uint32_t i = 0; i < 7; ++i) {
            entries.push_back(Channel(kQuiet1 + i * 25'000, 500 + i));
        }
        return Compile(entries);
    }

    std::uint16_t CreateFrom(const std::vector<std::uint8_t>& block, const char* radio) {
        return scan_create_single_engine(radio, block.data(), m_window.hwnd(), 0);
    }

    // Every message of `id` the window got, in order, with the clock when it was pumped.
    std::vector<std::int64_t> Arrivals(UINT message, std::int64_t forMs, std::int64_t stepMs = 10) {
        std::vector<std::int64_t> times;
        for (std::int64_t t = 0; t < forMs; t += stepMs) {
            m_window.ClearMessages();
            AdvanceAndPump(stepMs);
            for (std::size_t i = 0; i < m_window.Count(message); ++i) {
                times.push_back(hb::win::NowMs());
            }
        }
        return times;
    }
};

TEST_F(SimulatedRadioTest, AnUnbrokenScanTunesExactlyRateChannelsEachSecond) {
    hb::win::ini::Seed(kSettings, "[Fast]\nType=2\nPort=SIM\nRate=300\nBusy=\n"
                                  "[Slow]\nType=2\nPort=SIM\nRate=7\nBusy=\n");
    const std::vector<std::uint8_t> block = QuietChannels();
    const std::uint16_t engine = CreateFrom(block, "Fast");
    AdvanceAndPump(kStepMs); // the first channel is tuned as scanning begins
    ASSERT_EQ(State(engine), kEngineScanning);
    const std::int64_t start = hb::win::NowMs();

    // Channel k is tuned at start + floor(k * 1000 / 300) ms, to the millisecond.
    std::vector<std::int64_t> tuned = {0};
    std::uint32_t last = DeviceFrequency(engine);
    while (tuned.size() < 901) {
        AdvanceAndPump(1);
        if (const std::uint32_t now = DeviceFrequency(engine); now != last) {
            tuned.push_back(hb::win::NowMs() - start);
            last = now;
        }
    }
    for (std::size_t k = 0; k < tuned.size(); ++k) {
        ASSERT_EQ(tuned[k], static_cast<std::int64_t>(k * 1000 / 300)) << k;
    }
    const EngineStatus status = Status(engine);
    EXPECT_EQ(status.get(EngineStatus::kRateTime), 1000u);
    EXPECT_EQ(status.get(EngineStatus::kRateCount), 300u);

    // A slow radio counts its own rate, and a young engine only the time it has lived.
    const std::uint16_t slow = CreateFrom(block, "Slow");
    AdvanceAndPump(500);
    EXPECT_EQ(Status(slow).get(EngineStatus::kRateTime), 500u);
    EXPECT_EQ(Status(slow).get(EngineStatus::kRateCount), 4u); // at 10, 152, 295 and 438 ms
    AdvanceAndPump(5000);
    EXPECT_EQ(Status(slow).get(EngineStatus::kRateTime), 1000u);
    EXPECT_EQ(Status(slow).get(EngineStatus::kRateCount), 7u);
}

TEST_F(SimulatedRadioTest, ADtmfTransmissionQueuesItsCharactersBeforeItsHit) {
    hb::win::ini::Seed(kSettings, "[Scanner]\nType=2\nPort=SIM\nBusy=155475000\nDtmf=155475000\n"
                                  "Seed=7\n[Twin]\nType=2\nPort=SIM\nBusy=155475000\n"
                                  "Dtmf=155475000\nSeed=7\n[Plain]\nType=2\nPort=SIM\n"
                                  "Busy=155475000\nDtmf=\nSeed=7\n");
    const std::uint16_t engine = Create(m_window.hwnd(), "Scanner");
    hb::testkit::TestWindow twinWindow{hb::testkit::TestWindowOptions{}};
    const std::uint16_t twin = Create(twinWindow.hwnd(), "Twin");
    const std::uint16_t plain = Create({}, "Plain");
    ASSERT_TRUE(RunUntilState(engine, rec::kEngineOnChannelActive));
    ASSERT_TRUE(RunUntilState(engine, kEngineScanning));

    const std::vector<UINT> ids = m_window.MessageIds();
    const auto dtmf = std::ranges::find(ids, WM_RADIO_DTMF);
    const auto history = std::ranges::find(ids, WM_RADIO_HISTORY);
    ASSERT_NE(dtmf, ids.end());
    EXPECT_LT(dtmf, history);
    EXPECT_EQ(std::ranges::count(ids, WM_RADIO_DTMF), 1);

    DtmfRecord record;
    ASSERT_EQ(scan_get_dtmf(engine, record.data()), 0);
    const std::string text = record.text(DtmfRecord::kText);
    EXPECT_GE(text.size(), 3u);
    EXPECT_LE(text.size(), 16u);
    EXPECT_EQ(text.find_first_not_of("0123456789*#ABCD"), std::string::npos) << text;
    EXPECT_EQ(scan_get_dtmf(engine, record.data()), kStatusNoRecord);
    EXPECT_EQ(DrainHistory(engine).size(), 1u);

    // The same seed sends the same characters; a frequency not listed sends none.
    DtmfRecord twinRecord;
    ASSERT_EQ(scan_get_dtmf(twin, twinRecord.data()), 0);
    EXPECT_EQ(twinRecord.text(DtmfRecord::kText), text);
    EXPECT_FALSE(DrainHistory(plain).empty());
    EXPECT_EQ(scan_get_dtmf(plain, record.data()), kStatusNoRecord);
}

TEST_F(SimulatedRadioTest, WithoutADtmfListSomeBusyFrequenciesSendCharacters) {
    hb::win::ini::Seed(kSettings, "[Scanner]\nType=2\nPort=SIM\nSeed=11\n");
    std::vector<Entry> entries;
    for (std::uint32_t i = 0; i < 80; ++i) {
        entries.push_back(Channel(460'000'000 + i * 12'500, 300 + i));
    }
    const std::uint16_t engine = CreateFrom(Compile(entries), "Scanner");
    AdvanceAndPump(10 * 60 * 1000);
    std::set<std::uint32_t> heard;
    const std::vector<HistoryRecord> hits = DrainHistory(engine);
    for (const HistoryRecord& hit : hits) {
        heard.insert(hit.get(HistoryRecord::kFrequency));
    }
    std::size_t dtmf = 0;
    DtmfRecord record;
    while (scan_get_dtmf(engine, record.data()) == 0) {
        ++dtmf;
    }
    ASSERT_GE(heard.size(), 4u);
    EXPECT_GT(dtmf, 0u);
    EXPECT_LT(dtmf, hits.size() / 2);
}

TEST_F(SimulatedRadioTest, FaultsComeInTurnAndTheEngineRecovers) {
    hb::win::ini::Seed(kSettings, "[Scanner]\nType=2\nPort=SIM\nBusy=\nFaults=5\n");
    const std::vector<std::uint8_t> block = QuietChannels();
    const std::uint16_t engine = CreateFrom(block, "Scanner");
    const std::int64_t created = hb::win::NowMs();
    const auto at = [created](std::int64_t ms) { return created + ms; };

    // A garbled reply.
    EXPECT_EQ(Arrivals(WM_RADIO_BAD, 5000), std::vector<std::int64_t>{at(5000)});
    EXPECT_EQ(State(engine), kEngineScanning);

    // A reset of the radio: the scan starts again from the first channel.
    AdvanceAndPump(4990);
    m_window.ClearMessages();
    AdvanceAndPump(20);
    EXPECT_EQ(m_window.Count(WM_RADIO_RESET), 1u);
    EXPECT_EQ(DeviceFrequency(engine), kQuiet1);

    // A short loss of the link: state 2 and a check request, for 3 s.
    AdvanceAndPump(4980);
    m_window.ClearMessages();
    AdvanceAndPump(10);
    EXPECT_EQ(State(engine), kEngineLinkLost);
    EXPECT_EQ(m_window.Count(WM_ENGINE_CHECK), 1u);
    const std::uint32_t frozen = DeviceFrequency(engine);
    AdvanceAndPump(2980);
    EXPECT_EQ(State(engine), kEngineLinkLost);
    EXPECT_EQ(DeviceFrequency(engine), frozen);
    AdvanceAndPump(20);
    EXPECT_EQ(State(engine), kEngineScanning);

    // The next fault counts from the end of a loss. A long loss: 10 s in state 2, with a
    // restart request half-way.
    m_window.ClearMessages();
    AdvanceAndPump(5000);
    EXPECT_EQ(State(engine), kEngineLinkLost);
    EXPECT_EQ(m_window.Count(WM_ENGINE_CHECK), 0u);
    EXPECT_EQ(Arrivals(WM_RADIO_RESTART, 9900), std::vector<std::int64_t>{at(28000)});
    EXPECT_EQ(State(engine), kEngineLinkLost);
    AdvanceAndPump(100);
    EXPECT_EQ(State(engine), kEngineScanning);

    // Then the kinds come round again; a stopped radio has none.
    EXPECT_EQ(Arrivals(WM_RADIO_BAD, 5000), std::vector<std::int64_t>{at(38000)});
    Send(engine, rec::kEngineCmdStop);
    Send(engine, rec::kEngineCmdStart);
    AdvanceAndPump(100);
    ASSERT_EQ(State(engine), rec::kEngineStopped);
    m_window.ClearMessages();
    AdvanceAndPump(60000);
    EXPECT_TRUE(m_window.MessageIds().empty());
}

TEST_F(SimulatedRadioTest, TheFaultKindsAreTakenFromTheSettings) {
    hb::win::ini::Seed(kSettings, "[Scanner]\nType=2\nPort=SIM\nBusy=\nFaults=2\n"
                                  "FaultKinds= Restart, odd ,bad\n[Quiet]\nType=2\nPort=SIM\n");
    const std::vector<std::uint8_t> block = QuietChannels();
    const std::uint16_t engine = CreateFrom(block, "Scanner");
    AdvanceAndPump(2000);
    EXPECT_EQ(State(engine), kEngineLinkLost);
    AdvanceAndPump(10000);
    EXPECT_EQ(m_window.Count(WM_RADIO_RESTART), 1u);
    // The loss is over by the next fault, which is the garbled reply.
    EXPECT_EQ(m_window.Count(WM_RADIO_BAD), 0u);
    AdvanceAndPump(2000);
    EXPECT_EQ(m_window.Count(WM_RADIO_BAD), 1u);

    // Without "Faults" there are none.
    hb::testkit::TestWindow quietWindow{hb::testkit::TestWindowOptions{}};
    scan_create_single_engine("Quiet", block.data(), quietWindow.hwnd(), 0);
    AdvanceAndPump(10 * 60 * 1000);
    for (const UINT message : {WM_RADIO_BAD, WM_RADIO_RESET, WM_ENGINE_CHECK, WM_RADIO_RESTART}) {
        EXPECT_EQ(quietWindow.Count(message), 0u) << message;
    }
}

// Manual mode on a channel, with a radio whose calls the test places.
class ManualModeTest : public EngineTest {
protected:
    ManualModeTest() : m_script(ScriptedDevice::Install("Scanner")) {}

    std::shared_ptr<ScriptedDevice::Script> m_script;
};

TEST_F(ManualModeTest, TheEngineStaysOnTheNamedChannelAndLogsItsHits) {
    const std::uint16_t engine = Create(m_window.hwnd());
    AdvanceAndPump(200);
    const std::int64_t now = hb::win::NowMs();
    m_script->calls.push_back({kQuiet2, now + 500, now + 1500});
    m_script->calls.push_back({kQuiet2, now + 6000, now + 6800});

    Send(engine, rec::kEngineCmdManualMode, 0, 103);
    AdvanceAndPump(kStepMs);
    EXPECT_EQ(State(engine), rec::kEnginePaused);
    const EngineStatus status = Status(engine);
    EXPECT_EQ(status.get(EngineStatus::kCurrentObject), 103u);
    EXPECT_EQ(status.get(EngineStatus::kCurrentFrequency), kQuiet2);
    EXPECT_EQ(status.text(EngineStatus::kCurrentName), "Marine          ");
    DeviceStatus device;
    scan_device_status(status.get(EngineStatus::kDeviceHandle), device.data());
    EXPECT_EQ(device.get(DeviceStatus::kCurrentFrequency), kQuiet2);

    // Both calls are logged there, and the engine never scans on.
    for (int i = 0; i < 100; ++i) {
        AdvanceAndPump(100);
        ASSERT_EQ(State(engine), rec::kEnginePaused);
        ASSERT_EQ(Status(engine).get(EngineStatus::kCurrentFrequency), kQuiet2);
    }
    const std::vector<HistoryRecord> hits = DrainHistory(engine);
    ASSERT_EQ(hits.size(), 2u);
    for (const HistoryRecord& hit : hits) {
        EXPECT_EQ(hit.get(HistoryRecord::kFrequency), kQuiet2);
        EXPECT_EQ(hit.get(HistoryRecord::kObjectHandle), 103u);
    }
    EXPECT_EQ(hits[0].get(HistoryRecord::kAirTime), 1000u);

    // It listens to whatever the device was last given, under the channel's handle.
    parm vfo;
    vfo.set(parm::kFrequency, 162'550'000);
    ASSERT_EQ(scan_device_vfo_fast_write(Status(engine).get(EngineStatus::kDeviceHandle), &vfo), 0);
    const std::int64_t later = hb::win::NowMs();
    m_script->calls.push_back({162'550'000, later + 100, later + 400});
    AdvanceAndPump(3000);
    const std::vector<HistoryRecord> tuned = DrainHistory(engine);
    ASSERT_EQ(tuned.size(), 1u);
    EXPECT_EQ(tuned[0].get(HistoryRecord::kFrequency), 162'550'000u);
    EXPECT_EQ(tuned[0].get(HistoryRecord::kObjectHandle), 103u);

    // The start command scans again.
    Send(engine, rec::kEngineCmdStart);
    AdvanceAndPump(100);
    EXPECT_EQ(State(engine), kEngineScanning);
}

TEST_F(ManualModeTest, ItComesFromAnyStateAndAHandleTheProgramLacksPausesWhereItIs) {
    const std::uint16_t engine = Create(m_window.hwnd());
    AdvanceAndPump(200);
    Send(engine, rec::kEngineCmdStop);
    Send(engine, rec::kEngineCmdStart);
    AdvanceAndPump(100);
    ASSERT_EQ(State(engine), rec::kEngineStopped);
    Send(engine, rec::kEngineCmdManualMode, 0, 101);
    AdvanceAndPump(kStepMs);
    EXPECT_EQ(State(engine), rec::kEnginePaused);
    EXPECT_EQ(Status(engine).get(EngineStatus::kCurrentFrequency), kQuiet1);

    for (const std::uint32_t missing : {0u, 999u}) {
        Send(engine, rec::kEngineCmdStartFirst);
        Send(engine, rec::kEngineCmdStart);
        AdvanceAndPump(kStepMs + 25);
        ASSERT_EQ(State(engine), kEngineScanning);
        const std::uint32_t where = Status(engine).get(EngineStatus::kCurrentFrequency);
        Send(engine, rec::kEngineCmdManualMode, 0, missing);
        AdvanceAndPump(1000);
        EXPECT_EQ(State(engine), rec::kEnginePaused) << missing;
        EXPECT_EQ(Status(engine).get(EngineStatus::kCurrentFrequency), where) << missing;
    }
}

} // namespace
} // namespace hb::engine
