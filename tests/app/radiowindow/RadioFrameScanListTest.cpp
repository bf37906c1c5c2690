#include "platform/engine/sim/SimMemoryRadio.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/records/EngineCommands.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/grid/Grid.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "programming/Loader.h"
#include "programming/ScanListView.h"
#include "resources/program/TransferIds.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <string_view>

namespace hb::app::test {
namespace {

using hb::win::Beeps;

class RadioFrameScanListTest : public RadioWindowTest {
protected:
    void SetUp() override { Radios(kReceiverOnly, {{"Receiver", 42}}); }
    void Open(std::uint8_t viewType) {
        CRig::FindByName(radioName)->m_view_type = viewType;
        frame = OpenWindow();
        ASSERT_NE(frame, nullptr);
        AdvanceAndPump(1000);
        EngineSim::ClearJournal();
    }
    void Send(UINT id) const { frame->SendMessage(WM_COMMAND, id); }
    CRosterDoc& Doc() const {
        return *DYNAMIC_DOWNCAST(CRosterDoc, frame->FrontPanel()->GetDocument());
    }
    static std::vector<std::string_view> Functions() {
        std::vector<std::string_view> names;
        for (const auto& call : EngineSim::Journal()) {
            names.push_back(call.function);
        }
        return names;
    }
    static std::size_t Reloads() { return EngineSim::Calls("scan_reload_engine").size(); }
    // The next start recompiles and reloads, and no plain resume is sent.
    void ExpectTheNextStartReloads() const {
        EngineSim::ClearJournal();
        Send(CRig::kCommandStart);
        EXPECT_EQ(Reloads(), 1u);
        for (const std::uint8_t code : EngineCodes()) {
            EXPECT_NE(code, hb::records::kEngineCmdStartFirst);
        }
    }
    parm& ManualVfo() const { return frame->FrontPanel()->m_vfo[0]; }

