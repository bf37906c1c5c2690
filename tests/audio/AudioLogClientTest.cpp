#include "audio/AudioLogClient.h"

#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/win/store/PrivateProfile.h"
#include "tests/app/rig/RigTest.h"
#include "tests/platform/tessary/audio/RecordingFileReader.h"

#include <memory>
#include <string>
#include <vector>

namespace hb::app::test {
namespace {

using hb::records::DeviceStatus;
using hb::records::EngineStatus;
using hb::tessary::AudioCallsOf;
using hb::tessary::test::ReadRecordingFile;

constexpr const char* kSection = "Rx1_AudioRecorder";

// The segment requests the client made, as "code" texts.
std::vector<std::string> Requests(const void* log) {
    std::vector<std::string> codes;
    for (const std::string& call : AudioCallsOf(log)) {
        if (call.starts_with("ProcessRequest(")) {
            codes.push_back(call.substr(15, call.find(',') - 15));
        }
    }
    return codes;
}

dal Heard(std::uint32_t hz, const char* name, std::uint32_t id = 0) {
    dal channel;
    channel.set(dal::kFrequency, hz);
    channel.setText(dal::kName1, name);
    hb::records::UserId user;
    user.set(hb::records::UserId::kValue, id);
    channel.set(dal::kUserId, user);
    return channel;
}

class AudioLogClientTest : public RigTest {
protected:
    AudioLogClientTest() {
        Settings("[Alpha]\nType=42\nPort=SIM\n[Bravo]\nType=42\nPort=SIM\n");
        alpha = AddRig("Alpha", kReceiver);
        bravo = AddRig("Bravo", kReceiver);
    }

    // A recording logger on `rig`, writing to a file in the documents folder.
    std::unique_ptr<CAudioLogClient> Recorder(CRig* rig) {
        app.WriteProfileStringA(kSection, "RecordingFile", path.c_str());
        app.WriteProfileInt(kSection, "Mode", 1);
        auto log = std::make_unique<CAudioLogClient>(kSection, "Rx1");
        log->m_rig = rig;
        rig->AttachAudioLog(nullptr, log.get());
        return log;
    }

