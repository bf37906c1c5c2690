#include "platform/afx/CDocument.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStates.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/AppHooks.h"
#include "platform/toolkit/CXTPToolBar.h"
#include "platform/win/core/MessageBox.h"
#include "tests/app/radiowindow/RadioWindowTest.h"
#include "tests/app/radiowindow/RecordingPanel.h"
#include "tests/app/rig/RigTest.h"

#include <utility>

namespace hb::app::test {
namespace {

using hb::records::EngineStatus;
using Codes = std::vector<std::uint8_t>;

const std::string kPair = std::string(kTwoRadios) + "[MultiRadio]\nB=1\nB1=Receiver\nB2=Tracker\n";

class RadioFrameRunTest : public RadioWindowTest {
protected:
    static std::uint8_t State(CRig& rig) {
        auto status = std::make_unique<EngineStatus>();
        EXPECT_EQ(rig.EngineStatus(status->data()), 0);
        return status->get(EngineStatus::kState);
    }
    static std::size_t Reloads() { return EngineSim::Calls("scan_reload_engine").size(); }
    // A scan list named after the receiver whose entries hold nothing to scan.
    // In the scan view, which shows the list as it is: the standard view would ask for a group.
    void OpenEmptyList() {
        CRig::FindByName("Receiver")->m_view_type = 0;
        Roster roster;
        ASSERT_TRUE(File(Doc("Receiver.sws"), &roster).save());
        app->OpenDocumentFile(Doc("Receiver.sws").c_str());
    }
};

TEST_F(RadioFrameRunTest, TheFirstUpdateStartsTheRadioForThePanelAndPausesIt) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRig* rig = CRig::FindByName("Receiver");
    rig->m_view_type = 1;
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    const HWND panel = frame->FrontPanel()->GetSafeHwnd();
    const auto created = EngineSim::Calls("scan_create_single_engine");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].window, panel);
    EXPECT_EQ(created[0].programEntries, std::optional<std::uint16_t>(4));
    EXPECT_EQ(rig->m_owner, frame);
    EXPECT_TRUE(rig->IsEngineOpenFor(frame));
    const auto notified = EngineSim::Calls("scan_device_hwnd");
    ASSERT_FALSE(notified.empty());
    EXPECT_EQ(notified.back().window, panel);
    // The standard view type of a radio that does not trunk ends paused.
    EXPECT_EQ(EngineCodes(), Codes{hb::records::kEngineCmdPause});
    EXPECT_EQ(EngineSim::Calls("scan_engine_command")[0].subCode(), hb::records::kEngineSubPause);
    EXPECT_EQ(frame->m_state[1], 0u);
    AdvanceAndPump(1000);
    EXPECT_EQ(State(*rig), hb::records::kEnginePaused);

    // Pausing a paused radio sends nothing; resuming sends the start pair (the engine is still
    // paused when the start asks again).
    EngineSim::ClearJournal();
    frame->SendMessage(WM_COMMAND, CRig::kCommandStop);
    EXPECT_TRUE(EngineCodes().empty());
    frame->SendMessage(WM_COMMAND, CRig::kCommandStart);
    EXPECT_EQ(EngineCodes(), (Codes{19, 9}));
}

TEST_F(RadioFrameRunTest, AResumedPairSendsTheStartPairThenStartsTheSecondRadio) {
    Radios(kPair, {{"Receiver", 42}, {"Tracker", 17}});
    ChooseRow(2);
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    CRig* receiver = frame->m_rig;
    CRig* tracker = frame->m_rig2;
    ASSERT_EQ(receiver, CRig::FindByName("Receiver"));
    ASSERT_NE(tracker, nullptr);
    EXPECT_EQ(EngineSim::Calls("scan_engine_join").size(), 1u);
    frame->m_skipStartPair = 0;
    EngineSim::ClearJournal();

    frame->SendMessage(WM_COMMAND, CRig::kCommandStart);
    const auto commands = EngineSim::Calls("scan_engine_command");
    ASSERT_GE(commands.size(), 3u);
    EXPECT_EQ(commands[0].code(), 19);
    EXPECT_EQ(commands[0].handle, receiver->m_engine);
    EXPECT_EQ(commands[1].code(), 9);
    EXPECT_EQ(commands[1].handle, receiver->m_engine);
    EXPECT_EQ(commands[2].code(), 9);
    EXPECT_EQ(commands[2].handle, tracker->m_engine);

    // After a sweep window the next resume sends no start pair.
    frame->m_skipStartPair = 0xFF;
    EngineSim::ClearJournal();
    frame->SendMessage(WM_COMMAND, CRig::kCommandStart);
    EXPECT_EQ(EngineCodes(), Codes{8});
    EXPECT_EQ(frame->m_skipStartPair, 0u);
}

