// The Volume pane's view on simulated sound cards: which cards get rows, how the rows follow the
// mixers and the loggers, and that every mixer is closed again.
#include "audio/MixerView.h"

#include "app/HalbridgeApp.h"
#include "app/rig/Rig.h"
#include "platform/records/MixerLines.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/audio/Mixer.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/win/mm/Devices.h"
#include "platform/win/mm/SimAudio.h"
#include "resources/program/ProgramResources.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

namespace mm = hb::win::mm;
namespace sim = hb::win::mm::sim;

class MixerViewTest : public hb::testkit::PlatformTest {
protected:
    MixerViewTest() {
        UseProgramResources(ProgramResourceTables());
        CMixer::ResetForTests();
        frame.Create(
            {.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .rect = {0, 0, 400, 900}, .text = "Main"});
    }
    void TearDown() override {
        if (view && view->GetSafeHwnd()) {
            Close();
        }
        delete view;
        loggers.clear();
        CMixer::ResetForTests();
        PlatformTest::TearDown();
    }

    // Cards with one capture device each; `playback` wave-out devices on the first.
    void Cards(int count, int playback = 1) {
        for (int i = 0; i < count; ++i) {
            sim::Card card{"Card " + std::to_string(i + 1), {"Card " + std::to_string(i + 1)}, {}};
            if (i == 0) {
                for (int p = 0; p < playback; ++p) {
                    card.playback.push_back("Speakers " + std::to_string(p + 1));
                }
            }
            sim::AddCard(card);
        }
    }
    void Loggers(int count) {
        for (int i = 0; i < count; ++i) {
            const std::string name = "Rx" + std::to_string(i + 1);
            loggers.push_back(
                std::make_unique<CAudioLog>((name + "_AudioRecorder").c_str(), name.c_str()));
        }
    }
    void Open() {
        CMixer::BuildAudioDeviceList(0);
        ASSERT_TRUE(view->Create(nullptr, "Volume", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 800),
                                 CWnd::FromHandle(frame.hwnd()), 29592));
        view->OnInitialUpdate();
        PumpUntilIdle();
    }
    // The view goes with its window.
    void Close() {
        view->DestroyWindow();
        view = nullptr;
    }
    void Tick() { AdvanceAndPump(CMixerView::kTimerMs); }
    bool Shown(UINT id) const {
        CWnd* control = view->GetDlgItem(id);
        return control && control->IsWindowVisible();
    }
    CString Text(UINT id) const {
        CString text;
        view->GetDlgItemText(id, text);
        return text;
    }

    CHalbridgeApp app;
    hb::testkit::TestWindow frame;
    std::vector<std::unique_ptr<CAudioLog>> loggers;
    // The view deletes itself with its window, as a view does.
    CMixerView* view = new CMixerView;
};

TEST_F(MixerViewTest, WhichCardsGetARow) {
    // One wave-out device: every card in the list.
    Cards(3, 1);
    sim::SetMixer(1, {.speaker = false});
    sim::FailMixerOpen(2);
    Open();
    EXPECT_EQ(view->m_cardRows, 1) << "no speaker line, and a failed open, give no row";
    EXPECT_EQ(Text(29600), "Card 1");
    EXPECT_EQ(Text(29700), "Sound Card Speaker Volume Control");
    EXPECT_TRUE(Shown(29720));
    EXPECT_TRUE(Shown(29660));
    EXPECT_FALSE(Shown(29620)) << "the knob belongs to logger rows";
    EXPECT_FALSE(Shown(29601));
    EXPECT_EQ(mm::OpenMixerCount(), 1u) << "the card without a speaker line is closed again";
    Close();
    EXPECT_EQ(mm::OpenMixerCount(), 0u);
}

TEST_F(MixerViewTest, WithTwoOutputsOnlyMarkedOrRoutedCardsGetARow) {
    Cards(3, 2);
    Open();
    EXPECT_EQ(view->m_cardRows, 0);
    Close();

    view = new CMixerView;
    CMixer::BuildAudioDeviceList(0);
    CMixer::m_mix_list[2].inUse = TRUE;
    ASSERT_TRUE(view->Create(nullptr, "Volume", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 800),
                             CWnd::FromHandle(frame.hwnd()), 29592));
    view->OnInitialUpdate();
    EXPECT_EQ(view->m_cardRows, 1);
    EXPECT_EQ(Text(29600), "Card 3");
}

