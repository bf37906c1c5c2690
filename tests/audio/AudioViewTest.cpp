// The "Audio Recorder" tab's view on simulated sound cards: presets, the channel display, level
// controls, the mixer and folder buttons, and a view without a sound card.
#include "audio/AudioView.h"

#include "app/HalbridgeApp.h"
#include "platform/records/UserId.h"
#include "platform/tessary/audio/Mixer.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TempFolder.h"
#include "platform/testkit/TestWindow.h"
#include "platform/win/controls/CommonControls.h"
#include "platform/win/mm/SimAudio.h"
#include "platform/win/sys/Shell.h"
#include "resources/program/ProgramResources.h"
#include "tests/platform/tessary/audio/RecordingFileReader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

namespace sim = hb::win::mm::sim;
using hb::tessary::test::ChannelRecord;

constexpr const char* kSection = "Rx1_AudioRecorder";

class AudioViewTest : public hb::testkit::PlatformTest {
protected:
    AudioViewTest() {
        UseProgramResources(ProgramResourceTables());
        CMixer::ResetForTests();
        frame.Create({.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      .rect = {0, 0, 1100, 400},
                      .text = "Receiver"});
    }
    void TearDown() override {
        if (view && view->GetSafeHwnd()) {
            view->DestroyWindow();
        }
        view = nullptr;
        PlatformTest::TearDown();
    }

    void DeclareCard() {
        sim::AddCard({"Radio", {"Receiver"}, {"Speaker"}});
        sim::SetSource(0, {1000, 0.5});
    }
    void Open() {
        view = new CAudioView(kSection, "Rx1", CAudioView::kRecorderForm);
        ASSERT_TRUE(
            view->Create(CWnd::FromHandle(frame.hwnd()), 1, WS_CHILD | WS_VISIBLE, nullptr));
        view->OnInitialUpdate();
    }
    CString Message() const {
        CString text;
        view->GetDlgItemText(26017, text);
        return text;
    }
    std::vector<std::string> Presets() const {
        std::vector<std::string> texts;
        for (int i = 0; i < view->m_presets.GetItemCount(); ++i) {
            texts.push_back(view->m_presets.GetItemText(i).GetString());
        }
        return texts;
    }
    int Stored(const char* entry, int fallback = -99) {
        return app.GetProfileIntA(kSection, entry, fallback);
    }

    CHalbridgeApp app;
    hb::testkit::TestWindow frame;
    hb::testkit::TempFolder folder;
    // Deleted with its window, as a view is.
    CAudioView* view = nullptr;
};

