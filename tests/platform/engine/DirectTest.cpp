#include "EngineTest.h"
#include "platform/records/TimerStatistics.h"
#include "platform/testkit/TempFolder.h"
#include "platform/win/core/MessageBox.h"

namespace hb::engine {
namespace {

class DirectTest : public EngineTest {};

TEST_F(DirectTest, TheTraceWritesEachCallToItsFileFromStartToStop) {
    hb::testkit::TempFolder folder;
    const std::string path = folder.File("Engine.dmp");
    hb::testkit::WriteFileBytes(path, "an older trace\n");
    EXPECT_EQ(scan_trace_control(1, nullptr), 0);

    EXPECT_EQ(scan_trace_control(255, path.c_str()), 0);
    EXPECT_NE(scan_trace_control(1, nullptr), 0);
    scan_timer_read();
    EXPECT_EQ(scan_trace_control(0, nullptr), 0);
    EXPECT_EQ(scan_trace_control(1, nullptr), 0);
    scan_timer_read();

    // The older trace is gone; the stop and the calls after it are not written.
    EXPECT_EQ(hb::testkit::ReadFileBytes(path), "scan_trace_control 0 0\n"
                                                "scan_trace_control 0 1\n"
                                                "scan_timer_read 0 0\n");
}

TEST_F(DirectTest, TheTraceDoesNotStartWithoutAWritableFile) {
    hb::testkit::TempFolder folder;
    EXPECT_EQ(scan_trace_control(255, nullptr), kStatusInvalidArgument);
    EXPECT_EQ(scan_trace_control(255, ""), kStatusInvalidArgument);
    EXPECT_EQ(scan_trace_control(255, folder.File("missing/Engine.dmp").c_str()), kStatusNoFile);
    EXPECT_EQ(scan_trace_control(1, nullptr), 0);
    EXPECT_EQ(scan_trace_control(7, nullptr), hb::records::kStatusNotSupported);
}

TEST_F(DirectTest, NumberedMessagesAreAnsweredByTheScript) {
    EngineSim::ExpectMessage(12, IDCANCEL);
    EngineSim::ExpectMessage(79, IDRETRY);
    EXPECT_EQ(scan_message(m_window.hwnd(), 12), IDCANCEL);
    EXPECT_EQ(scan_message(m_window.hwnd(), 79), IDRETRY);
    ASSERT_EQ(EngineSim::Messages().size(), 2u);
    EXPECT_EQ(EngineSim::Messages()[0].window, m_window.hwnd());

    // Unscripted, or not the one expected: a failure of the test, answered OK.
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& text) { failures.push_back(text); });
    EXPECT_EQ(scan_message(m_window.hwnd(), 9), IDOK);
    EngineSim::ExpectMessage(33, IDCANCEL);
    EXPECT_EQ(scan_message(m_window.hwnd(), 34), IDOK);
    EXPECT_EQ(failures.size(), 2u);
    EXPECT_EQ(EngineSim::UnansweredMessages(), std::vector<std::uint32_t>{33});
    EXPECT_EQ(scan_message(m_window.hwnd(), 33), IDCANCEL);
}

TEST_F(DirectTest, AMessageWithATextIsABoxOverTheWindowAndTheScriptIsLeftAlone) {
    EngineSim::ExpectMessage(12, IDOK);
    hb::win::ExpectBox(
        {"This radio cannot be read or written by this program.", IDOK, "Radio Engine"});
    EXPECT_EQ(scan_message(HWND{}, 10), IDOK);
    EXPECT_EQ(scan_message(m_window.hwnd(), 12), IDOK);

    ASSERT_EQ(hb::win::BoxLog().size(), 1u);
    EXPECT_EQ(hb::win::BoxLog()[0].owner, HWND{});
    EXPECT_EQ(hb::win::BoxLog()[0].type, MB_OK | MB_ICONEXCLAMATION);
    ASSERT_EQ(EngineSim::Messages().size(), 2u);
    EXPECT_EQ(EngineSim::Messages()[0].number, 10u);
    EXPECT_EQ(EngineSim::Messages()[0].answer, IDOK);

    // Whoever answers boxes answers it, over the window it was given.
    std::vector<HWND> owners;
    hb::win::SetMessageBoxHandler([&](const hb::win::BoxRequest& box) {
        owners.push_back(box.owner);
        return IDOK;
    });
    EXPECT_EQ(scan_message(m_window.hwnd(), 10), IDOK);
    EXPECT_EQ(owners, std::vector<HWND>{m_window.hwnd()});
}

TEST_F(DirectTest, TimeAlarmsAndProductInfo) {
    EXPECT_EQ(scan_timer_read(), GetTickCount());
    std::uint32_t seconds = 0;
    EXPECT_EQ(scan_get_time(&seconds), 0);
    EXPECT_EQ(seconds, hb::win::WallTime());
    EXPECT_EQ(scan_get_time(nullptr), kStatusInvalidArgument);

    // The delay runs the engine's work as the clock passes.
    const std::uint16_t engine = Create(m_window.hwnd());
    const std::uint32_t before = scan_timer_read();
    EXPECT_EQ(scan_delay(250), 0);
    EXPECT_EQ(scan_timer_read() - before, 250u);
    EXPECT_EQ(State(engine), kEngineScanning);

    EXPECT_EQ(scan_alarm(3, "Fire", "Channel 1", nullptr, "Dispatch"), 0);
    ASSERT_EQ(EngineSim::Alarms().size(), 1u);
    EXPECT_EQ(EngineSim::Alarms()[0].index, 3u);
    EXPECT_EQ(EngineSim::Alarms()[0].text, "");
    EXPECT_EQ(EngineSim::Alarms()[0].detail, "Dispatch");

    EXPECT_EQ(scan_set_product_info(0x1234, 0x5678, 9, 1, 4, 17, 0, 255, 0), 0);
    ASSERT_TRUE(EngineSim::Product());
    EXPECT_EQ(EngineSim::Product()->id2, 0x5678);
    EXPECT_EQ(EngineSim::Product()->version[3], 17);
    EXPECT_EQ(EngineSim::Product()->extra[1], 255u);
}

TEST_F(DirectTest, TheTimerStatisticsAreTheOnlyNumberedCall) {
    using hb::records::TimerStatistics;
    TimerStatistics block;
    EXPECT_EQ(scan_api_call(hb::records::kApiCallTimerStatistics, 0, 0, block.data(), 0), 0);
    EXPECT_EQ(block.get(TimerStatistics::kPeriod), kStepMs);
    EXPECT_EQ(block.get(TimerStatistics::kLateCount), 0);

    TimerStatistics scripted;
    scripted.set(TimerStatistics::kEarlyTotal, -40);
    EngineSim::SetTimerStatistics(scripted);
    EXPECT_EQ(scan_api_call(hb::records::kApiCallTimerStatistics, 0, 0, block.data(), 0), 0);
    EXPECT_EQ(block, scripted);

    EXPECT_EQ(scan_api_call(hb::records::kApiCallTimerStatistics, 0, 0, nullptr, 0),
              kStatusInvalidArgument);
    EXPECT_EQ(scan_api_call(31, 0, 0, block.data(), 0), hb::records::kStatusNotSupported);
    EXPECT_EQ(block, scripted);
}

} // namespace
} // namespace hb::engine
