#include "app/rig/EngineProgressDlg.h"
#include "platform/afx/ModalScript.h"
#include "platform/instruments/Gestures.h"
#include "platform/win/core/ModalDepth.h"
#include "radioview/SearchSlaveView.h"
#include "tests/app/radiowindow/EngineNotificationsTest.h"

namespace hb::app::test {
namespace {

using hb::records::UserId;

class PanelNotificationsTest : public EngineNotificationsTest {
protected:
    static UserId Talkgroup(std::uint32_t value) {
        UserId id;
        id.set(UserId::kValue, value);
        id.set(UserId::kKind, 1);
        return id;
    }
    // An ID of the channel's bank, with its alarm code and record option.
    UserIdEntry& AddUser(std::uint32_t value, const char* name, std::uint8_t alarm,
                         std::uint16_t options = 0) const {
        auto entry = std::make_unique<UserIdEntry>();
        entry->id() = Talkgroup(value);
        entry->setName(name);
        entry->setOptionByte(UserIdEntry::kOptionAlarm, alarm);
        entry->setOptions(options);
        return TheGroup().banks()[0]->addUserId(std::move(entry));
    }
    BYTE Decision() const { return panel->m_recordDecision; }
    HWND Focus() const { return ::GetFocus(); }
};

TEST_F(PanelNotificationsTest, TheRecordingDecisionFollowsTheEntryTheHoldAndTheEngine) {
    Open();
    Chan& car = At(kCarToCar);
    Chan& dispatch = At(kDispatch);
    // Paused: only the hold records.
    StandOn(&car, 7);
    Refresh();
    EXPECT_EQ(Decision(), CRadioView::kDecisionSkip);
    panel->ToggleHold();
    EXPECT_EQ(Decision(), CRadioView::kDecisionRecord);
    panel->ToggleHold();

    // On a channel: the entry's "Audio" byte, and the ID's record option for "Record Field".
    for (const auto& [audio, decision] :
         {std::pair{RosterEntry::kAudioNone, CRadioView::kDecisionSkip},
          std::pair{RosterEntry::kAudioRecordField, CRadioView::kDecisionSkip},
          std::pair{RosterEntry::kAudioAll, CRadioView::kDecisionRecord}}) {
        Entry().audio = audio;
        StandOn(&car, 5);
        Refresh();
        EXPECT_EQ(Decision(), decision) << int{audio};
    }
    AddUser(100, "Fire", 0, UserIdEntry::kOptionRecord);
    Entry().audio = RosterEntry::kAudioRecordField;
    StandOn(&car, 5, Talkgroup(100));
    Refresh();
    EXPECT_EQ(Decision(), CRadioView::kDecisionRecord);

    // The hold adopts the channel and user, and records whatever the entry says...
    Entry().audio = RosterEntry::kAudioNone;
    panel->ToggleHold();
    EXPECT_EQ(Decision(), CRadioView::kDecisionRecord);
    EXPECT_EQ(panel->m_heldObject, car.handle());
    EXPECT_NE(panel->m_heldUser, 0u);
    // ... until the engine moves on: the new channel's byte decides again.
    StandOn(&dispatch, 6);
    Refresh();
    EXPECT_EQ(panel->m_channelHold, 0);
    EXPECT_EQ(panel->m_heldObject, 0u);
    EXPECT_EQ(Decision(), CRadioView::kDecisionSkip);

    // Scanning, the engine is on no entry: only the hold records.
    StandOn(nullptr, 4);
    Refresh();
    EXPECT_EQ(Decision(), CRadioView::kDecisionSkip);
    panel->ToggleHold();
    EXPECT_EQ(Decision(), CRadioView::kDecisionRecord);
    EXPECT_EQ(panel->m_heldObject, 0u);

    // A window the engine does not run for records nothing.
    CWnd* owner = rig->m_owner;
    rig->m_owner = &Main();
    Refresh();
    rig->m_owner = owner;
    EXPECT_EQ(Decision(), CRadioView::kDecisionNotOpen);
}

TEST_F(PanelNotificationsTest, AnAlarmIsRaisedOncePerChannelAndUser) {
    Open();
    Chan& car = At(kCarToCar);
    AddUser(100, "Fire", 3);
    AddUser(200, "Rescue", 3);
    StandOn(&car, 26, Talkgroup(100));
    Refresh();
    Refresh();
    ASSERT_EQ(EngineSim::Alarms().size(), 1u);
    EXPECT_EQ(EngineSim::Alarms()[0].index, 3u);
    EXPECT_EQ(EngineSim::Alarms()[0].title, "Car to car");
    EXPECT_EQ(EngineSim::Alarms()[0].text, "Fire");

    StandOn(&car, 26, Talkgroup(200));
    Refresh();
    ASSERT_EQ(EngineSim::Alarms().size(), 2u);
    EXPECT_EQ(EngineSim::Alarms()[1].text, "Rescue");
    // Another channel without alarm forgets it: coming back raises it again.
    StandOn(&At(kDispatch), 5);
    Refresh();
    StandOn(&car, 26, Talkgroup(200));
    Refresh();
    EXPECT_EQ(EngineSim::Alarms().size(), 3u);
}

TEST_F(PanelNotificationsTest, TheRefreshFollowsTheRadiosOwnPanelAndAFailedReadChangesNothing) {
    Open();
    EngineSim::PatchStatus(rig->m_device, hb::records::DeviceStatus::kLocalControl.kOffset, 1);
    EngineSim::FailNext("scan_device_status", 0x8001);
    Refresh();
    EXPECT_EQ(panel->m_following, 0);
    EngineSim::FailNext("scan_engine_status", 0x8001);
    Refresh();
    EXPECT_EQ(panel->m_following, 0);

    // Timer 2 refreshes.
    AdvanceAndPump(1'000);
    EXPECT_EQ(panel->m_following, CRadioView::kOn);
    const parm device = rig->m_device_status.get(hb::records::DeviceStatus::kCurrentParm);
    EXPECT_EQ(panel->m_lastReportedHz, device.get(parm::kFrequency));
    EngineSim::PatchStatus(rig->m_device, hb::records::DeviceStatus::kLocalControl.kOffset, 0);
    AdvanceAndPump(1'000);
    EXPECT_EQ(panel->m_following, 0);
    EXPECT_EQ(panel->m_lastReportedHz, 0u);
}

TEST_F(PanelNotificationsTest, WhileScanningTheBrowseViewShowsTheEnginesFrequency) {
    Open();
    std::array<std::uint8_t, 4> hz{};
    const std::uint32_t value = 162'550'000;
    for (std::size_t n = 0; n < hz.size(); ++n) {
        hz[n] = static_cast<std::uint8_t>(value >> (8 * n));
    }
    EngineSim::PatchStatus(engine, hb::records::EngineStatus::kCurrentFrequency.kOffset, hz);
    panel->m_scanning = CRadioView::kOn;
    AdvanceAndPump(250);
    EXPECT_DOUBLE_EQ(panel->m_frequencyDisplay.GetValue(), 162.55);
}

TEST_F(PanelNotificationsTest, TheEngineReachesTheWindowThroughThePanel) {
    Open();
    // The engine's check request lands on its notify window, the panel.
    frame->m_check_mark = 0;
    EXPECT_EQ(panel->SendMessage(WM_ENGINE_CHECK), 0);
    EXPECT_EQ(frame->m_check_mark, CRadioFrame::kCheckPending);

    // The engine's status is read for the rig's copy; an opened device is read again.
    const std::size_t engineReads = EngineSim::Calls("scan_engine_status").size();
    const std::size_t deviceReads = EngineSim::Calls("scan_device_status").size();
    EXPECT_EQ(panel->SendMessage(WM_ENGINE_STATUS), 0);
    EXPECT_EQ(panel->SendMessage(WM_RADIO_DEVICE_OPEN), 0);
    EXPECT_EQ(EngineSim::Calls("scan_engine_status").size(), engineReads + 1);
    EXPECT_EQ(EngineSim::Calls("scan_device_status").size(), deviceReads + 1);

    // A restart request restarts the window; the idle timer firing in its wait leaves the focus.
    HWND focusInWait = nullptr;
    int depthInWait = 0;
    hb::afx::SetModalScript(IDD_ENGINE_PROGRESS, [&](CDialog&) {
        depthInWait = hb::win::ModalDepth();
        ::SetFocus(panel->m_tuningKnob.m_hWnd);
        panel->SendMessage(WM_TIMER, CRadioView::kIdleTimer);
        focusInWait = Focus();
    });
    const std::size_t destroyed = EngineSim::Calls("scan_destroy_engine").size();
    panel->PostMessage(WM_RADIO_RESTART);
    PumpUntilIdle();
    EXPECT_EQ(EngineSim::Calls("scan_destroy_engine").size(), destroyed + 1);
    EXPECT_EQ(depthInWait, 1);
    EXPECT_EQ(focusInWait, panel->m_tuningKnob.m_hWnd);
    EXPECT_EQ(hb::win::ModalDepth(), 0);
}

TEST_F(PanelNotificationsTest, TheIdleTimerTakesTheFocusBackOnlyFromThePanelsOwnControls) {
    Open();
    ::SetFocus(panel->m_stepEntry.m_hWnd);
    panel->SendMessage(WM_TIMER, CRadioView::kIdleTimer);
    EXPECT_EQ(Focus(), panel->m_stepEntry.m_hWnd);
    ::SetFocus(panel->m_tuningKnob.m_hWnd);
    panel->SendMessage(WM_TIMER, CRadioView::kIdleTimer);
    EXPECT_EQ(Focus(), panel->m_keypadEntry.m_hWnd);
    // The history tab is another pane.
    ::SetFocus(history->m_hWnd);
    panel->SendMessage(WM_TIMER, CRadioView::kIdleTimer);
    EXPECT_EQ(Focus(), history->m_hWnd);
    // Focusing the panel itself gives the keypad entry the focus.
    panel->SetFocus();
    EXPECT_EQ(Focus(), panel->m_keypadEntry.m_hWnd);
}

TEST_F(PanelNotificationsTest, ThePanelsOwnTimersRunWhileTheEngineIsNotOpen) {
    Open();
    rig->DestroyEngine();
    ASSERT_FALSE(rig->IsEngineOpenFor(frame));
    panel->m_frequencyChanged = CRadioView::kOn;
    panel->m_recalled = CRadioView::kOn;
    panel->SendMessage(WM_TIMER, CRadioView::kFrequencyTimer);
    EXPECT_EQ(panel->m_frequencyChanged, 0);
    EXPECT_EQ(panel->m_recalled, 0);

    const std::uint32_t before = panel->m_vfo[panel->m_activeVfo].get(parm::kFrequency);
    panel->SendMessage(WM_TIMER, IDC_STEP_UP);
    EXPECT_NE(panel->m_vfo[panel->m_activeVfo].get(parm::kFrequency), before);
    panel->KillTimer(IDC_STEP_UP);
}

TEST_F(PanelNotificationsTest, ThePairsQueueChangesAskTheMultiRadioTabToRedraw) {
    Radios(std::string(kTwoRadios) + "[MultiRadio]\nB=1\nB1=Receiver\nB2=Tracker\n",
           {{"Receiver", 42}, {"Tracker", 17}});
    ChooseRow(2);
    frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->m_multiRadioView, nullptr);
    ASSERT_NE(frame->m_rig2, nullptr);
    panel = frame->FrontPanel();
    panel->SendMessage(WM_RADIO_FLAG);
    EXPECT_EQ(frame->m_multiRadioView->m_refresh, 1u);

    // The second radio's own hits are taken and dropped.
    HistoryRecord rec = Hit(nullptr, 162'550'000);
    EngineSim::QueueHistory(frame->m_rig2->m_engine, rec);
    EngineSim::QueueHistory(frame->m_rig->m_engine, rec);
    PumpUntilIdle();
    EXPECT_EQ(frame->m_historyView->SendMessage(LVM_GETITEMCOUNT), 1);
    HistoryRecord left;
    EXPECT_NE(frame->m_rig2->GetHistory(left.data()), 0);
}

// The status lamp is on the PCR-1000's form: a panel on it, bound as its first update binds it.
class StatusLampTest : public RadioWindowTest {
protected:
    void SetUp() override {
        Radios(kReceiverOnly, {{"Receiver", 42}});
        panel = new CRadioView(IDD_PCR1000_VIEW);
        ASSERT_TRUE(panel->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 400), &Main(), 1));
        panel->UpdateData(FALSE);
        ASSERT_TRUE(panel->m_statusLamp.m_hWnd);
    }
    void TearDown() override {
        if (panel && panel->m_hWnd) {
            panel->DestroyWindow();
        }
        RadioWindowTest::TearDown();
    }
    void Expect(const char* caption, COLORREF lamp, COLORREF text) const {
        EXPECT_EQ(panel->m_statusLamp.GetCaption(), caption);
        EXPECT_EQ(panel->m_statusLamp.GetActiveColor(), lamp) << caption;
        EXPECT_EQ(panel->m_statusLamp.GetCaptionColor(), text) << caption;
    }

    CRadioView* panel = nullptr;
};

TEST_F(StatusLampTest, BadAndResetShowOnTheLampAndAClickClearsIt) {
    EXPECT_EQ(panel->SendMessage(WM_RADIO_BAD), 0);
    Expect("BAD", 0x0000FF, 0xFFFFFF);
    panel->SendMessage(WM_RADIO_RESET);
    Expect("Reset", 0x00FFFF, 0);
    ASSERT_TRUE(hb::instruments::UserClick(panel->m_statusLamp.m_hWnd, 1, 0, 3, 3));
    Expect("OK", 0x00FF00, 0);
}

} // namespace
} // namespace hb::app::test
