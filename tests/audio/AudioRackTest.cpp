#include "audio/AudioRack.h"

#include "audio/AudioRackRules.h"
#include "platform/afx/CClientDC.h"
#include "platform/instruments/Dispids.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/Mixer.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TempFolder.h"
#include "platform/testkit/TestWindow.h"
#include "platform/win/mm/SimAudio.h"
#include "resources/program/ProgramResources.h"
#include "tests/platform/tessary/audio/RecordingFileReader.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <type_traits>
#include <variant>

namespace {

namespace sim = hb::win::mm::sim;
using hb::tessary::test::ChannelRecord;

constexpr const char* kSection = "Rx1_AudioRecorder";
constexpr UINT kBarStyle = WS_CHILD | WS_VISIBLE;

dal WithId(std::uint8_t kind, std::uint32_t id, std::uint8_t sizeCode = 0) {
    dal record = ChannelRecord("Ch", 155'010'000);
    hb::records::UserId user;
    user.set(hb::records::UserId::kValue, id);
    user.set(hb::records::UserId::kKind, kind);
    user.set(hb::records::UserId::kSizeCode, sizeCode);
    record.set(dal::kUserId, user);
    return record;
}

// A colour or number property read back whatever alternative it is stored in.
long Number(const hb::afx::Value& value) {
    return std::visit(
        [](const auto& v) -> long {
            if constexpr (std::is_arithmetic_v<std::decay_t<decltype(v)>>) {
                return static_cast<long>(v);
            } else {
                return -1;
            }
        },
        value);
}

TEST(AudioRackRulesTest, TheIdDisplayFollowsTheKindOfTheId) {
    const hb::audio::IdShown dpl = hb::audio::ShowId(WithId(5, 0x1FF));
    EXPECT_DOUBLE_EQ(dpl.value, 777);
    EXPECT_EQ(dpl.decimals, 0);
    EXPECT_EQ(dpl.caption, "DPL");
    const hb::audio::IdShown pl = hb::audio::ShowId(WithId(4, 1318));
    EXPECT_DOUBLE_EQ(pl.value, 131.8);
    EXPECT_EQ(pl.decimals, 1);
    EXPECT_EQ(pl.caption, "PL");
    // Only the number before the hyphen reads.
    EXPECT_DOUBLE_EQ(hb::audio::ShowId(WithId(11, 0x20005)).value, 2);
    // Size codes beyond the table are masked; 15 reads as a plain Type II ID.
    EXPECT_EQ(hb::audio::ShowId(WithId(1, 42, 0x1F)).caption, "Type II");
    EXPECT_DOUBLE_EQ(hb::audio::ShowId(WithId(1, 42, 0x1F)).value, 42);
    EXPECT_EQ(hb::audio::ShowId(WithId(1, 42, 0x13)).caption, "Type I");
    EXPECT_EQ(hb::audio::ShowId(WithId(9, 42)).caption, "ID Code");
}

TEST(AudioRackRulesTest, LampClockAndCounters) {
    const hb::audio::LampLook recording = hb::audio::StateLamp(0, true);
    EXPECT_EQ(recording.caption, "REC");
    EXPECT_EQ(recording.lamp, 0x0000FFu);
    EXPECT_EQ(recording.text, 0xFFFFFFu);
    const hb::audio::LampLook monitoring = hb::audio::StateLamp(0, false);
    EXPECT_EQ(monitoring.caption, "MON");
    EXPECT_EQ(monitoring.lamp, 0x00FFFFu);
    EXPECT_FALSE(hb::audio::StateLamp(6, true).known);
    std::tm noon{};
    noon.tm_hour = 12;
    EXPECT_DOUBLE_EQ(hb::audio::ClockFraction(noon), 0.5);
    EXPECT_EQ(hb::audio::CounterValue(-281), 0);
    EXPECT_EQ(hb::audio::CounterValue(1600), 1600);
    EXPECT_STREQ(hb::audio::FileState(2).name, "*** NEW FILE PENDING ***");
}

class AudioRackTest : public hb::testkit::PlatformTest {
protected:
    AudioRackTest() {
        UseProgramResources(ProgramResourceTables());
        frame.Create({.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      .rect = {0, 0, 1000, 300},
                      .text = "Analyzer"});
    }
    ~AudioRackTest() override {
        if (rack.GetSafeHwnd()) {
            rack.DestroyWindow();
        }
    }

