// The receiver's window scanning on the simulated engine with a simulated sound card on its input
// line: the logger of its "Audio Recorder" tab records what the engine stops on by itself.
#include "audio/AudioLogClient.h"
#include "platform/win/mm/SimAudio.h"
#include "tests/app/radiowindow/EngineNotificationsTest.h"
#include "tests/platform/tessary/audio/RecordingFileReader.h"

#include <algorithm>
#include <set>

namespace hb::app::test {
namespace {

namespace sim = hb::win::mm::sim;
using hb::tessary::test::ReadRecordingFile;

class RadioWindowRecordingTest : public EngineNotificationsTest {
protected:
    // The receiver's window scanning a list of its two dispatch channels only, both busy now and
    // then, with the card's capture device as its input line.
    void OpenScanning() {
        sim::AddCard({"Radio", {"Receiver"}, {"Speaker"}});
        sim::SetSource(0, {1000, 0.5});
        Radios(std::string(kReceiverOnly) + "Busy=155010000,155475000\nAudioInput=0\n",
               {{"Receiver", 42}});
        auto group = std::make_unique<Group>();
        group->setName("Police");
        group->setRadioType(42);
        Bank& bank = group->addBank(std::make_unique<Bank>());
        bank.number = 1;
        bank.setName("Dispatch");
        bank.addMember(Channel(kDispatch, "Dispatch 1"));
        bank.addMember(Channel(kCarToCar, "Car to car"));
        group->clearChanged();
        ASSERT_TRUE(File(Doc("Receiver.swg"), group.get()).save());
        CRig::FindByName("Receiver")->m_view_type = 0;
        frame = OpenWindow();
        ASSERT_NE(frame, nullptr);
        rig = frame->m_rig;
        log = dynamic_cast<CAudioLogClient*>(rig->GetAudioLog());
        ASSERT_NE(log, nullptr);
        ASSERT_TRUE(log->m_file.IsOpen());
        ASSERT_EQ(log->GetMode(), CAudioLog::kModeRecord) << "a new recorder records";
    }
    void Run(int seconds) {
        for (int tick = 0; tick < seconds * 10; ++tick) {
            AdvanceAndPump(100);
        }
    }

    CAudioLogClient* log = nullptr;
};

TEST_F(RadioWindowRecordingTest, ScanningRecordsASegmentForEachTransmissionHeard) {
    OpenScanning();
    Run(60);
    const std::string path = log->m_file.m_name;
    frame->SendMessage(WM_CLOSE);
    PumpUntilIdle();
    EXPECT_EQ(rig->GetAudioLog(), nullptr) << "the closed window takes its logger along";

    const auto segments = ReadRecordingFile(path);
    ASSERT_GE(segments.size(), 2u);
    std::set<std::uint32_t> heard;
    for (std::size_t n = 0; n < segments.size(); ++n) {
        SCOPED_TRACE(n);
        const wlseg& header = segments[n].header;
        EXPECT_EQ(header.get(wlseg::kOwnOffset), segments[n].offset);
        EXPECT_EQ(header.get(wlseg::kSegmentNumber), n + 1);
        // A transmission lasts one and a half seconds or more: 8,000 two-byte samples a second.
        EXPECT_GE(header.get(wlseg::kPayloadLength), 16'000u);
        const dal record = header.get(wlseg::kDal);
        heard.insert(record.get(dal::kFrequency));
        EXPECT_FALSE(record.text(dal::kName1).empty());
    }
    EXPECT_EQ(heard, (std::set<std::uint32_t>{kDispatch, kCarToCar}));
}

} // namespace
} // namespace hb::app::test
