// The front panel's side of the radio's audio logger: the recorder lamp, the hold switch, the
// volume knob, the recording mark, the replayed channel and the "CL" button.
#include "app/rig/Rig.h"
#include "platform/instruments/Gestures.h"
#include "platform/records/DeviceStatus.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/audio/AudioSegment.h"
#include "platform/tessary/grid/GroupGrid.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/Scheduler.h"
#include "programming/ScanListView.h"
#include "radioview/MiniStatusWnd.h"
#include "tests/radioview/FrontPanelTest.h"

#include <algorithm>
#include <cstring>

namespace hb::app::test {
namespace {

using hb::instruments::MouseAction;
using hb::records::DeviceStatus;

constexpr COLORREF kWhite = 0xFFFFFF;

class AudioDisplayTest : public FrontPanelTest {
protected:
    void SetUp() override {
        StartWith(42);
        panel = OpenPanel();
        ASSERT_NE(panel, nullptr);
        rig = CRig::FindByName(kSection);
        log = rig->GetAudioLog();
        ASSERT_NE(log, nullptr);
    }
    bool Called(const void* object, const std::string& call) const {
        const auto calls = hb::tessary::AudioCallsOf(object);
        return std::ranges::find(calls, call) != calls.end();
    }
    HWND Control(UINT id) const { return ::GetDlgItem(panel->m_hWnd, static_cast<int>(id)); }
    // The channel and the search range of the window's scan list.
    Group& LoadedGroup() const {
        auto* doc = DYNAMIC_DOWNCAST(CRosterDoc, panel->GetDocument());
        Roster* roster = doc->GetRoster();
        return *static_cast<Group*>(roster->entries()[0]->object());
    }

    CRadioView* panel = nullptr;
    CRig* rig = nullptr;
    CAudioLog* log = nullptr;
};

TEST_F(AudioDisplayTest, TheRecorderLampTellsRecordingFromPausedAndMonitorFromMute) {
    CiLedRectangleX& lamp = panel->m_recorderStatus;
    ASSERT_NE(lamp.m_hWnd, nullptr);
    log->m_runState = CAudioLog::kRecording;
    log->m_lastActivity = GetTickCount();
    hb::win::Advance(1000);
    panel->ShowAudioState(log);
    EXPECT_EQ(lamp.GetCaption(), "REC");
    EXPECT_TRUE(lamp.GetActive());
    EXPECT_EQ(lamp.GetCaptionColor(), 255u);
    EXPECT_EQ(lamp.GetActiveColor(), kWhite);
    hb::win::Advance(1000);
    panel->ShowAudioState(log);
    EXPECT_EQ(lamp.GetCaption(), "PAUSE");
    EXPECT_FALSE(lamp.GetActive());

    log->m_runState = 0;
    log->m_recorderMode = 4;
    panel->ShowAudioState(log);
    EXPECT_EQ(lamp.GetCaption(), "MON");
    EXPECT_EQ(lamp.GetCaptionColor(), 0xFFFFu);
    EXPECT_EQ(lamp.GetActiveColor(), 0u);
    panel->m_hold = CRadioView::kOn;
    panel->ShowAudioState(log);
    EXPECT_EQ(lamp.GetCaption(), "MUTE");

    // Modes the table lacks leave the lamp.
    log->m_recorderMode = 6;
    panel->ShowAudioState(log);
    EXPECT_EQ(lamp.GetCaption(), "MUTE");
    log->m_recorderMode = 2;
    panel->ShowAudioState(log);
    EXPECT_EQ(lamp.GetCaption(), "SAD");
    EXPECT_EQ(lamp.GetCaptionColor(), 0xFF0000u);
    panel->m_hold = 0;
}

TEST_F(AudioDisplayTest, TheHoldSwitchAndTheLoggersModeFollowEachOther) {
    log->m_mode = 1;
    ASSERT_TRUE(hb::instruments::UserSetActive(Control(IDC_HOLD_SWITCH), true));
    EXPECT_EQ(panel->m_hold, CRadioView::kOn);
    EXPECT_TRUE(Called(log, "SetMode(2)"));
    EXPECT_TRUE(panel->m_holdLed.GetActive());
    EXPECT_FALSE(panel->m_liveLed.GetActive());
    EXPECT_EQ(panel->m_livePlayLamp.GetCaption(), "PLAY");

    // The logger going live again lets the panel go, and the switch with it.
    log->m_mode = 1;
    panel->OnRecorderState(log);
    EXPECT_EQ(panel->m_hold, 0);
    EXPECT_FALSE(panel->m_holdSwitch.GetActive());
    EXPECT_EQ(panel->m_livePlayLamp.GetCaption(), "LIVE");
    EXPECT_TRUE(panel->m_liveLed.GetActive());

    // Paused by the recorder: the panel holds.
    log->m_mode = 2;
    panel->OnRecorderState(log);
    EXPECT_EQ(panel->m_hold, CRadioView::kOn);
    EXPECT_TRUE(panel->m_holdSwitch.GetActive());

    // Switching hold off sets a paused logger live.
    ASSERT_TRUE(hb::instruments::UserSetActive(Control(IDC_HOLD_SWITCH), false));
    EXPECT_EQ(panel->m_hold, 0);
    EXPECT_TRUE(Called(log, "SetMode(1)"));
}

TEST_F(AudioDisplayTest, TheVolumeKnobSendsAVolumeWithinRangeAndIgnoresReportsWhileHeld) {
    auto& mini = *new CMiniStatusWnd(RadioWindow(), "Receiver");
    ASSERT_NE(mini.panel.m_volumeKnob.m_hWnd, nullptr);
    RadioWindow()->m_miniStatus = &mini;
    CiKnobX& knob = panel->m_volumeKnob;
    knob.SetPositionMin(-10);
    knob.SetPositionMax(200);
    hb::instruments::UserSetPosition(knob.m_hWnd, 150);
    EXPECT_TRUE(Called(log, "Volume(100)"));
    hb::instruments::UserSetPosition(knob.m_hWnd, -5);
    EXPECT_TRUE(Called(log, "Volume(0)"));

    // The logger reports back the volume it took; while the knob is held no report moves it.
    const double held = knob.GetPosition();
    hb::instruments::UserMouse(knob.m_hWnd, MouseAction::Down, 1, 0, 5, 5);
    panel->ShowMeterValue(log, 9, 30);
    EXPECT_EQ(knob.GetPosition(), held);
    EXPECT_EQ(mini.panel.m_volumeKnob.GetPosition(), 30);
    hb::instruments::UserMouse(knob.m_hWnd, MouseAction::Up, 1, 0, 5, 5);
    panel->ShowMeterValue(log, 9, 30);
    EXPECT_EQ(knob.GetPosition(), 30);
    // Other reports are not the volume.
    panel->ShowMeterValue(log, 8, 70);
    EXPECT_EQ(knob.GetPosition(), 30);

    mini.DestroyWindow();
}

TEST_F(AudioDisplayTest, TheMarkButtonMarksTheOpenSegment) {
    const auto mark = [&] {
        panel->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RECORDING_MARK, BN_CLICKED), 0);
    };
    mark();
    EXPECT_FALSE(Called(log, "MarkNow(7, 4, 0)"));