    // An engine status in `state` on the channel whose object handle is `key`.
    static std::vector<BYTE> Status(std::uint8_t state, std::uint32_t key = 7,
                                    std::uint32_t activityTimer = 0) {
        EngineStatus status;
        status.set(EngineStatus::kState, state);
        status.set(EngineStatus::kCurrentObject, key);
        status.set(EngineStatus::kActivityTimer, activityTimer);
        status.set(EngineStatus::kStartTime, 0x1'0000'0002ull);
        status.set(EngineStatus::kTimeStamp, 1'700'000'000u);
        return {status.bytes().begin(), status.bytes().end()};
    }

    CRig* alpha = nullptr;
    CRig* bravo = nullptr;
    std::string path = Doc("RX1_AUDIO.SWQ");
};

TEST_F(AudioLogClientTest, ActiveStatusesRecordSegmentsAndANewIdWithinTheAirTimeContinuesOne) {
    auto log = Recorder(alpha);
    ASSERT_TRUE(log->m_recording);
    const dal fire = Heard(155'010'000, "Fire", 100);
    log->OnEngineStatus(alpha, &fire, Status(5).data(), 2);
    EXPECT_EQ(log->GetChannelState(), 2);
    EXPECT_EQ(log->m_state, CAudioLog::kStateSegment);
    // A repeated report changes nothing.
    log->OnEngineStatus(alpha, &fire, Status(5).data(), 2);

    AdvanceAndPump(300);
    const dal newId = Heard(155'010'000, "Fire", 101);
    log->OnEngineStatus(alpha, &newId, Status(5, 7, GetTickCount() - 200).data(), 2);
    EXPECT_EQ(log->m_state, CAudioLog::kStateSegment);

    // Past the air time, another ID is a segment of its own.
    const dal later = Heard(155'010'000, "Fire", 102);
    log->OnEngineStatus(alpha, &later, Status(5, 7, GetTickCount() - 5000).data(), 2);
    log->OnEngineStatus(alpha, &later, Status(1).data(), 2);
    EXPECT_EQ(log->GetChannelState(), CAudioLogClient::kIdle);
    // A new channel first ends whatever segment is in progress.
    EXPECT_EQ(Requests(log.get()), (std::vector<std::string>{"1", "2", "4", "1", "2", "1"}));

    const auto segments = ReadRecordingFile(path);
    ASSERT_EQ(segments.size(), 2u);
    for (std::uint32_t n = 0; n < segments.size(); ++n) {
        EXPECT_EQ(segments[n].header.get(wlseg::kSegmentNumber), n + 1);
    }
    const dal first = segments[0].header.get(wlseg::kDal);
    EXPECT_EQ(first.get(dal::kUserId).get(hb::records::UserId::kValue), 101u);
    EXPECT_EQ(first.text(dal::kRadioName), "Alpha");
    EXPECT_EQ(first.get(dal::kKind), dal::kKindClient);
    EXPECT_EQ(first.get(dal::kTime), 1'700'000'000u);
    EXPECT_EQ(first.segmentStart(), 0x1'0000'0002ull);
}

TEST_F(AudioLogClientTest, TheSignalStatesRecordHoweverLongTheEngineHasRun) {
    auto log = Recorder(alpha);
    const dal fire = Heard(155'010'000, "Fire");
    for (const std::uint8_t state : {6, 27}) {
        SCOPED_TRACE(int{state});
        std::vector<BYTE> status = Status(state);
        EngineStatus read;
        read.copyFrom(status);
        // Thousands of steps in, with the channel's delay where the second counter stands.
        read.set(EngineStatus::kCounter, 4000);
        read.set(EngineStatus::kCounter2, 2000);
        status.assign(read.bytes().begin(), read.bytes().end());
        log->OnEngineStatus(alpha, &fire, status.data(), 2);
        EXPECT_EQ(log->m_state, CAudioLog::kStateSegment);
        log->OnEngineStatus(alpha, &fire, Status(4).data(), 8);
        EXPECT_EQ(log->GetChannelState(), CAudioLogClient::kIdle);
    }
    EXPECT_EQ(ReadRecordingFile(path).size(), 2u);
}

TEST_F(AudioLogClientTest, ASecondRigIsIgnoredWhileTheFirstRecordsAndTakenAfter) {
    auto log = Recorder(alpha);
    const dal fire = Heard(155'010'000, "Fire");
    const dal police = Heard(460'125'000, "Police");
    log->OnEngineStatus(alpha, &fire, Status(5).data(), 2);
    log->OnEngineStatus(bravo, &police, Status(5, 9).data(), 2);
    EXPECT_EQ(log->m_loggedRig, alpha);
    EXPECT_EQ(log->m_record.get(dal::kFrequency), 155'010'000u);
    log->OnEngineStatus(alpha, &fire, Status(0).data(), 0);
    log->OnEngineStatus(bravo, &police, Status(5, 9).data(), 8);
    EXPECT_EQ(log->m_loggedRig, bravo);
    EXPECT_EQ(log->GetChannelState(), 8);
    EXPECT_EQ(ReadRecordingFile(path).size(), 2u);
    // Null input ends the segment and forgets the channel.
    log->OnEngineStatus(bravo, nullptr, nullptr, 2);
    EXPECT_EQ(log->GetChannelState(), CAudioLogClient::kIdle);
    EXPECT_EQ(log->m_record.get(dal::kFrequency), 0u);
}

TEST_F(AudioLogClientTest, AChannelWithoutANameIsNamedByItsFrequency) {
    auto log = Recorder(alpha);
    const dal vhf = Heard(30'000'001, "");
    log->OnEngineStatus(alpha, &vhf, Status(5, 1).data(), 2);
    EXPECT_EQ(log->m_record.text(dal::kName1), "30.0000");
    const dal hf = Heard(30'000'000, "");
    log->OnEngineStatus(alpha, &hf, Status(5, 2).data(), 2);
    EXPECT_EQ(log->m_record.text(dal::kName1), "30.000000");

    app.WriteProfileInt("Settings", "HFFreqDisplayMHz", 0);
    CAudioLogClient inKhz("Rx2_AudioRecorder", "Rx2");
    inKhz.m_role = 1;
    inKhz.OnEngineStatus(alpha, &hf, Status(5, 2).data(), 2);
    EXPECT_EQ(inKhz.m_record.text(dal::kName1), "30000.000");
}

TEST_F(AudioLogClientTest, ARecorderWithoutAFileGetsOneInTheDocumentsFolder) {
    {
        CAudioLogClient log(kSection, "Rx1");
        CString expected = "RX1_AUDIO.SWQ";
        app.MakeDocPath(expected);
        EXPECT_EQ(app.GetProfileStringA(kSection, "RecordingFile", ""), expected);
        EXPECT_EQ(app.GetProfileIntA(kSection, "Mode", 0), 1);
    }
    app.WriteProfileStringA(kSection, "RecordingFile", "mine.swq");
    app.WriteProfileInt(kSection, "Mode", 0);
    CAudioLogClient log(kSection, "Rx1");
    EXPECT_EQ(app.GetProfileStringA(kSection, "RecordingFile", ""), "mine.swq");
    EXPECT_EQ(app.GetProfileIntA(kSection, "Mode", 9), 0);

    ASSERT_TRUE(hb::win::ini::Seed(app.GetSettingsFile().str(), "[Vela*Quin]\nMinAirTime=250\n"));
    EXPECT_EQ(CAudioLogClient("Rx3_AudioRecorder", "Rx3").m_minAirTime, 250u);
}

TEST_F(AudioLogClientTest, TheSegmentControlDefaultComesFromTheRadio) {
    auto log = Recorder(alpha);
    const std::uint32_t caps = alpha->m_radio->caps1();
    EXPECT_EQ(log->m_segmentControl, (caps & 0x100) ? 4 : (caps & 0x80) ? 2 : 0);
    app.WriteProfileInt(kSection, "SegmentControl", 3);
    log->SetupRecordSettings();
    EXPECT_EQ(log->m_segmentControl, 3);
    log->ChangeMonitorOutputLine(0x01000002);
    EXPECT_EQ(alpha->m_audio_monitor, 0x01000002);
}

TEST_F(AudioLogClientTest, TheDeviceFeedRecordsWhileTheSquelchIsOpen) {
    auto log = Recorder(alpha);
    DeviceStatus status;
    status.set(DeviceStatus::kSquelchOpen, 1);
    status.set(DeviceStatus::kCurrentFrequency, 162'550'000);
    status.set(DeviceStatus::kCurrentObject, 3);
    status.set(DeviceStatus::kSignalLevel, 20);
    const dal names = Heard(0, "Weather");
    log->OnDeviceStatus(alpha, &names, status.data(), 2);
    EXPECT_EQ(log->m_record.get(dal::kFrequency), 162'550'000u);
    EXPECT_EQ(log->m_record.text(dal::kName1), "Weather");
    // A new level and a new ID on the frequency rewrite the segment.
    status.set(DeviceStatus::kSignalLevel, 30);
    log->OnDeviceStatus(alpha, &names, status.data(), 2);
    hb::records::UserId id;
    id.set(hb::records::UserId::kValue, 5);
    status.set(DeviceStatus::kCurrentId, id);
    log->OnDeviceStatus(alpha, &names, status.data(), 2);
    status.set(DeviceStatus::kSquelchOpen, 0);
    log->OnDeviceStatus(alpha, &names, status.data(), 2);
    EXPECT_EQ(Requests(log.get()), (std::vector<std::string>{"1", "2", "4", "4", "1"}));
    const auto segments = ReadRecordingFile(path);
    ASSERT_EQ(segments.size(), 1u);
    const dal written = segments[0].header.get(wlseg::kDal);
    EXPECT_EQ(written.get(dal::kLevel), 30);
    EXPECT_EQ(written.get(dal::kUserId).get(hb::records::UserId::kValue), 5u);

    // A logger that does not record takes nothing in.
    log->SetMode(CAudioLog::kModeOff);
    status.set(DeviceStatus::kSquelchOpen, 1);
    log->OnDeviceStatus(alpha, &names, status.data(), 2);
    EXPECT_EQ(log->GetChannelState(), CAudioLogClient::kIdle);
}

TEST_F(AudioLogClientTest, BlockedInputAndAnotherRoleLeaveTheChannelAlone) {
    auto log = Recorder(alpha);
    const dal fire = Heard(155'010'000, "Fire");
    log->m_blockChannelInput = 1;
    log->OnEngineStatus(alpha, &fire, Status(5).data(), 2);
    EXPECT_TRUE(Requests(log.get()).empty());
    log->m_blockChannelInput = 0;
    log->OnEngineStatus(alpha, &fire, Status(5).data(), 2);
    log->m_role = 2;
    log->OnEngineStatus(alpha, &fire, Status(5).data(), 2);
    EXPECT_EQ(log->GetChannelState(), CAudioLogClient::kIdle);
    log->Reset();
    EXPECT_EQ(log->m_lastFrequency, 0u);
    EXPECT_EQ(log->m_lastKey, 0u);
}

} // namespace
} // namespace hb::app::test
