#include "EngineTest.h"
#include "platform/engine/SweepSim.h"
#include "platform/records/SpanBlockHeader.h"
#include "platform/records/SpanPoint.h"

#include <vector>

namespace hb::engine {
namespace {

namespace rec = hb::records;
using rec::SpanBlockHeader;
using rec::SpanPoint;

class SweepTest : public EngineTest {
protected:
    SweepTest() {
        hb::win::ini::Seed(kSettings, "[Radios]\nRadio#1=Scanner\n"
                                      "[Scanner]\nType=42\nPort=SIM\nBusy=155475000\nSeed=7\n"
                                      "SweepRate=100\n");
        m_device = scan_open_device("Scanner", m_window.hwnd(), 0);
    }

    // 155.450 to 155.500 MHz by 12.5 kHz: four steps, the busy channel third.
    static parm Range(std::uint32_t first = 0) {
        parm record;
        record.set(parm::kFrequency, first);
        record.set(parm::kStart, 155'450'000);
        record.set(parm::kEnd, 155'500'000);
        record.set(parm::kStep, 12'500);
        return record;
    }

    std::vector<SpanPoint> Readings() {
        std::vector<SpanPoint> points;
        SpanPoint point;
        while (span_get_data(m_device, &point) == 0) {
            points.push_back(point);
        }
        return points;
    }

    std::uint16_t m_device = 0;
};

TEST_F(SweepTest, ARadioWhoseModelCannotSweepRefusesTheSweep) {
    hb::win::ini::Seed(kSettings, "[Radios]\nRadio#1=Plain\n[Plain]\nType=2\nPort=SIM\n");
    const std::uint16_t device = scan_open_device("Plain", m_window.hwnd(), 0);
    ASSERT_NE(device, 0);
    const parm range = Range();
    EXPECT_EQ(scan_spectrum(device, &range), rec::kStatusNotSupported);
    AdvanceAndPump(1000);
    EXPECT_EQ(m_window.Count(WM_SPAN_BLOCK), 0u);
    EXPECT_EQ(scan_close_device(device), 0);
}

TEST_F(SweepTest, ReadingsComeOneByOneAtTheRateOfTheKey) {
    SweepSim::SetReport(m_device, SweepReport::Readings);
    const parm range = Range(155'475'000);
    ASSERT_EQ(scan_spectrum(m_device, &range), 0);
    EXPECT_EQ(span_get_block_size(m_device, 0), 64u + 4u);

    // 100 steps a second: nothing within the first 10 ms, six steps after 60 ms.
    AdvanceAndPump(9);
    EXPECT_EQ(m_window.Count(WM_ENGINE_STATUS), 0u);
    AdvanceAndPump(51);
    EXPECT_GE(m_window.Count(WM_ENGINE_STATUS), 1u);
    const auto points = Readings();
    ASSERT_EQ(points.size(), 6u);
    // From the resume frequency to the end, then around again from the start.
    const std::uint32_t expected[] = {155'475'000, 155'487'500, 155'450'000,
                                      155'462'500, 155'475'000, 155'487'500};
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].get(SpanPoint::kFrequency), expected[i]) << i;
        EXPECT_EQ(points[i].get(SpanPoint::kLevelKind), 1);
        // Only the busy channel is ever on the air, well above the noise floor.
        if (points[i].get(SpanPoint::kFlags) == SpanPoint::kFlagActivity) {
            EXPECT_EQ(expected[i], kBusy);
            EXPECT_GE(points[i].get(SpanPoint::kRawLevel), 40u);
        } else {
            EXPECT_EQ(points[i].get(SpanPoint::kFlags), 0);
            EXPECT_LE(points[i].get(SpanPoint::kRawLevel), SimSweep::kNoiseFloor) << i;
        }
    }
    // Step times are the long time, a hundredth of a second apart.
    EXPECT_EQ(points[1].get(SpanPoint::kTime) - points[0].get(SpanPoint::kTime), 100'000u);
    EXPECT_NE(span_get_data(m_device, nullptr) & 0x8000, 0);
}

TEST_F(SweepTest, ByteSweepsCarryTheirCountAndOutliveTheNextSweep) {
    SweepSim::SetReport(m_device, SweepReport::ByteSweeps);
    SweepSim::SetLevelFunction(m_device,
                               [](std::uint32_t f, std::int64_t) { return f % 1000 / 100; });
    parm range = Range();
    range.set(parm::kStep, 12'600); // 155.450, .4626, .4752, .4878: four steps, uneven levels
    ASSERT_EQ(scan_spectrum(m_device, &range), 0);
    SweepSim::RunSteps(m_device, 8);
    ASSERT_EQ(SweepSim::State(m_device)->sweeps, 2u);
    std::vector<MSG> sweeps;
    PumpUntilIdle();
    for (const MSG& msg : m_window.Messages()) {
        if (msg.message == WM_SPAN_SWEEP) {
            sweeps.push_back(msg);
        }
    }
    ASSERT_EQ(sweeps.size(), 2u);
    // Both buffers are still readable although the second sweep replaced the first.
    for (const MSG& msg : sweeps) {
        ASSERT_EQ(msg.wParam, 4u);
        const auto* levels = reinterpret_cast<const std::uint8_t*>(msg.lParam);
        EXPECT_EQ(levels[0], 0);
        EXPECT_EQ(levels[1], 6);
        EXPECT_EQ(levels[2], 2);
        EXPECT_EQ(levels[3], 8);
    }
    EXPECT_NE(sweeps[0].lParam, sweeps[1].lParam);
}

TEST_F(SweepTest, BlocksHoldOneSweepAndNeverOverrunTheCallersBuffer) {
    const parm range = Range();
    ASSERT_EQ(scan_spectrum(m_device, &range), 0);
    std::vector<std::uint8_t> buffer(64 + 4, 0xEE);
    SpanBlockHeader head;
    head.set(SpanBlockHeader::kBufferSize, 64 + 2); // room for two levels only
    std::copy(head.data(), head.data() + 64, buffer.begin());
    EXPECT_NE(span_get_block(m_device, buffer.data(), 0) & 0x8000, 0u); // no sweep ended yet

    AdvanceAndPump(40);
    EXPECT_EQ(SweepSim::State(m_device)->sweeps, 1u);
    EXPECT_EQ(m_window.Count(WM_SPAN_BLOCK), 1u);
    ASSERT_EQ(span_get_block(m_device, buffer.data(), 0), 0u);
    std::copy(buffer.begin(), buffer.begin() + 64, head.data());
    EXPECT_EQ(head.get(SpanBlockHeader::kStart), 155'450'000u);
    EXPECT_EQ(head.get(SpanBlockHeader::kStep), 12'500u);
    EXPECT_EQ(head.get(SpanBlockHeader::kCount), 4u);
    EXPECT_EQ(head.get(SpanBlockHeader::kDuration), 400'000);
    EXPECT_EQ(head.get(SpanBlockHeader::kLevelAddressSlot), 0u);
    EXPECT_NE(buffer[64], 0xEE);
    EXPECT_EQ(buffer[66], 0xEE);
    EXPECT_EQ(buffer[67], 0xEE);
    // Taken: nothing more until the next sweep ends.
    EXPECT_NE(span_get_block(m_device, buffer.data(), 0) & 0x8000, 0u);
}

TEST_F(SweepTest, FastModeReportsOnlyStepsOnTheAir) {
    SweepSim::SetLevelFunction(m_device, [](std::uint32_t f, std::int64_t) {
        return static_cast<std::uint8_t>(f == kBusy ? 100 : 0);
    });
    parm range = Range();
    range.set(parm::kRequestFlags, parm::Sweep::kFlagFastMode);
    ASSERT_EQ(scan_spectrum(m_device, &range), 0);
    SweepSim::RunSteps(m_device, 8);
    const auto points = Readings();
    ASSERT_EQ(points.size(), 2u);
    for (const SpanPoint& point : points) {
        EXPECT_EQ(point.get(SpanPoint::kFrequency), kBusy);
        EXPECT_EQ(point.get(SpanPoint::kFlags), SpanPoint::kFlagActivity);
    }
    EXPECT_EQ(m_window.Count(WM_SPAN_BLOCK), 0u);
}

TEST_F(SweepTest, BreakStopAndANewSweepEndTheOldOne) {
    SweepSim::SetReport(m_device, SweepReport::Readings);
    parm range = Range();
    ASSERT_EQ(scan_spectrum(m_device, &range), 0);
    EXPECT_EQ(scan_device_break(m_device), 0);
    EXPECT_FALSE(SweepSim::State(m_device)->running);
    AdvanceAndPump(100);
    EXPECT_TRUE(Readings().empty());

    ASSERT_EQ(scan_spectrum(m_device, &range), 0);
    range.set(parm::kStart, 150'000'000);
    range.set(parm::kEnd, 150'100'000);
    range.set(parm::kStep, 25'000);
    ASSERT_EQ(scan_spectrum(m_device, &range), 0);
    const SweepState state = *SweepSim::State(m_device);
    EXPECT_TRUE(state.running);
    EXPECT_EQ(state.count, 4u);
    EXPECT_EQ(state.next, 150'000'000u);
    EXPECT_EQ(scan_device_stop(m_device), 0);
    EXPECT_FALSE(SweepSim::State(m_device)->running);

    // A range without a step, or whose start is not below its end, is refused.
    range.set(parm::kStep, 0);
    EXPECT_EQ(scan_spectrum(m_device, &range), kStatusInvalidArgument);
    range.set(parm::kStep, 25'000);
    range.set(parm::kEnd, 150'000'000);
    EXPECT_EQ(scan_spectrum(m_device, &range), kStatusInvalidArgument);
    EXPECT_FALSE(SweepSim::State(m_device)->running);
}

} // namespace
} // namespace hb::engine