    CWnd* Parent() const { return CWnd::FromHandle(frame.hwnd()); }
    CString Message() const {
        CString text;
        rack.GetDlgItemText(26017, text);
        return text;
    }
    void DeclareCard() {
        sim::AddCard({"Radio", {"Receiver"}, {"Speaker"}});
        sim::SetSource(0, {1000, 0.5});
        rack.SetInputLine(CMixer::LineOf(0, 0));
        rack.SetMonitorLine(-4);
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            AdvanceAndPump(100);
        }
    }
    // The bar on the card, recording one segment on each channel in turn, `ticks` ticks each.
    void Record(std::initializer_list<std::uint32_t> channels, int ticks) {
        DeclareCard();
        app.WriteProfileStringA(kSection, "RecordingFile", path.c_str());
        ASSERT_TRUE(rack.Create(Parent(), CAudioRack::kTemplateId, kBarStyle));
        rack.SetRole(1);
        rack.SetMode(CAudioLog::kModeRecord);
        for (const std::uint32_t hz : channels) {
            const dal record = ChannelRecord("Ch", hz);
            rack.ProcessRequest(2, &record, 0);
            Ticks(ticks);
        }
        rack.ProcessRequest(1, nullptr, 0);
    }

    CScanApp app{"Halbridge Pro"};
    hb::testkit::TestWindow frame;
    hb::testkit::TempFolder folder;
    std::string path = folder.File("RX1_AUDIO.SWQ");
    CAudioRack rack{kSection, "Rx1"};
};

TEST_F(AudioRackTest, WithoutASoundCardTheBarSaysSoAndRunsNoTimer) {
    EXPECT_FALSE(rack.Create(Parent(), CAudioRack::kTemplateId, kBarStyle));
    ASSERT_NE(rack.GetSafeHwnd(), HWND{}) << "the bar stays";
    EXPECT_EQ(Message(), "No sound card was detected.\r\nAudio logging is disabled.");
    const std::size_t before = rack.m_lastActivity;
    Ticks(3);
    EXPECT_EQ(rack.m_lastActivity, before);
    EXPECT_EQ(rack.m_position.GetValue(), 0);
}

TEST_F(AudioRackTest, TheLampShowsTheStateAndTheVolumeKnobStopsAt100) {
    DeclareCard();
    app.WriteProfileStringA(kSection, "RecordingFile", path.c_str());
    ASSERT_TRUE(rack.Create(Parent(), CAudioRack::kTemplateId, kBarStyle));
    rack.SetRole(1);
    EXPECT_EQ(rack.m_fileName.GetCaption(), "RX1_AUDIO");
    rack.SetMode(CAudioLog::kModeRecord);
    rack.SetMode(CAudioLog::kModeOff);
    EXPECT_EQ(rack.m_stateLamp.GetCaption(), "MON");
    EXPECT_EQ(rack.m_stateLamp.GetActiveColor(), 0x00FFFFu);
    rack.m_recording = TRUE;
    rack.UpdateStatus();
    EXPECT_EQ(rack.m_stateLamp.GetCaption(), "REC");
    EXPECT_EQ(rack.m_stateLamp.GetCaptionColor(), 0xFFFFFFu);
    rack.m_recording = FALSE;

    rack.m_volumeKnob.SetPosition(150);
    rack.OnVolumeKnob();
    EXPECT_DOUBLE_EQ(rack.m_volume, 1.0);
    rack.m_volumeKnob.SetPosition(40);
    rack.OnVolumeKnob();
    EXPECT_DOUBLE_EQ(rack.m_volume, 0.4);
}

TEST_F(AudioRackTest, ARefusedModePutsTheSwitchBackAndRecordingWithoutALineWarns) {
    sim::AddCard({"Radio", {}, {"Speaker"}});
    ASSERT_TRUE(rack.Create(Parent(), CAudioRack::kTemplateId, kBarStyle));
    ExpectBeeps(2);
    rack.m_modeSwitch.SetPosition(2);
    rack.OnModeSwitch();
    EXPECT_EQ(rack.m_modeSwitch.GetPosition(), 0) << "no file to play";
    ExpectBox("no audio input line has been selected", IDOK, "No Audio Input Line Selected");
    rack.m_modeSwitch.SetPosition(1);
    rack.OnModeSwitch();
    EXPECT_EQ(rack.GetMode(), CAudioLog::kModeRecord);
}