    CAudioSegment segment;
    segment.m_number = 7;
    segment.m_flags = 0x10;
    log->m_openSegment = &segment;
    mark();
    EXPECT_EQ(segment.m_flags, 0x11u);
    EXPECT_EQ(hb::tessary::AudioCallsOf(&segment), std::vector<std::string>{"Update()"});
    EXPECT_TRUE(Called(log, "MarkNow(7, 4, 0)"));
    log->m_openSegment = nullptr;
}

TEST_F(AudioDisplayTest, ACallReplayedOnHoldShowsItsNameAndLevel) {
    dal record;
    record.set(dal::kFrequency, 155'010'000);
    record.set(dal::kLevel, 90);
    // A name filling its field, with the next field's text right behind it.
    const std::string full(50, 'N');
    std::memcpy(record.data() + dal::kName1.kOffset, full.data(), full.size());
    record.setText(dal::kName2, "beyond");

    panel->m_channelLabel.SetCaption("Live");
    panel->ShowPlaybackChannel(log, &record, 1);
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "Live");

    panel->m_hold = CRadioView::kOn;
    panel->ShowPlaybackChannel(log, &record, 0);
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "Live");
    panel->ShowPlaybackChannel(log, &record, 1);
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), full.c_str());
    EXPECT_EQ(panel->m_sMeter.GetPosition(), rig->RadioRequest(90, 1));

    record.set(dal::kFrequency, 0);
    panel->ShowPlaybackChannel(log, &record, 1);
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "");
    EXPECT_EQ(panel->m_sMeter.GetPosition(), 0);
    panel->m_hold = 0;

    panel->SetAuxMeter(log, 42);
    EXPECT_EQ(panel->m_vuBar.GetPosition(), 42);
}

TEST_F(AudioDisplayTest, TheScanListButtonSelectsTheCurrentChannelsRowOnly) {
    CScanListView* list = RadioWindow()->m_scanListView;
    ASSERT_NE(list, nullptr);
    CGrid* grid = list->GetGrid();
    ASSERT_NE(grid, nullptr);
    Group& group = LoadedGroup();
    Object* second = group.banks()[0]->members()[1].get();
    const auto showInList = [&](Object* object) {
        panel->m_manualMode = CRadioView::kOn;
        panel->m_vfo[panel->m_activeVfo].set(parm::kObjectHandle, object->handle());
        hb::afx::ClickButton(panel->m_hWnd, IDC_SHOW_IN_SCAN_LIST);
    };
    grid->SetSheetNumber(CGroupGrid::kBanksSheet);
    showInList(second);
    EXPECT_EQ(grid->GetSheetNumber(), CGroupGrid::kChannelsSheet);
    EXPECT_EQ(grid->GetCurrentRow(), 1);
    EXPECT_TRUE(grid->IsSelected(0, 1));

    // The group is no channel, and this receiver's grid shows no search ranges: the grid stays.
    grid->SetSheetNumber(CGroupGrid::kBanksSheet);
    showInList(&group);
    showInList(group.extras()[0].get());
    EXPECT_EQ(grid->GetSheetNumber(), CGroupGrid::kBanksSheet);

    // While scanning the device's current channel counts.
    panel->m_manualMode = 0;
    const std::uint32_t handle = group.banks()[0]->members()[0]->handle();
    std::uint8_t bytes[4];
    std::memcpy(bytes, &handle, sizeof bytes);
    hb::engine::EngineSim::PatchStatus(rig->m_device, DeviceStatus::kCurrentObject.kOffset, bytes);
    hb::afx::ClickButton(panel->m_hWnd, IDC_SHOW_IN_SCAN_LIST);
    EXPECT_EQ(grid->GetSheetNumber(), CGroupGrid::kChannelsSheet);
    EXPECT_EQ(grid->GetCurrentRow(), 0);
}

} // namespace
} // namespace hb::app::test
