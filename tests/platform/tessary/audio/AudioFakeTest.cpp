#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/audio/AudioPlayerView.h"
#include "platform/tessary/audio/AudioSegment.h"
#include "platform/tessary/audio/Mixer.h"
#include "platform/testkit/PlatformTest.h"

#include <memory>

namespace hb::tessary::test {
namespace {

using Texts = std::vector<std::string>;
using AudioFakeTest = hb::testkit::PlatformTest;

TEST_F(AudioFakeTest, LoggerCallsAreRecordedAndLeaveTheirState) {
    CAudioLog log;
    CAudioSegment segment;
    log.SetInputLine(0x01000002);
    log.SetOutputLine(-1);
    log.SetMonitorLine(-4);
    log.DSPRole(2);
    log.SetRole(1);
    log.ProcessSpecial(6);
    log.Mute(1);
    EXPECT_EQ(log.SetMode(CAudioLog::kModeRecord), 0);
    log.Volume(80);
    log.AnticipateNewChannel(162'550'000);
    log.MarkNow(7, 4, 0);
    segment.Update();
    const std::uint8_t samples[4] = {};
    CAudioLog::DriverWaveInterface(&log, samples, 4);
    log.Reset();
    log.Disable();
    EXPECT_EQ(
        AudioCallsOf(&log),
        (Texts{"SetInputLine(16777218)", "SetOutputLine(-1)", "SetMonitorLine(-4)", "DSPRole(2)",
               "SetRole(1)", "SetupRecordSettings()", "ProcessSpecial(6)", "Mute(1)", "SetMode(1)",
               "Volume(80)", "AnticipateNewChannel(162550000)", "MarkNow(7, 4, 0)",
               "DriverWaveInterface(samples, 4)", "Reset()", "Disable()"}));
    EXPECT_EQ(AudioCallsOf(&segment), Texts{"Update()"});
    EXPECT_EQ(log.m_inputLine, 0x01000002);
    EXPECT_EQ(log.m_monitorLine, -4);
    EXPECT_EQ(log.m_dspRole, 2);
    EXPECT_EQ(log.m_role, 1);
    EXPECT_TRUE(log.m_muted);
    EXPECT_EQ(log.GetMode(), CAudioLog::kModeOff) << "Disable turns the logger off";
    EXPECT_DOUBLE_EQ(log.m_volume, 0.8);
    EXPECT_EQ(log.m_driverBytes, 4u);
    EXPECT_TRUE(log.m_disabled);

    CAudioLog::MasterMute(1);
    EXPECT_EQ(CAudioLog::al_monitor_master_mute, 1);
    CAudioLog::MasterMute(0);
    EXPECT_EQ(CAudioLog::al_monitor_master_mute, 0);
    EXPECT_EQ(AudioCallsOf(nullptr), (Texts{"MasterMute(1)", "MasterMute(0)"}));
}

TEST_F(AudioFakeTest, TheMixerMapsOnlyRealInputLines) {
    CMixer::BuildAudioDeviceList(1);
    CMixer::SetOutputFor(0x01000002, 0x01000000);
    EXPECT_EQ(CMixer::MapInputToOutput(0x01000002), 0x01000000);
    EXPECT_EQ(CMixer::MapInputToOutput(3), -1);
    for (const std::int32_t special : {-1, -4, -5}) {
        EXPECT_EQ(CMixer::MapInputToOutput(special), -1) << special;
    }
    CMixer::SetSourceInUse(0x01000002, 1);
    EXPECT_TRUE(CMixer::IsSourceInUse(0x01000002));
    CMixer::SetSourceInUse(0x01000002, 0);
    EXPECT_FALSE(CMixer::IsSourceInUse(0x01000002));
    EXPECT_EQ(AudioCallsOf(nullptr),
              (Texts{"BuildAudioDeviceList(1)", "MapInputToOutput(16777218)", "MapInputToOutput(3)",
                     "MapInputToOutput(-1)", "MapInputToOutput(-4)", "MapInputToOutput(-5)",
                     "SetSourceInUse(16777218, 1)", "SetSourceInUse(16777218, 0)"}));
}

TEST_F(AudioFakeTest, AnIndexViewAndItsLoggerUnlinkWhicheverGoesFirst) {
    auto log = std::make_unique<CAudioLog>();
    auto view = std::make_unique<CAudioPlayerView>();
    view->m_log = log.get();
    view->BindDocument(&log->m_file);
    EXPECT_EQ(log->m_file.m_indexView, view.get());
    EXPECT_EQ(view->m_file, &log->m_file);
    EXPECT_EQ(AudioCallsOf(view.get()), Texts{"BindDocument(file)"});
    log.reset();
    EXPECT_EQ(view->m_log, nullptr);
    EXPECT_EQ(view->m_file, nullptr);

    log = std::make_unique<CAudioLog>();
    view->m_log = log.get();
    view->BindDocument(&log->m_file);
    view.reset();
    EXPECT_EQ(log->m_file.m_indexView, nullptr);
}

} // namespace
} // namespace hb::tessary::test
