#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStates.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/win/core/Scheduler.h"
#include "tests/app/rig/DeviceFrameFixture.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace hb::app::test {
namespace {

using hb::records::EngineStatus;

DtmfRecord Dtmf(const char* text) {
    DtmfRecord record;
    record.setText(DtmfRecord::kText, text);
    return record;
}

// Each pass sends the panel its DTMF message, then its history message.
std::vector<UINT> Passes(std::size_t passes) {
    std::vector<UINT> messages;
    for (std::size_t i = 0; i < passes; ++i) {
        messages.push_back(WM_RADIO_DTMF);
        messages.push_back(WM_RADIO_HISTORY);
    }
    return messages;
}

std::vector<std::uint16_t> CommandedEngines() {
    std::vector<std::uint16_t> handles;
    for (const auto& call : EngineSim::Calls("scan_engine_command")) {
        handles.push_back(call.handle);
    }
    return handles;
}

std::vector<std::string> Mutes(const CAudioLog& log) {
    std::vector<std::string> mutes;
    for (const std::string& call : hb::tessary::AudioCallsOf(&log)) {
        if (call.starts_with("Mute(")) {
            mutes.push_back(call);
        }
    }
    return mutes;
}

TEST_F(DeviceFrameTest, StoppingWatchesTheEngineThirteenPassesAndDrainsItsRecordsEachPass) {
    CTestRadioFrame* frame = Open(alpha);
    const std::uint16_t engine = Start(alpha, frame);
    EngineSim::QueueDtmf(engine, Dtmf("123"));
    EngineSim::QueueHistory(engine, HistoryRecord{});
    // Queued by the engine while it stops, in the sixth pass's wait.
    hb::win::ScheduleAfter(
        55, [engine] { EngineSim::QueueDtmf(engine, Dtmf("*9#")); }, "test");
    EngineSim::ClearJournal();
    const DWORD before = GetTickCount();

    frame->StopDevices();
    const auto commands = EngineSim::Calls("scan_engine_command");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].code(), hb::records::kEngineCmdStop);
    EXPECT_EQ(commands[1].code(), hb::records::kEngineCmdStart);
    EXPECT_EQ(CallCount("scan_engine_status"), 13u);
    EXPECT_EQ(GetTickCount() - before, 130u);
    CTestPanel* panel = frame->Panel();
    EXPECT_EQ(panel->messages, Passes(13));
    EXPECT_EQ(panel->dtmf, (std::vector<std::string>{"123", "*9#"}));
    EXPECT_EQ(panel->histories, 1u);

    // An engine that is stopped already is watched as long.
    EngineStatus status;
    ASSERT_EQ(alpha->EngineStatus(status.data()), 0);
    EXPECT_EQ(status.get(EngineStatus::kState), hb::records::kEngineStopped);
    EngineSim::ClearJournal();
    frame->StopDevices();
    EXPECT_EQ(CallCount("scan_engine_status"), 13u);
}

TEST_F(DeviceFrameTest, AnEngineSlowToStopOrUnreadableIsWaitedForUpToTwentyTwoPasses) {
    CTestRadioFrame* frame = Open(alpha);
    const std::pair<std::optional<unsigned>, std::size_t> cases[] = {{15u, 15u},
                                                                     {std::nullopt, 22u}};
    for (const auto& [steps, passes] : cases) {
        EngineSim::SetStopSteps(steps);
        Start(alpha, frame);
        EngineSim::ClearJournal();
        frame->StopDevices();
        EXPECT_EQ(CallCount("scan_engine_status"), passes);
        alpha->DestroyEngine();
    }

    // Stopped by the third pass, unreadable from the twelfth: a failed read is no "stopped".
    EngineSim::SetStopSteps(3u);
    Start(alpha, frame);
    int pass = 0;
    frame->Panel()->afterDtmf = [&] {
        if (++pass == 12) {
            alpha->DestroyEngine();
        }
    };
    EngineSim::ClearJournal();
    frame->StopDevices();
    EXPECT_EQ(pass, 22);
}

TEST_F(DeviceFrameTest, OnlyTheEnginesTheWindowOwnsAreStoppedTheFirstRadioFirst) {
    CTestRadioFrame* frame = Open(alpha, bravo);
    const std::uint16_t first = Start(alpha, frame);
    const std::uint16_t second = Start(bravo, frame);
    OwnerWindow analyzer;
    ASSERT_EQ(bravo->AttachView(27299, &analyzer.wnd), 0);
    EngineSim::ClearJournal();
    frame->StopDevices();
    EXPECT_EQ(CommandedEngines(), (std::vector<std::uint16_t>{first, first}));

    bravo->DetachView(&analyzer.wnd);
    EngineSim::ClearJournal();
    frame->StopDevices();
    EXPECT_EQ(CommandedEngines(), (std::vector<std::uint16_t>{first, first, second, second}));

    alpha->DestroyEngine();
    bravo->DestroyEngine();
    EngineSim::ClearJournal();
    frame->StopDevices();
    EXPECT_TRUE(EngineSim::Journal().empty());
    EXPECT_EQ(frame->Panel()->messages, Passes(13 + 13 + 13));
}

TEST_F(DeviceFrameTest, TheRadioOfAnInactiveWindowIsMutedWhenTheApplicationAsksForIt) {
    CAudioLog alphaLog, bravoLog;
    alpha->m_audio_log = &alphaLog;
    bravo->m_audio_log = &bravoLog;
    app.m_muteInactive = TRUE;
    CTestRadioFrame* first = Open(alpha);
    Open(bravo);
    CTestRadioFrame* third = Open(nullptr);
    EXPECT_EQ(Mutes(alphaLog), (std::vector<std::string>{"Mute(0)", "Mute(1)"}));
    EXPECT_EQ(Mutes(bravoLog), (std::vector<std::string>{"Mute(0)", "Mute(1)"}));

    main->MDIActivate(first);
    EXPECT_EQ(Mutes(alphaLog), (std::vector<std::string>{"Mute(0)", "Mute(1)", "Mute(0)"}));
    EXPECT_EQ(Mutes(bravoLog).size(), 2u);

    app.m_muteInactive = FALSE;
    main->MDIActivate(third);
    EXPECT_EQ(Mutes(alphaLog).size(), 3u);
    alpha->m_audio_log = bravo->m_audio_log = nullptr;
}

TEST_F(DeviceFrameTest, ClosingTheWindowGivesUpBothRadios) {
    CTestRadioFrame* frame = Open(alpha, bravo);
    Start(alpha, frame);
    Start(bravo, frame);
    frame->DestroyWindow();
    EXPECT_EQ(Frames().framesDeleted, 1);
    for (const CRig* rig : {alpha, bravo}) {
        EXPECT_EQ(rig->m_owner, nullptr);
        EXPECT_FALSE(rig->IsOpen());
    }
    EXPECT_EQ(EngineSim::EngineCount(), 0u);
}

} // namespace
} // namespace hb::app::test