TEST_F(MixerViewTest, WithTwoOutputsACardARigPlaysOrMonitorsOnGetsARow) {
    Cards(3, 2);
    // The card is the line's top byte.
    auto* rig = new CRig("Receiver", 1, nullptr);
    rig->m_audio_output = CMixer::LineOf(1, 0);
    rig->m_audio_monitor = hb::records::kMixerLineDefaultMonitor;
    Open();
    EXPECT_EQ(view->m_cardRows, 1);
    EXPECT_EQ(Text(29600), "Card 2");
    Close();

    rig->m_audio_output = hb::records::kMixerLineNone;
    rig->m_audio_monitor = CMixer::LineOf(2, 0);
    view = new CMixerView;
    Open();
    EXPECT_EQ(view->m_cardRows, 1);
    EXPECT_EQ(Text(29600), "Card 3");
    Close();
    CRig::DeleteAll();
}

TEST_F(MixerViewTest, RowsStopAtTen) {
    Cards(11, 1);
    Open();
    EXPECT_EQ(view->m_cardRows, 10);
    EXPECT_EQ(mm::OpenMixerCount(), 10u);

    // A rebuild closes what the last one opened.
    app.m_mixerRebuild = TRUE;
    Tick();
    EXPECT_FALSE(app.m_mixerRebuild);
    EXPECT_EQ(mm::OpenMixerCount(), 10u);
}

TEST_F(MixerViewTest, TwoCardsAndElevenLoggersGiveEightLoggerRows) {
    Cards(2, 1);
    Loggers(11);
    Open();
    Tick();
    EXPECT_EQ(view->m_cardRows, 2);
    EXPECT_EQ(view->m_rowsLaidOut, 10);
    EXPECT_TRUE(Shown(29609));
    EXPECT_TRUE(Shown(29629)) << "the last row's knob";
    EXPECT_TRUE(Shown(29947)) << "the last row's output";
    EXPECT_EQ(Text(29602), "Rx1");
    EXPECT_EQ(Text(29702), "Local RX Rx1");
    EXPECT_EQ(Text(29609), "Rx8");
    const CSize size = view->GetContentSize();
    CRect last;
    view->GetDlgItem(29609)->GetWindowRect(&last);
    CRect whole;
    view->GetWindowRect(&whole);
    EXPECT_EQ(size.cy, last.bottom - whole.top + 4) << "the content reaches the last row";
}

TEST_F(MixerViewTest, CaptionsOfRemoteAndManagerLoggers) {
    Cards(1, 1);
    Loggers(1);
    loggers[0]->m_role = 2;
    loggers.push_back(std::make_unique<CAudioLog>("Manager", "Audio Manager"));
    Open();
    Tick();
    EXPECT_EQ(Text(29701), "Remote RX Rx1");
    EXPECT_EQ(Text(29702), "Audio Manager");
}

TEST_F(MixerViewTest, AnOutsideChangeMovesTheSliderAndSendsNothingBack) {
    Cards(1, 1);
    sim::SetMixer(0, {.minimum = 0, .maximum = 1000});
    Open();
    EXPECT_DOUBLE_EQ(view->m_speakerSliders[0].GetPositionMax(), 1000);
    EXPECT_DOUBLE_EQ(view->m_speakerSliders[0].GetPosition(), 1000);
    sim::ChangeControl(0, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_VOLUME,
                       300);
    sim::ChangeControl(0, MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, MIXERCONTROL_CONTROLTYPE_VOLUME,
                       200);
    PumpUntilIdle();
    EXPECT_DOUBLE_EQ(view->m_speakerSliders[0].GetPosition(), 300);
    EXPECT_DOUBLE_EQ(view->m_waveSliders[0].GetPosition(), 200);
    EXPECT_EQ(
        sim::ControlValue(0, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_VOLUME),
        300u);

    sim::ChangeControl(0, MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, MIXERCONTROL_CONTROLTYPE_MUTE, 1);
    PumpUntilIdle();
    EXPECT_TRUE(view->m_muteButtons[0].GetChecked()) << "either mute checks the button";

    // The slider the user moves writes its whole value.
    view->m_speakerSliders[0].SetPosition(640.6);
    view->SetSpeakerVolume(0);
    EXPECT_EQ(
        sim::ControlValue(0, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_VOLUME),
        641u);

    // Unmuting clears both mutes.
    sim::ChangeControl(0, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_MUTE, 1);
    PumpUntilIdle();
    view->OnMuteButton(0);
    EXPECT_FALSE(view->m_muteButtons[0].GetChecked());
    EXPECT_EQ(
        sim::ControlValue(0, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_MUTE),
        0u);
    EXPECT_EQ(
        sim::ControlValue(0, MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, MIXERCONTROL_CONTROLTYPE_MUTE),
        0u);
    view->OnMuteButton(0);
    EXPECT_EQ(
        sim::ControlValue(0, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_MUTE),
        1u);
}

