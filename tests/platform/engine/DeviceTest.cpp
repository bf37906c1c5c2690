#include "EngineTest.h"

namespace hb::engine {
namespace {

namespace rec = hb::records;

class DeviceTest : public EngineTest {
protected:
    DeviceStatus Read(std::uint16_t device) {
        DeviceStatus status;
        EXPECT_EQ(scan_device_status(device, status.data()), 0);
        return status;
    }
};

TEST_F(DeviceTest, RequestsAnswerAtOnceAndCanBeScripted) {
    const std::uint16_t device = scan_open_device("Scanner", m_window.hwnd(), 0);
    ASSERT_FALSE(rec::IsFailureStatus(device));

    parm vfo;
    vfo.set(parm::kFrequency, kBusy);
    vfo.setText(parm::kName, "VFO");
    EXPECT_EQ(scan_device_vfo_fast_write(device, &vfo), 0);
    EXPECT_EQ(Read(device).get(DeviceStatus::kCurrentParm), vfo);
    PumpUntilIdle();
    EXPECT_EQ(m_window.Count(WM_RADIO_STATUS), 1u);

    // A scripted retry leaves the radio where it was; a scripted failure hits one request only.
    EngineSim::SetVfoFastWriteResult(rec::kStatusRetry);
    parm other = vfo;
    other.set(parm::kFrequency, kQuiet1);
    EXPECT_EQ(scan_device_vfo_fast_write(device, &other), rec::kStatusRetry);
    EXPECT_EQ(Read(device).get(DeviceStatus::kCurrentFrequency), kBusy);
    EngineSim::SetVfoFastWriteResult(0);
    EngineSim::FailNextRequest(rec::kStatusTimeOut);
    EXPECT_EQ(scan_device_stop(device), rec::kStatusTimeOut);
    EXPECT_EQ(scan_device_stop(device), 0);

    const std::uint32_t volume = 0x1234, squelch = 0x21;
    EXPECT_EQ(scan_device_set_volume(device, &volume), 0);
    EXPECT_EQ(scan_device_set_squelch(device, &squelch), 0);
    EXPECT_EQ(scan_device_get_volume(device), 0x34);
    EXPECT_EQ(scan_device_get_squelch(device), 0x21);

    EXPECT_EQ(scan_device_raw_command(device, "LCD LINE1\r"), 0);
    EXPECT_EQ(Read(device).text(DeviceStatus::kTransmit), "LCD LINE1\r");
    AdvanceAndPump(1100); // the memory radio does not know the command: its reply limit runs out
    EXPECT_EQ(Read(device).get(DeviceStatus::kBusy), 0);

    SpanPoint point;
    std::uint8_t block[64];
    // This scanner's model does not sweep: the sweep is refused, and nothing is reported.
    EXPECT_EQ(scan_spectrum(device, &vfo), rec::kStatusNotSupported);
    EXPECT_NE(span_get_data(device, &point), 0);
    EXPECT_NE(span_get_block(device, block, 0) & 0x8000, 0u);
    EXPECT_EQ(span_get_block_size(device, 0), 0u);

    const auto writes = EngineSim::Calls("scan_device_vfo_fast_write");
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].record, vfo);
    EXPECT_EQ(writes[1].result, rec::kStatusRetry);
    EXPECT_EQ(EngineSim::Calls("scan_device_set_volume")[0].value, 0x1234u);
}

TEST_F(DeviceTest, SquelchMutesSignalsUpToItsLevelAndVscIsKept) {
    const std::uint16_t device = scan_open_device("Scanner", m_window.hwnd(), 0);
    ASSERT_FALSE(rec::IsFailureStatus(device));
    parm vfo;
    vfo.set(parm::kFrequency, kBusy);
    ASSERT_EQ(scan_device_vfo_fast_write(device, &vfo), 0);
    std::uint32_t heard = 0;
    for (int step = 0; step < 1000 && heard == 0; ++step) {
        AdvanceAndPump(100);
        heard = Read(device).get(DeviceStatus::kSignalLevel);
    }
    ASSERT_GT(heard, 0u);

    const std::uint32_t atSignal = heard, belowSignal = heard - 1;
    ASSERT_EQ(scan_device_set_squelch(device, &atSignal), 0);
    EXPECT_EQ(Read(device).get(DeviceStatus::kSignalLevel), 0u);
    EXPECT_EQ(Read(device).get(DeviceStatus::kSquelchOpen), 0);
    ASSERT_EQ(scan_device_set_squelch(device, &belowSignal), 0);
    EXPECT_EQ(Read(device).get(DeviceStatus::kSignalLevel), heard);
    EXPECT_EQ(Read(device).get(DeviceStatus::kSquelchOpen), 1);

    EXPECT_EQ(scan_device_set_vsc(device, 7), 0);
    const parm tuned = Read(device).get(DeviceStatus::kCurrentParm);
    EXPECT_EQ(tuned.get(parm::kVscLevel), 7);
    EXPECT_EQ(tuned.get(parm::kFrequency), kBusy);
}

TEST_F(DeviceTest, NotificationsFollowTheWindowGivenLast) {
    hb::testkit::TestWindow panel{hb::testkit::TestWindowOptions{}};
    const std::uint16_t engine = Create(m_window.hwnd());
    const std::uint16_t device = Status(engine).get(EngineStatus::kDeviceHandle);
    AdvanceAndPump(10);
    EXPECT_EQ(m_window.Count(WM_RADIO_STATUS), 1u);

    // A post already queued keeps its window; the next goes to the new one.
    EngineSim::PostMessage(engine, WM_RADIO_BAD);
    EXPECT_EQ(scan_device_hwnd(device, panel.hwnd()), 0);
    EngineSim::PostMessage(engine, WM_RADIO_RESET);
    PumpUntilIdle();
    EXPECT_EQ(m_window.Count(WM_RADIO_BAD), 1u);
    EXPECT_EQ(m_window.Count(WM_RADIO_RESET), 0u);
    EXPECT_EQ(panel.Count(WM_RADIO_RESET), 1u);

    // Posts to a window that is gone are dropped, and the engine goes on.
    EngineSim::PostMessage(engine, WM_RADIO_FLAG);
    DestroyWindow(panel.hwnd());
    PumpUntilIdle();
    EXPECT_EQ(panel.Count(WM_RADIO_FLAG), 0u);
    AdvanceAndPump(60'000);
    EXPECT_EQ(m_window.Count(WM_RADIO_STATUS), 1u);
    EXPECT_FALSE(DrainHistory(engine).empty());
}

TEST_F(DeviceTest, ClosingAnEnginesDeviceEndsTheEngine) {
    const std::uint16_t device = scan_open_device("Scanner", m_window.hwnd(), 0);
    const std::uint16_t engine = Create(m_window.hwnd());
    EXPECT_EQ(EngineSim::DeviceCount(), 2u);
    EXPECT_EQ(scan_close_device(Status(engine).get(EngineStatus::kDeviceHandle)), 0);
    EXPECT_EQ(EngineSim::EngineCount(), 0u);
    EXPECT_EQ(EngineSim::ProgramCount(), 0u);
    EXPECT_EQ(EngineSim::DeviceCount(), 1u);
    EXPECT_EQ(scan_close_device(device), 0);
    EXPECT_EQ(EngineSim::DeviceCount(), 0u);

    EngineSim::FailNextOpen(rec::kStatusTimeOut);
    EXPECT_EQ(scan_open_device("Scanner", m_window.hwnd(), 0), rec::kStatusTimeOut);
    EXPECT_EQ(EngineSim::DeviceCount(), 0u);
}

} // namespace
} // namespace hb::engine