TEST_F(AudioRackTest, ASeekWithChainOnSkipsOffChannelRecordsAndHoldPausesTheOutput) {
    Record({155'010'000u, 460'125'000u, 155'010'000u, 155'010'000u}, 2);
    ASSERT_EQ(rack.m_file.m_recordCount, 4u);
    ASSERT_EQ(rack.SetMode(CAudioLog::kModePlay), 0);
    rack.OnStopButton();
    ASSERT_TRUE(rack.m_file.GotoPlaySegment(1));
    rack.OnClickChain();
    rack.m_positionSlider.SetPosition(75);
    rack.OnPositionSeek();
    // Record 2 is on another channel: the seek passes over it to record 3.
    EXPECT_EQ(rack.m_file.m_currentRecord, 3u);

    rack.OnPlayButton();
    rack.OnPositionHold(1, 0, 0, 0);
    EXPECT_EQ(rack.m_playState, CAudioLog::kPlayHeld);
    EXPECT_TRUE(rack.m_outputPaused);
    rack.OnPositionRelease(1, 0, 0, 0);
    EXPECT_EQ(rack.m_playState, CAudioLog::kPlayPlaying);
    Ticks(1);
    EXPECT_FALSE(rack.m_outputPaused) << "the output goes on at the next tick";
}

TEST_F(AudioRackTest, WhilePlayingTheCountersFollowWhatTheOutputPlays) {
    Record({155'010'000u, 460'125'000u, 155'010'000u}, 1);
    ASSERT_EQ(rack.SetMode(CAudioLog::kModePlay), 0);
    rack.UpdatePosition();
    EXPECT_GT(rack.m_file.m_currentRecord, 1u) << "the file is read ahead of the output";
    EXPECT_EQ(rack.m_index.GetValue(), 1);
    // The output plays 8,000 two-byte samples a second: 400 bytes in 25 ms.
    AdvanceAndPump(50);
    rack.UpdatePosition();
    const long played = rack.m_position.GetValue();
    AdvanceAndPump(25);
    rack.UpdatePosition();
    EXPECT_EQ(rack.m_position.GetValue(), played + 400);
    EXPECT_EQ(rack.m_index.GetValue(), 1);
}

TEST_F(AudioRackTest, TheBarTakesTheSchemesColoursAndTheModeSwitchNamesItsPositionsByRole) {
    hb::tessary::NamedColors& colors = app.Colors();
    colors.control = 0x123456;
    colors.segmentForeground = 0x00AA00;
    colors.segmentBackground = 0x101010;
    colors.panelText = 0x00EEFF;
    colors.staticText = 0x333333;
    DeclareCard();
    ASSERT_TRUE(rack.Create(Parent(), CAudioRack::kTemplateId, kBarStyle));

    namespace ids = hb::instruments;
    EXPECT_EQ(Number(rack.m_modeSwitch.GetProperty(ids::switchSlider::kBackGroundColor)), 0x123456);
    EXPECT_EQ(Number(rack.m_invertModeSwitch.GetProperty(ids::switchSlider::kBackGroundColor)),
              0x123456);
    EXPECT_EQ(rack.m_volumeKnob.GetBackGroundColor(), 0x123456u);
    EXPECT_EQ(rack.m_invertFrequencyKnob.GetBackGroundColor(), 0x123456u);
    EXPECT_EQ(rack.m_label.GetBackGroundColor(), 0x123456u);
    EXPECT_EQ(Number(rack.m_clock.GetProperty(ids::sevenSegmentClock::kSegmentColor)), 0x00AA00);
    EXPECT_EQ(rack.m_frequency.GetSegmentColor(), 0x00AA00u);
    EXPECT_EQ(rack.m_id.GetBackGroundColor(), 0x101010u);
    EXPECT_EQ(rack.m_position.GetSegmentColor(), 0x00AA00u);
    EXPECT_EQ(rack.m_year.GetBackGroundColor(), 0x101010u);
    EXPECT_EQ(rack.m_settingsButton.GetIconSize(), CSize(16, 16));
    EXPECT_NE(rack.m_settingsButton.GetButtonIcon(), HICON{});

    // The message on black in the panel text colour; other statics in the text colour.
    CClientDC dc(&rack);
    const auto ask = [&](HWND control) {
        rack.SendMessage(WM_CTLCOLORSTATIC, static_cast<WPARAM>(dc.m_hDC.id()),
                         hb::win::ParamFromHwnd(control));
        return dc.GetTextColor();
    };
    EXPECT_EQ(ask(rack.GetDlgItem(26017)->m_hWnd), 0x00EEFFu);
    EXPECT_EQ(dc.GetBkColor(), 0u);
    EXPECT_EQ(ask(rack.GetDlgItem(26014)->m_hWnd), 0x333333u);

    rack.UpdateStatus();
    EXPECT_EQ(rack.m_modeSwitch.GetPositionCaption(0), "Off");
    EXPECT_EQ(rack.m_modeSwitch.GetPositionCaption(1), "Rec");
    EXPECT_EQ(rack.m_modeSwitch.GetPositionCaption(2), "Play");
    rack.m_role = 2;
    rack.UpdateStatus();
    EXPECT_EQ(rack.m_modeSwitch.GetPositionCaption(1), "Live");
}

} // namespace
