#include "audio/AudioLogClient.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/Mixer.h"
#include "tests/app/rig/RigTest.h"

namespace hb::app::test {
namespace {

using hb::records::DeviceStatus;
using hb::records::EngineStatus;
using hb::tessary::AudioCallsOf;

// The last context the rig fed in; the segment requests it caused come after it.
std::string LastFeed(const CAudioLog& log) {
    const auto calls = AudioCallsOf(&log);
    for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
        if (it->starts_with("On")) {
            return *it;
        }
    }
    return {};
}

parm Record(std::uint32_t hz) {
    parm record;
    record.set(parm::kFrequency, hz);
    return record;
}

class RigEngineTest : public RigTest {
protected:
    RigEngineTest() {
        Settings("[Alpha]\nType=42\nPort=SIM\n");
        rig = AddRig("Alpha", kReceiver);
        rig->AttachView(kRadioWindow, &radio.wnd);
    }

    OwnerWindow radio;
    CRig* rig = nullptr;
};

TEST_F(RigEngineTest, TheCurrentChannelIsKeptFromGoodStatusReadsOnly) {
    const std::uint16_t engine = StartEngine(*rig, &radio.wnd);
    ASSERT_FALSE(IsFailureStatus(engine));
    EXPECT_EQ(rig->m_engine, engine);
    EXPECT_NE(rig->m_device, 0);
    EXPECT_EQ(rig->m_busy, CRig::kEngineBusy);
    EXPECT_EQ(radio.window.Count(WM_RADIO_DEVICE_OPEN), 1u);

    EngineSim::PatchStatus(engine, EngineStatus::kCurrentParm.kOffset, Record(162'550'000).bytes());
    EngineSim::PatchStatus(rig->m_device, DeviceStatus::kCurrentParm.kOffset,
                           Record(446'006'250).bytes());
    EngineStatus status;
    ASSERT_EQ(rig->EngineStatus(status.data()), 0);
    EXPECT_EQ(rig->m_parm, Record(162'550'000));
    DeviceStatus device;
    ASSERT_EQ(rig->DeviceStatus(device.data()), 0);
    EXPECT_EQ(rig->m_parm, Record(446'006'250));

    rig->DestroyEngine();
    EXPECT_FALSE(rig->IsOpen());
    EXPECT_EQ(rig->m_busy, CRig::kIdle);
    EXPECT_TRUE(IsFailureStatus(rig->EngineStatus(status.data())));
    EXPECT_TRUE(IsFailureStatus(rig->DeviceStatus(device.data())));
    EXPECT_EQ(rig->m_parm, Record(446'006'250));
}

TEST_F(RigEngineTest, AFailedCreateOrOpenKeepsNoHandleAndLeavesTheRadioIdle) {
    ASSERT_FALSE(IsFailureStatus(rig->OpenDevice(&radio.wnd)));
    const std::uint16_t device = rig->m_device;
    EngineSim::FailNextCreate(0x8123);
    EXPECT_EQ(StartEngine(*rig, &radio.wnd), 0x8123);
    EXPECT_FALSE(rig->IsEngineOpen());
    EXPECT_EQ(rig->m_device, device);
    EXPECT_EQ(rig->m_busy, CRig::kIdle);
    EXPECT_EQ(radio.window.Count(WM_RADIO_DEVICE_OPEN), 1u); // from the open only

    // The last window closes the device and asks nothing of an engine.
    rig->DetachView(&radio.wnd);
    EXPECT_EQ(CallCount("scan_destroy_engine"), 0u);
    EXPECT_EQ(EngineSim::Calls("scan_close_device").at(0).handle, device);

    EngineSim::FailNextOpen(0x8456);
    EXPECT_EQ(rig->OpenDevice(&radio.wnd), 0x8456);
    EXPECT_FALSE(rig->IsOpen());
}

TEST_F(RigEngineTest, TheStartPairAndSweepsMarkTheRadioBusy) {
    ASSERT_FALSE(IsFailureStatus(StartEngine(*rig, &radio.wnd)));
    for (const std::uint8_t code : {hb::records::kEngineCmdPause, hb::records::kEngineCmdStartFirst,
                                    hb::records::kEngineCmdStart}) {
        rig->m_busy = CRig::kIdle;
        const auto command = EngineCommandRecord::Make(code);
        rig->EngineCommand(&command);
        EXPECT_EQ(rig->m_busy,
                  code == hb::records::kEngineCmdPause ? CRig::kIdle : CRig::kEngineBusy);
    }
    parm sweep = Record(88'000'000);
    rig->StartSweep(&sweep);
    EXPECT_EQ(rig->m_busy, CRig::kSweeping);
    sweep.set(parm::kSweepKind, 2);
    rig->StartSweep(&sweep);
    EXPECT_EQ(rig->m_busy, CRig::kSweepingKind);
    EXPECT_EQ(rig->m_parm, sweep);
}

TEST_F(RigEngineTest, TheLoggerHearsOfTheEngineTheDeviceOrNothingOpen) {
    CAudioLogClient log;
    rig->m_audio_input = 3;
    CMixer::SetOutputFor(3, 9);
    EXPECT_EQ(rig->AttachAudioLog(nullptr, &log), &log);
    EXPECT_EQ(rig->m_audio_output, 9);
    EXPECT_EQ(log.m_inputLine, 3);
    EXPECT_EQ(log.m_monitorLine, -4);

    dal record;
    record.set(dal::kFrequency, 155'475'000);
    rig->NotifyAudioLog(&record, 0);
    EXPECT_EQ(AudioCallsOf(&log).back(), "OnDeviceStatus(rig, null, null, 1)");
    ASSERT_FALSE(IsFailureStatus(rig->OpenDevice(&radio.wnd)));
    rig->NotifyAudioLog(&record, 0);
    EXPECT_EQ(AudioCallsOf(&log).back(), "OnDeviceStatus(rig, dal, status, 0)");
    rig->CloseDevice();
    EXPECT_EQ(AudioCallsOf(&log).back(), "OnDeviceStatus(rig, null, status, 1)");

    ASSERT_FALSE(IsFailureStatus(StartEngine(*rig, &radio.wnd)));
    EngineSim::PatchStatus(rig->m_engine, EngineStatus::kCurrentParm.kOffset,
                           Record(155'010'000).bytes());
    // An active engine state lets the channel's names through to a segment.
    EngineSim::PatchStatus(rig->m_engine, EngineStatus::kState.kOffset, std::uint8_t{5});
    const CString name = "Alpha Bravo Charlie";
    rig->NotifyAudioLogByName(&name, 2);
    EXPECT_EQ(LastFeed(log), "OnEngineStatus(rig, dal, status, 2)");
    EXPECT_EQ(rig->m_engine_status.get(EngineStatus::kCurrentParm), Record(155'010'000));
    EXPECT_EQ(log.m_record.text(dal::kName1), "Alpha Bravo Char");
    EXPECT_EQ(log.m_record.get(dal::kFrequency), 0u);
    rig->NotifyAudioLogByName(nullptr, 2);
    EXPECT_EQ(log.m_record.text(dal::kName1), std::string(16, ' '));
    rig->DestroyEngine();
    EXPECT_EQ(LastFeed(log), "OnEngineStatus(rig, null, status, 1)");

    // Only a real mixer line is given back; the special lines are none.
    for (const std::int32_t input : {0, -1, -5}) {
        rig->m_audio_input = input;
        CMixer::SetSourceInUse(input, 1);
        CRig::DetachAudioLog(&log);
        EXPECT_EQ(CMixer::IsSourceInUse(input), input < 0) << input;
        rig->m_audio_log = &log;
    }
}

} // namespace
} // namespace hb::app::test