TEST_F(MixerViewTest, AReleasedKnobWaitsFiveTicksThenFollowsTheVolume) {
    Cards(1, 1);
    Loggers(1);
    loggers[0]->m_volume = 0.29;
    Open();
    Tick();
    EXPECT_DOUBLE_EQ(view->m_knobs[1].GetPosition(), 29) << "rounded, so it never creeps";
    EXPECT_DOUBLE_EQ(loggers[0]->m_volume, 0.29) << "showing it sets nothing";

    view->OnKnobDown(1);
    view->m_knobs[1].SetPosition(70);
    view->OnKnobTurned(1);
    EXPECT_DOUBLE_EQ(loggers[0]->m_volume, 0.7);
    view->OnKnobUp(1);
    loggers[0]->m_volume = 0.4;
    for (int i = 0; i < 4; ++i) {
        Tick();
        EXPECT_DOUBLE_EQ(view->m_knobs[1].GetPosition(), 70) << "tick " << i;
    }
    Tick();
    EXPECT_DOUBLE_EQ(view->m_knobs[1].GetPosition(), 40);
}

TEST_F(MixerViewTest, LoggerRowsMuteAndClicksOnAGoneLoggerDoNothing) {
    Cards(1, 1);
    Loggers(2);
    Open();
    Tick();
    view->OnMuteButton(2);
    EXPECT_TRUE(loggers[1]->m_muted);
    EXPECT_TRUE(view->m_muteButtons[2].GetChecked());
    loggers[1]->m_muted = FALSE;
    Tick();
    EXPECT_FALSE(view->m_muteButtons[2].GetChecked()) << "the button follows the logger";

    loggers.pop_back();
    view->OnMuteButton(2);
    view->ShowLogger(2);
    view->m_knobs[2].SetPosition(10);
    view->OnKnobTurned(2);
    view->OnOutputChange(2);
    EXPECT_FALSE(app.m_mixerRebuild);
    Tick();
    EXPECT_FALSE(Shown(29602)) << "the row goes at the next tick";
}

TEST_F(MixerViewTest, AnOutputChangeRebuildsAtTheNextTick) {
    Cards(1, 2);
    CMixer::BuildAudioDeviceList(0);
    Loggers(1);
    loggers[0]->m_monitorLine = CMixer::LineOf(0, 1);
    CMixer::m_mix_list[0].inUse = TRUE;
    ASSERT_TRUE(view->Create(nullptr, "Volume", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 800),
                             CWnd::FromHandle(frame.hwnd()), 29592));
    view->OnInitialUpdate();
    Tick();
    CComboBox& output = view->m_outputs[1];
    ASSERT_EQ(output.GetCount(), 3);
    EXPECT_EQ(output.GetCurSel(), 2) << "the logger's monitor output is chosen";
    output.SetCurSel(1);
    view->OnOutputChange(1);
    EXPECT_EQ(loggers[0]->m_monitorLine, CMixer::LineOf(0, 0));
    EXPECT_TRUE(app.m_mixerRebuild);
    Tick();
    EXPECT_FALSE(app.m_mixerRebuild);
    EXPECT_EQ(mm::OpenMixerCount(), 1u);
    Tick();
    EXPECT_TRUE(Shown(29601)) << "the logger row is back";
}

} // namespace
