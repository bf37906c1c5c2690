#include "EngineTest.h"
#include "ScriptedDevice.h"
#include "platform/win/core/Clock.h"

namespace hb::engine {
namespace {

namespace rec = hb::records;

// A trunking radio whose calls carry talkgroup IDs, on the three channels of the program.
class TrunkCommandTest : public EngineTest {
protected:
    static constexpr std::uint32_t kTalkgroup = 1234;
    static constexpr std::uint32_t kOtherTalkgroup = 5678;

    TrunkCommandTest() : m_script(ScriptedDevice::Install("Scanner")) {}

    void AddCall(std::uint32_t frequency, std::int64_t fromMs, std::int64_t toMs,
                 std::uint32_t id) {
        const std::int64_t now = hb::win::NowMs();
        m_script->calls.push_back({frequency, now + fromMs, now + toMs, 100, id});
    }

    static std::vector<std::uint32_t> CallIds(const std::vector<HistoryRecord>& hits) {
        std::vector<std::uint32_t> ids;
        for (const HistoryRecord& hit : hits) {
            ids.push_back(hit.get(HistoryRecord::kUserId).get(UserId::kValue));
        }
        return ids;
    }

    std::shared_ptr<ScriptedDevice::Script> m_script;
};

TEST_F(TrunkCommandTest, EveryTrunkCodeReachesTheDeviceUnchanged) {
    const std::uint16_t engine = Create(m_window.hwnd());
    std::vector<EngineCommandRecord> sent;
    for (const std::uint8_t code : {27, 31, 32, 34, 35, 36, 37, 38, 39}) {
        sent.push_back(EngineCommandRecord::Make(code, 0xFF - code, 0x01020304u + code,
                                                 0x00020000u | code, 0xBEEF));
    }
    sent.push_back(EngineCommandRecord::Make(rec::kEngineCmdScannerKey, 24, 0, 0, 7));
    for (const EngineCommandRecord& record : sent) {
        ASSERT_EQ(scan_engine_command(engine, &record), 0);
    }
    EXPECT_EQ(m_script->trunkCommands, sent);

    // The engine's own codes stay with the engine.
    Send(engine, rec::kEngineCmdPause, rec::kEngineSubPause);
    Send(engine, rec::kEngineCmdPriorityMode, 1);
    Send(engine, rec::kEngineCmdManualMode, 0, 101);
    EXPECT_EQ(m_script->trunkCommands.size(), sent.size());
}

TEST_F(TrunkCommandTest, LockingOutTheCurrentIdSilencesItsCallsEverywhere) {
    const std::uint16_t engine = Create(m_window.hwnd());
    AddCall(kBusy, 100, 5000, kTalkgroup);
    ASSERT_TRUE(RunUntilState(engine, rec::kEngineOnChannelActive, 100, 10));
    EXPECT_EQ(Status(engine).get(EngineStatus::kCurrentId).get(UserId::kValue), kTalkgroup);

    // The setting command with 2 changes nothing; the lock-out ends the call and scanning goes on.
    Send(engine, rec::kEngineCmdSetting, 0, 0, 0x00020000);
    AdvanceAndPump(300);
    EXPECT_EQ(State(engine), rec::kEngineOnChannelActive);
    Send(engine, rec::kEngineCmdLockOutId, 0, 102, kTalkgroup, 1);
    AdvanceAndPump(kStepMs);
    EXPECT_EQ(State(engine), kEngineScanning);
    EXPECT_EQ(CallIds(DrainHistory(engine)), std::vector<std::uint32_t>{kTalkgroup});

    // Its later calls are skipped on every channel; another talkgroup is still heard.
    AddCall(kQuiet1, 6000, 9000, kTalkgroup);
    AddCall(kQuiet2, 12000, 13000, kOtherTalkgroup);
    AdvanceAndPump(11000);
    EXPECT_TRUE(DrainHistory(engine).empty());
    AdvanceAndPump(5000);
    EXPECT_EQ(CallIds(DrainHistory(engine)), std::vector<std::uint32_t>{kOtherTalkgroup});

    // The setting command with 6 locks out as well.
    AddCall(kBusy, 1000, 3000, kOtherTalkgroup);
    ASSERT_TRUE(RunUntilState(engine, rec::kEngineOnChannelActive, 200, 10));
    Send(engine, rec::kEngineCmdSetting, 0, 0, 0x00060000);
    AdvanceAndPump(kStepMs);
    EXPECT_EQ(State(engine), kEngineScanning);
    AddCall(kBusy, 1000, 3000, kOtherTalkgroup);
    AdvanceAndPump(5000);
    EXPECT_EQ(DrainHistory(engine).size(), 1u);
}

TEST_F(TrunkCommandTest, HoldKeepsTheChannelAndScanOrResumeGoesOn) {
    const std::uint16_t engine = Create(m_window.hwnd());
    AddCall(kBusy, 100, 1000, kTalkgroup);
    AddCall(kBusy, 4000, 5000, kOtherTalkgroup);
    ASSERT_TRUE(RunUntilState(engine, rec::kEngineOnChannelActive, 100, 10));

    // Held through the end of the call and the channel's delay, it hears the next call there.
    Send(engine, rec::kEngineCmdScannerKey, 3);
    AdvanceAndPump(kStepMs);
    for (int i = 0; i < 80; ++i) {
        ASSERT_EQ(State(engine), rec::kEnginePaused);
        ASSERT_EQ(Status(engine).get(EngineStatus::kCurrentFrequency), kBusy);
        AdvanceAndPump(100);
    }
    EXPECT_EQ(CallIds(DrainHistory(engine)),
              (std::vector<std::uint32_t>{kTalkgroup, kOtherTalkgroup}));

    Send(engine, rec::kEngineCmdScannerKey, 4); // RSM
    AdvanceAndPump(kStepMs);
    EXPECT_EQ(State(engine), kEngineScanning);

    // The other hold key and the scan key do the same.
    AddCall(kQuiet1, 1000, 9000, kTalkgroup);
    ASSERT_TRUE(RunUntilState(engine, rec::kEngineOnChannelActive, 200, 10));
    Send(engine, rec::kEngineCmdScannerKey, 25);
    AdvanceAndPump(kStepMs);
    EXPECT_EQ(State(engine), rec::kEnginePaused);
    Send(engine, rec::kEngineCmdScannerKey, 0);
    AdvanceAndPump(kStepMs);
    EXPECT_EQ(State(engine), kEngineScanning);
    EXPECT_EQ(CallIds(DrainHistory(engine)), std::vector<std::uint32_t>{kTalkgroup});
}

TEST_F(TrunkCommandTest, MuteTogglesAndTellsTheWindow) {
    const std::uint16_t engine = Create(m_window.hwnd());
    AdvanceAndPump(100);
    m_window.ClearMessages();
    for (const LPARAM muted : {1, 0, 1}) {
        Send(engine, rec::kEngineCmdScannerKey, 24);
        PumpUntilIdle();
        ASSERT_EQ(m_window.Count(WM_RADIO_AUDIO_MODE), 1u);
        const auto message = std::ranges::find_if(
            m_window.Messages(), [](const MSG& m) { return m.message == WM_RADIO_AUDIO_MODE; });
        EXPECT_EQ(message->wParam, 0u);
        EXPECT_EQ(message->lParam, muted);
        m_window.ClearMessages();
    }
    EXPECT_EQ(State(engine), kEngineScanning); // muting changes nothing else
}

} // namespace
} // namespace hb::engine