TEST_F(AudioViewTest, PresetsLoadSortedAndAreAddedRemovedAndStepped) {
    Open();
    std::vector<std::string> defaults = Presets();
    ASSERT_EQ(defaults.size(), 14u) << "with nothing stored";
    EXPECT_EQ(defaults.front(), "2632 Hz");
    EXPECT_EQ(defaults.back(), "3750 Hz");

    // The spin up from the first wraps to the last; down from the last to the first.
    view->m_presets.SetItemIndex(0);
    view->StepPreset(1);
    EXPECT_EQ(view->m_presets.GetItemIndex(), 13);
    EXPECT_DOUBLE_EQ(view->m_invertFrequency, 3750);
    EXPECT_DOUBLE_EQ(view->m_invertKnob.GetPosition(), 3750);
    EXPECT_EQ(Stored("InvertFreq"), 3750);
    view->StepPreset(-1);
    EXPECT_EQ(view->m_presets.GetItemIndex(), 0);

    // A knob between two values takes the nearest whole one.
    view->m_invertKnob.SetPosition(3106.5);
    view->OnInvertKnob();
    EXPECT_EQ(view->m_presets.GetItemIndex(), 5);
    EXPECT_EQ(Presets()[5], "3107 Hz");

    app.WriteProfileInt(kSection, "InvertPresetCount", 3);
    app.WriteProfileInt(kSection, "InvertPreset0", 3500);
    app.WriteProfileInt(kSection, "InvertPreset1", 2700);
    app.WriteProfileInt(kSection, "InvertPreset2", 3100);
    view->LoadInvertPresets();
    EXPECT_EQ(Presets(), (std::vector<std::string>{"2700 Hz", "3100 Hz", "3500 Hz"}));

    // The add and remove buttons are the toolkit's, and a click on one reaches the view.
    for (const auto& [button, id] :
         {std::pair{&view->m_plainButtons[0], 28697}, std::pair{&view->m_plainButtons[1], 28698},
          std::pair{&view->m_plainButtons[2], 30068}}) {
        ASSERT_NE(button->GetSafeHwnd(), HWND{}) << id;
        EXPECT_EQ(button->GetSafeHwnd(), view->GetDlgItem(id)->GetSafeHwnd()) << id;
    }
    view->m_invertKnob.SetPosition(2900);
    view->m_plainButtons[0].SendMessage(BM_CLICK);
    EXPECT_EQ(Presets(), (std::vector<std::string>{"2700 Hz", "2900 Hz", "3100 Hz", "3500 Hz"}));
    EXPECT_EQ(Stored("InvertPresetCount"), 4);
    view->m_presets.SetItemIndex(0);
    view->OnRemovePreset();
    EXPECT_EQ(Presets(), (std::vector<std::string>{"2900 Hz", "3100 Hz", "3500 Hz"}));
    EXPECT_EQ(Stored("InvertPresetCount"), 3);

    // Counts from the settings are kept within reason.
    app.WriteProfileInt(kSection, "InvertPresetCount", -3);
    view->LoadInvertPresets();
    EXPECT_EQ(Presets().size(), 14u);
    app.WriteProfileInt(kSection, "InvertPresetCount", 100000);
    view->LoadInvertPresets();
    EXPECT_EQ(Presets().size(), 256u);

    view->m_presets.RemoveAllItems();
    NMUPDOWN change{};
    change.hdr.idFrom = 28699;
    change.hdr.code = UDN_DELTAPOS;
    change.iDelta = 1;
    view->SendMessage(WM_NOTIFY, 28699, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(view->m_presets.GetItemIndex(), -1) << "an empty box does nothing";
}

TEST_F(AudioViewTest, TheChannelDisplayShowsFrequencyIdAndNames) {
    Open();
    dal record = ChannelRecord("Ch", 14'230'000);
    view->m_hfInMHz = false;
    view->UpdateInfo(&record, nullptr);
    EXPECT_DOUBLE_EQ(view->m_frequency.GetValue(), 14230.0);
    EXPECT_EQ(view->m_frequency.GetPrecision(), 3);
    view->m_hfInMHz = true;
    view->UpdateInfo(&record, nullptr);
    EXPECT_DOUBLE_EQ(view->m_frequency.GetValue(), 14.23);
    EXPECT_EQ(view->m_frequency.GetPrecision(), 6);
    record = ChannelRecord("Ch", 145'000'000);
    view->UpdateInfo(&record, nullptr);
    EXPECT_EQ(view->m_frequency.GetPrecision(), 4);
    EXPECT_EQ(view->m_names[0].GetCaption(), "Ch");

    const int kinds[] = {4, 5, 6, 3, 1, 11};
    for (int lamp = 0; lamp < 6; ++lamp) {
        hb::records::UserId user;
        user.set(hb::records::UserId::kValue, 1318);
        user.set(hb::records::UserId::kKind, static_cast<std::uint8_t>(kinds[lamp]));
        record.set(dal::kUserId, user);
        view->UpdateInfo(&record, nullptr);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(view->m_idKindLamps[i].GetActive() != 0, i == lamp) << lamp << " " << i;
        }
    }
    hb::records::UserId plain;
    plain.set(hb::records::UserId::kKind, 7);
    record.set(dal::kUserId, plain);
    view->UpdateInfo(&record, nullptr);
    for (const CiLedRectangleX& lamp : view->m_idKindLamps) {
        EXPECT_FALSE(lamp.GetActive());
    }

    // Every name, the radio's name and the ID's text reach their labels.
    record.setText(dal::kName2, "Second");
    record.setText(dal::kName3, "Third");
    record.setText(dal::kRadioName, "Receiver");
    hb::records::UserId pl;
    pl.set(hb::records::UserId::kValue, 1318);
    pl.set(hb::records::UserId::kKind, 4);
    record.set(dal::kUserId, pl);
    view->UpdateInfo(&record, nullptr);
    EXPECT_EQ(view->m_names[1].GetCaption(), "Second");
    EXPECT_EQ(view->m_names[2].GetCaption(), "Third");
    EXPECT_EQ(view->m_radioName.GetCaption(), "Receiver");
    EXPECT_EQ(view->m_idText.GetCaption(), "131.8");
    ASSERT_TRUE(view->m_idKindLamps[0].GetActive());

    view->UpdateInfo(nullptr, nullptr);
    EXPECT_EQ(view->m_frequencyText.GetCaption(), "0.0");
    for (const CiLabelX& name : view->m_names) {
        EXPECT_EQ(name.GetCaption(), "");
    }
    EXPECT_EQ(view->m_idText.GetCaption(), "");
    for (const CiLedRectangleX& lamp : view->m_idKindLamps) {
        EXPECT_FALSE(lamp.GetActive());
    }
    EXPECT_FALSE(view->m_kindLamp.GetActive());
    EXPECT_FALSE(view->m_indicator.GetActive());
}