TEST_F(RadioFrameRunTest, AnEmptyListSaysSoLeavesTheDocumentUnmodifiedAndAStartInsideDoesNothing) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    ExpectBox("scan list is empty", IDOK, "Empty Scan List");
    OpenEmptyList();
    CRadioFrame* frame = RadioWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(EngineSim::EngineCount(), 0u);

    CDocument* doc = frame->GetActiveDocument();
    doc->SetModifiedFlag(TRUE);
    int nested = 0;
    hb::win::SetMessageBoxHandler([&](const hb::win::BoxRequest& box) {
        EXPECT_EQ(box.caption, "Empty Scan List");
        EXPECT_EQ(box.owner, frame->GetSafeHwnd());
        ++nested;
        frame->OnRadioStart();
        return IDOK;
    });
    const std::size_t beeps = Beeps().size();
    frame->SendMessage(WM_COMMAND, CRig::kCommandStart);
    hb::win::SetMessageBoxHandler(nullptr);
    EXPECT_EQ(nested, 1);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(Beeps().size(), beeps + 1);
    // The guard is down again.
    ExpectBox("scan list is empty", IDOK, "Empty Scan List");
    frame->OnRadioStart();
}

TEST_F(RadioFrameRunTest, AnEngineThatCannotOpenIsReportedAsTheDecodersOrTheRadios) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    for (const auto& [status, who] :
         {std::pair<std::uint16_t, const char*>{0x9C00, "Decoder"}, {0x8100, "Radio"}}) {
        EngineSim::FailNextCreate(status);
        ExpectBox("Engine Open", IDOK, "Engine Open");
        CRadioFrame* frame = OpenWindow();
        ASSERT_NE(frame, nullptr);
        ASSERT_FALSE(hb::tessary::ErrorMessages().empty());
        const auto& error = hb::tessary::ErrorMessages().back();
        EXPECT_EQ(error.who, who);
        EXPECT_EQ(error.title, "Engine Open");
        EXPECT_EQ(error.source, "RadioFrame");
        EXPECT_EQ(error.status, status);
        EXPECT_EQ(error.type, 0x10u);
        EXPECT_EQ(error.reserved, 0);
        EXPECT_FALSE(frame->m_rig->IsEngineOpen());
        frame->SendMessage(WM_CLOSE);
    }
}

TEST_F(RadioFrameRunTest, TheWatchdogRestartsAQuietEngineTwoSecondsAfterTheCheck) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    CRig* rig = frame->m_rig;
    AdvanceAndPump(CRadioFrame::kRadioTimerMs - 1000);
    EngineSim::SetState(rig->m_engine, 20);
    frame->SendMessage(WM_ENGINE_CHECK);
    EXPECT_EQ(frame->m_check_mark, CDeviceFrame::kCheckPending);
    EXPECT_EQ(frame->m_check_time, GetTickCount());
    // The tick one second on is too early.
    AdvanceAndPump(1000);
    EXPECT_EQ(Reloads(), 0u);
    AdvanceAndPump(CRadioFrame::kRadioTimerMs);
    EXPECT_EQ(Reloads(), 1u);
    EXPECT_EQ(frame->m_check_mark, 0u);
    EXPECT_EQ(frame->m_check_time, 0u);
    // A restart is not paused afterwards.
    EXPECT_NE(State(*rig), hb::records::kEnginePaused);

    // A paused engine at the check is left alone, and the check is spent.
    frame->SendMessage(WM_COMMAND, CRig::kCommandStop);
    frame->SendMessage(WM_ENGINE_CHECK);
    AdvanceAndPump(CRadioFrame::kRadioTimerMs);
    EXPECT_EQ(Reloads(), 1u);
    EXPECT_EQ(frame->m_check_time, 0u);

    // Nor while an upload or a reset holds the watchdog off.
    EngineSim::SetState(rig->m_engine, 20);
    frame->m_state[0] = 1;
    frame->SendMessage(WM_ENGINE_CHECK);
    AdvanceAndPump(2 * CRadioFrame::kRadioTimerMs);
    EXPECT_EQ(Reloads(), 1u);
    EXPECT_NE(frame->m_check_time, 0u);
}

TEST_F(RadioFrameRunTest, ARadioThatAsksForNoCheckIsNeverRestarted) {
    Radios(std::string(kTwoRadios), {{"Receiver", 42}, {"Tracker", 17}});
    ChooseRow(1);
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->m_rig->m_radio->caps1() & 0x80, 0u);
    EngineSim::SetState(frame->m_rig->m_engine, 20);
    frame->SendMessage(WM_ENGINE_CHECK);
    EXPECT_EQ(frame->m_check_mark, 0u);
    AdvanceAndPump(2 * CRadioFrame::kRadioTimerMs);
    EXPECT_EQ(Reloads(), 0u);
}

