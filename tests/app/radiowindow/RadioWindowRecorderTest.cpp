// The receiver window's "Audio Recorder" tab on a simulated sound card: what the engine stops on
// is recorded and monitored, and the mode switch moved to play plays the recording back.
#include "audio/AudioView.h"
#include "platform/afx/EventSinkMap.h"
#include "platform/win/mm/SimAudio.h"
#include "tests/app/radiowindow/EngineNotificationsTest.h"
#include "tests/platform/tessary/audio/RecordingFileReader.h"

#include <algorithm>
#include <vector>

namespace hb::app::test {
namespace {

namespace sim = hb::win::mm::sim;
using hb::tessary::test::ReadRecordingFile;

class RadioWindowRecorderTest : public EngineNotificationsTest {
protected:
    void OpenOnACard() {
        sim::AddCard({"Radio", {"Receiver"}, {"Speaker"}});
        sim::SetSource(0, {1000, 0.5});
        Open("Busy=\nAudioInput=0\n");
        recorder = dynamic_cast<CAudioView*>(rig->GetAudioLog());
        ASSERT_NE(recorder, nullptr);
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            AdvanceAndPump(CAudioView::kTimerMs);
        }
    }
    // The mode switch moved to `position` by the user.
    void MoveModeSwitch(long position) {
        recorder->m_modeSwitch.SetPosition(position);
        std::vector<hb::afx::EventArg> none;
        hb::afx::FireEvent(recorder->m_modeSwitch.m_hWnd, 4, none);
    }

    CAudioView* recorder = nullptr;
};

TEST_F(RadioWindowRecorderTest, TheTabRecordsAndMonitorsACallAndPlaysItBack) {
    OpenOnACard();
    ASSERT_EQ(recorder->m_modeSwitch.GetPosition(), CAudioLog::kModeRecord);
    const std::size_t monitoredBefore = sim::Played(0).size();

    StandOn(&At(kCarToCar), 5);
    Refresh();
    EXPECT_EQ(recorder->m_state, CAudioLog::kStateSegment);
    Ticks(20);
    EXPECT_EQ(recorder->m_stateLamp.GetCaption(), "REC");
    StandOn(nullptr, 4);
    Refresh();
    EXPECT_EQ(recorder->m_state, CAudioLog::kStateActive);
    EXPECT_GT(sim::Played(0).size(), monitoredBefore + 8000) << "the call is monitored";

    const std::string path = recorder->m_file.m_name;
    const auto segments = ReadRecordingFile(path);
    ASSERT_EQ(segments.size(), 1u);
    const std::uint32_t payload = segments[0].header.get(wlseg::kPayloadLength);
    EXPECT_GE(payload, 16'000u) << "a second or more at 8,000 two-byte samples a second";
    EXPECT_EQ(segments[0].header.get(wlseg::kDal).text(dal::kName1), "Car to car");

    const std::size_t playedBefore = sim::Played(0).size();
    MoveModeSwitch(CAudioLog::kModePlay);
    EXPECT_EQ(recorder->GetMode(), CAudioLog::kModePlay);
    Ticks(40);
    const std::vector<std::uint8_t>& played = sim::Played(0);
    ASSERT_GE(played.size(), playedBefore + payload);
    const std::string bytes = hb::testkit::ReadFileBytes(path);
    const auto audio = bytes.begin() + segments[0].offset + wlseg::kSize;
    EXPECT_TRUE(
        std::equal(audio, audio + payload, played.begin() + playedBefore,
                   [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }))
        << "the recorded payload is what plays";
}

} // namespace
} // namespace hb::app::test