TEST_F(AudioViewTest, LevelControlsReachTheLoggerAndTheSettings) {
    Open();
    view->m_levelKnob.SetPosition(20000);
    view->m_manualLevelSwitch.SetPosition(1);
    view->OnManualLevelSwitch();
    EXPECT_TRUE(view->m_manualGain);
    EXPECT_EQ(view->m_manualLevel, 20000);
    EXPECT_EQ(Stored("ManualInLevelControl"), 1);
    view->m_manualLevelSwitch.SetPosition(0);
    view->OnManualLevelSwitch();
    EXPECT_FALSE(view->m_manualGain);
    EXPECT_EQ(view->m_manualLevel, 0);
    EXPECT_EQ(Stored("ManualInLevelControl"), 0);

    view->m_recordLevelSwitch.SetPosition(1);
    view->OnRecordLevelSwitch();
    EXPECT_TRUE(view->m_recordAutoLevel);
    EXPECT_EQ(Stored("RecordAutoLevelControl"), 1);
    view->m_playbackLevelSwitch.SetPosition(1);
    view->OnPlaybackLevelSwitch();
    EXPECT_TRUE(view->m_playbackAutoLevel);
    EXPECT_EQ(Stored("PlaybackAutoLevelControl"), 1);

    // While manual control is off, the knob follows the automatic level.
    view->m_autoLevel = 45000;
    AdvanceAndPump(CAudioView::kTimerMs);
    EXPECT_DOUBLE_EQ(view->m_levelKnob.GetPosition(), 45000);

    // The volume knob is left alone while it is dragged.
    view->OnVolumeDown(1, 0, 0, 0);
    view->UpdateIndicators(9, 20);
    EXPECT_DOUBLE_EQ(view->m_volumeKnob.GetPosition(), 100);
    view->OnVolumeUp(1, 0, 0, 0);
    view->UpdateIndicators(9, 20);
    EXPECT_DOUBLE_EQ(view->m_volumeKnob.GetPosition(), 20);
}

TEST_F(AudioViewTest, MixerAndFolderButtonsGoThroughTheLauncher) {
    hb::win::UseRecordingLauncher();
    app.WriteProfileStringA(kSection, "RecordingFile", folder.File("RX1.SWQ").c_str());
    Open();
    view->SetRole(1);
    view->SendMessage(WM_COMMAND, 26047, 0);
    view->SendMessage(WM_COMMAND, 26048, 0);
    view->SendMessage(WM_COMMAND, 26051, 0);
    const auto& log = hb::win::LaunchLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].command, "SNDVOL.EXE");
    EXPECT_EQ(log[1].command, "SNDVOL.EXE /RECORD");
    EXPECT_EQ(log[2].verb, "explore");
    EXPECT_EQ(log[2].file, folder.Path() + "/");
}

TEST_F(AudioViewTest, WithoutASoundCardTheViewSaysSoAndStaysUsable) {
    Open();
    EXPECT_EQ(Message(), "No sound card was detected.\r\nAudio logging is disabled.");
    view->UpdatePosition();
    EXPECT_DOUBLE_EQ(view->m_elapsedClock.GetTime(), 0) << "no file, no division";
    AdvanceAndPump(500);
    view->OnMuteButton();
    EXPECT_TRUE(view->m_muteButton.GetChecked());
    EXPECT_TRUE(view->m_muted);
    view->OnMuteButton();
    EXPECT_FALSE(view->m_muted);
}

TEST_F(AudioViewTest, OnASimulatedCardItRecordsAndCountsTheElapsedTime) {
    DeclareCard();
    app.WriteProfileStringA(kSection, "RecordingFile", folder.File("RX1.SWQ").c_str());
    Open();
    view->SetInputLine(CMixer::LineOf(0, 0));
    view->SetMonitorLine(-4);
    ASSERT_TRUE(view->CAudioLog::Create(CWnd::FromHandle(frame.hwnd()), 0));
    view->SetRole(1);
    view->SetMode(CAudioLog::kModeRecord);
    const dal record = ChannelRecord("Ch", 155'010'000);
    view->ProcessRequest(2, &record, 0);
    for (int i = 0; i < 20; ++i) {
        AdvanceAndPump(CAudioView::kTimerMs);
    }
    view->ProcessRequest(1, nullptr, 0);
    EXPECT_EQ(view->m_file.m_recordCount, 1u);
    EXPECT_GT(view->m_elapsedClock.GetTime(), 0);
    EXPECT_LT(view->m_elapsedClock.GetTime() * 86400, 3.0) << "about two seconds of audio";
}

} // namespace