TEST_F(RadioFrameRunTest, ThePanelsMessagesReachItOnlyWithAFrequency) {
    const PanelRecording recording;
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    PumpUntilIdle();
    auto& calls = PanelRecording::Of(*frame).calls;
    calls.clear();
    parm record;
    const auto lparam = reinterpret_cast<LPARAM>(&record);
    frame->SendMessage(WM_RADIO_TUNE, 0, lparam);
    frame->SendMessage(WM_RADIO_ENTRY_KEY, 0, 3);
    // Not in manual mode.
    frame->SendMessage(WM_RADIO_TUNE_FREQUENCY, 155'010'000, 1);
    EXPECT_TRUE(calls.empty());

    frame->SendMessage(WM_RADIO_TUNE, 155'010'000, lparam);
    frame->SendMessage(WM_RADIO_TUNE, 155'475'000);
    frame->SendMessage(WM_RADIO_ENTRY_KEY, 162'000'000, 3);
    frame->SendMessage(WM_RADIO_DEVICE_OPEN, 5, 6);
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].name, "LoadParmIntoActiveVfo");
    EXPECT_EQ(calls[0].second, 1u);
    EXPECT_EQ(calls[1].name, "TuneFrequency");
    EXPECT_EQ(calls[1].first, 155'475'000u);
    EXPECT_EQ(calls[2].name, "SetManualChannel");
    EXPECT_EQ(calls[2].second, 3u);
    // The device status is read again.
    EXPECT_EQ(calls[3].name, "RefreshFromDevice");

    // A device status that cannot be read gives the rig's last channel, never stale bytes.
    frame->m_rig->m_parm.set(hb::records::Parm::kFrequency, 146'520'000);
    std::array<std::uint8_t, sizeof(parm)> buffer;
    buffer.fill(0xCD);
    // The device is gone from under the rig.
    const std::uint16_t device = std::exchange(frame->m_rig->m_device, 0xFFFF);
    frame->SendMessage(WM_RADIO_GET_PARM, 0, reinterpret_cast<LPARAM>(buffer.data()));
    frame->m_rig->m_device = device;
    parm copied;
    std::memcpy(&copied, buffer.data(), sizeof copied);
    EXPECT_EQ(copied, frame->m_rig->m_parm);
    EXPECT_EQ(copied.get(hb::records::Parm::kFrequency), 146'520'000u);
}

TEST_F(RadioFrameRunTest, ACompactWindowGoesBackToItsFirstTabAfterFifteenQuietSeconds) {
    UserValue("Settings", "UseCompactView", 1);
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    frame->Tabs().SetActiveIndex(2);
    MSG key{};
    key.hwnd = frame->GetSafeHwnd();
    key.message = WM_KEYDOWN;
    frame->PreTranslateMessage(&key);
    AdvanceAndPump(CRadioFrame::kCompactTimerMs - 1000);
    MSG mouse{};
    mouse.hwnd = frame->GetSafeHwnd();
    mouse.message = WM_MOUSEMOVE;
    frame->PreTranslateMessage(&mouse);
    AdvanceAndPump(CRadioFrame::kCompactTimerMs - 1000);
    EXPECT_EQ(frame->Tabs().GetActiveIndex(), 2);
    AdvanceAndPump(1000);
    EXPECT_EQ(frame->Tabs().GetActiveIndex(), 0);
}

TEST_F(RadioFrameRunTest, ANormalWindowNeverReturnsToItsFirstTabEvenAfterTheLayoutSettingChanges) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    Command(ID_VIEW_COMPACT);
    frame->Tabs().SetActiveIndex(1);
    MSG key{};
    key.hwnd = frame->GetSafeHwnd();
    key.message = WM_KEYDOWN;
    frame->PreTranslateMessage(&key);
    AdvanceAndPump(2 * CRadioFrame::kCompactTimerMs);
    EXPECT_EQ(frame->Tabs().GetActiveIndex(), 1);
}

TEST_F(RadioFrameRunTest, ADisplacedWindowIsPausedAndResumesWhenTheRadioComesBack) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    // The scan view type leaves the radio running.
    CRig::FindByName("Receiver")->m_view_type = 0;
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    CRig* rig = frame->m_rig;
    ASSERT_NE(State(*rig), hb::records::kEnginePaused);
    {
        OwnerWindow other;
        EngineSim::ClearJournal();
        ASSERT_EQ(rig->AttachView(CRig::kCommandCorrelatorFiles, &other.wnd), 0);
        EXPECT_EQ(EngineCodes(), Codes{8});
        EngineSim::ClearJournal();
        rig->DetachView(&other.wnd);
    }
    PumpUntilIdle();
    EXPECT_EQ(rig->m_owner, frame);
    EXPECT_EQ(EngineCodes(), (Codes{19, 9}));
}

TEST_F(RadioFrameRunTest, ClosingKeepsTheChoicesSavesTheBarAndEndsTheEngine) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    CRig* rig = frame->m_rig;
    CAudioLog* log = rig->GetAudioLog();
    ASSERT_NE(log, nullptr);
    frame->Tabs().SetActiveIndex(3);
    frame->ScanToolBar()->SetVisible(FALSE);
    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(app->GetProfileIntA("Receiver", "ActiveView", -1), 3);
    EXPECT_EQ(app->GetProfileIntA("Receiver", "MiniStatus", -1), 0);
    EXPECT_EQ(EngineSim::EngineCount(), 0u);
    EXPECT_EQ(rig->m_owner, nullptr);
    EXPECT_EQ(rig->GetAudioLog(), nullptr);

    // The bar comes back as it was left.
    frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->ScanToolBar()->IsVisible());
}

} // namespace
} // namespace hb::app::test