    CRadioFrame* frame = nullptr;
    const char* radioName = "Receiver";
};

// A scanner whose memories the program reads one by one: an upload fills the scan list's group.
class RadioFrameScanListUploadTest : public RadioFrameScanListTest {
protected:
    void SetUp() override {
        radioName = "Scanner";
        Radios("[Radios]\nRadio#1=Scanner\n[Scanner]\nType=2\nPort=SIM\n"
               "Memories=146520000, 146550000\n",
               {{"Scanner", 2}});
        hb::afx::SetModalScript(hb::resources::transfer::kReadInfoDialog,
                                [](CDialog& dialog) { hb::afx::ClickButton(dialog.m_hWnd, IDOK); });
    }
    Group& ListGroup() const {
        return dynamic_cast<Group&>(*Doc().GetRoster()->entries()[0]->object());
    }
};

TEST_F(RadioFrameScanListTest, SaveAsInTheScanViewIsTheScanListCommand) {
    Open(0);
    const CString section = frame->m_rig->m_section;
    Send(27879);
    const auto opened = Functions();
    EXPECT_EQ(Reloads(), 1u);
    EXPECT_EQ(app->GetProfileStringA(section, "ScanListFile", ""), Doc().GetPathName());

    app->WriteProfileStringA(section, "ScanListFile", "elsewhere.sws");
    EngineSim::ClearJournal();
    Send(27007);
    EXPECT_EQ(Functions(), opened);
    EXPECT_EQ(app->GetProfileStringA(section, "ScanListFile", ""), Doc().GetPathName());
}

TEST_F(RadioFrameScanListTest, AfterAResetTheNextStartRecompilesTheEmptiedList) {
    Open(0);
    Send(27185);
    Roster& roster = *Doc().GetRoster();
    EXPECT_EQ(roster.entries().size(), Roster::kDefaultEntries);
    EXPECT_TRUE(roster.IsEmpty());
    EXPECT_TRUE(Doc().IsModified());
    // The scan view shows the list as it is now.
    EXPECT_EQ(frame->m_scanListView->GetGrid()->QuickGetText(0, 0), "Empty");
    EXPECT_EQ(frame->m_state[0], 0u);
    EXPECT_EQ(frame->m_check_mark, CDeviceFrame::kCheckPending);
    EXPECT_NE(frame->m_check_time, 0u);
    ExpectTheNextStartReloads();
}

TEST_F(RadioFrameScanListUploadTest, AnUploadFillsTheFirstGroupAndTheNextStartReloads) {
    Open(1);
    Send(28550);
    const Group& group = ListGroup();
    ASSERT_FALSE(group.banks().empty());
    ASSERT_GE(group.banks()[0]->members().size(), 2u);
    EXPECT_EQ(group.banks()[0]->members()[0]->frequency(), 146'520'000u);
    EXPECT_EQ(group.banks()[0]->members()[1]->frequency(), 146'550'000u);
    EXPECT_FALSE(CLoader::InTransfer(frame->m_rig));
    // The paused radio gets only the devices' stop pair: the upload does not start it again.
    EXPECT_EQ(EngineCodes(), (std::vector<std::uint8_t>{hb::records::kEngineCmdStop,
                                                        hb::records::kEngineCmdStart}));
    EXPECT_EQ(frame->m_state[0], 0u);
    EXPECT_EQ(frame->m_check_mark, CDeviceFrame::kCheckPending);
    ExpectTheNextStartReloads();
}

TEST_F(RadioFrameScanListUploadTest, TheScanListAndItsWindowStayOpenWhileTheUploadRuns) {
    Open(1);
    bool asked = false;
    hb::afx::SetModalScript(hb::resources::transfer::kReadInfoDialog, [&](CDialog& dialog) {
        asked = true;
        EXPECT_TRUE(Doc().InTransfer());
        const std::size_t beeps = Beeps().size();
        frame->SendMessage(WM_CLOSE);
        EXPECT_TRUE(::IsWindow(frame->m_hWnd));
        ASSERT_EQ(Beeps().size(), beeps + 1);
        EXPECT_EQ(Beeps().back(), static_cast<UINT>(MB_ICONASTERISK));
        hb::afx::ClickButton(dialog.m_hWnd, IDOK);
    });
    Send(28550);
    EXPECT_TRUE(asked);
    EXPECT_FALSE(Doc().InTransfer());
    EXPECT_EQ(ListGroup().banks()[0]->members()[0]->frequency(), 146'520'000u);
    ExpectBox("Save changes to Scanner?", IDNO);
}

TEST_F(RadioFrameScanListTest, AnUploadWithoutAGroupFirstOrCancelledDoesNothingAtAll) {
    Open(1);
    frame->m_rig->m_permanent = 1;
    ExpectBox("This is a remotely connected radio. This transfer could take a long time.", IDCANCEL,
              "Warning - Remote Radio");
    std::size_t beeps = Beeps().size();
    Send(28550);
    EXPECT_EQ(Beeps().size(), beeps + 1);
    EXPECT_EQ(EngineSim::Messages().size(), 0u);
    EXPECT_TRUE(EngineSim::Journal().empty());

    frame->m_rig->m_permanent = 0;
    Doc().GetRoster()->entries()[0]->tag =
        static_cast<std::uint32_t>(hb::records::ObjectKind::SearchRange);
    beeps = Beeps().size();
    Send(28550);
    EXPECT_EQ(Beeps().size(), beeps);
    EXPECT_EQ(EngineSim::Messages().size(), 0u);
    EXPECT_TRUE(EngineSim::Journal().empty());
    EXPECT_EQ(frame->m_check_mark, 0u);
}

TEST_F(RadioFrameScanListUploadTest, AFailingUploadLiftsTheWatchdogSuppression) {
    Open(1);
    hb::engine::sim::FindMemoryRadio("Scanner")->MakeUnreadable(1);
    ExpectBox("Read Status", IDOK);
    frame->OnUploadScanList();
    EXPECT_EQ(frame->m_state[0], 0u);
    EXPECT_EQ(frame->m_check_mark, CDeviceFrame::kCheckPending);
    EXPECT_NE(frame->m_check_time, 0u);
    // What was read before the failure stays, so the list is changed.
    EXPECT_TRUE(Doc().IsModified());
    ExpectBox("Save changes to Scanner?", IDNO);
}

TEST_F(RadioFrameScanListTest, StoringTheVfoNeedsManualModeAndTakesTheLoggersInversion) {
    Open(0);
    CAudioLog* log = frame->m_rig->GetAudioLog();
    ASSERT_NE(log, nullptr);
    frame->FrontPanel()->m_manualMode = 0;
    std::size_t beeps = Beeps().size();
    Send(27218);
    EXPECT_EQ(Beeps().size(), beeps + 1);

    frame->FrontPanel()->m_manualMode = 0xFF;
    frame->FrontPanel()->m_activeVfo = 0;
    log->m_mode = CAudioLog::kModePlay;
    for (const auto& [hz, stored] :
         {std::pair<double, std::uint16_t>{1234.9, 1234}, {70000.5, 65535}, {-3.0, 0}}) {
        log->m_invertFrequency = hz;
        Send(27219);
        EXPECT_EQ(ManualVfo().get(parm::kVoiceInversion), stored) << hz;
    }
    log->m_invertFrequency = 1234;
    log->m_mode = CAudioLog::kModeRecord;
    Send(27219);
    EXPECT_EQ(ManualVfo().get(parm::kVoiceInversion), 0);

    // The scan view cannot place a new channel: a beep, and the list is as it was.
    Doc().SetModifiedFlag(FALSE);
    beeps = Beeps().size();
    Send(27218);
    EXPECT_EQ(Beeps().size(), beeps + 1);
    EXPECT_FALSE(Doc().IsModified());

    EngineSim::ClearJournal();
    Send(27226);
    const auto codes = EngineCodes();
    ASSERT_GE(codes.size(), 2u);
    EXPECT_EQ(codes[0], hb::records::kEngineCmdStartFirst);
    EXPECT_EQ(codes[1], hb::records::kEngineCmdStart);
}

} // namespace
} // namespace hb::app::test
