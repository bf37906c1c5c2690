// The sample trunk tracker that a first start sets up, in its radio window on the test clock: the
// panel follows the simulated scanner through its banks, talkgroups and mode changes.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/RadioSelectDlg.h"
#include "app/rig/Rig.h"
#include "platform/afx/Input.h"
#include "platform/instruments/Gestures.h"
#include "platform/records/EngineCommands.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/sys/ProgramPath.h"
#include "radioview/TrunkStatusTable.h"
#include "radioview/TrunkTrackerView.h"
#include "resources/ResourceIds.h"
#include "tests/app/ProgramTest.h"

#include <set>
#include <string>

namespace hb::app::test {
namespace {

class TrunkTrackerSampleTest : public ProgramTest {
protected:
    // A first start with the samples built beside the program, the resource library serving the
    // panel, and the trunk tracker's radio window opened from Radio Control.
    CTrunkTrackerView* OpenSampleTracker() {
        UseResourceLibrary();
        hb::win::SetModuleFileNameOverride(hb::win::ApplicationFolder() + "/hbpro");
        hb::win::ini::UseFiles();
        NewApp();
        EXPECT_EQ(Start(), std::nullopt);
        hb::afx::SetModalScript(CRadioSelectDlg::IDD, [](CDialog& dialog) {
            auto& select = dynamic_cast<CRadioSelectDlg&>(dialog);
            select.m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
            hb::afx::ClickButton(select, IDOK);
        });
        Command(ID_TOOLS_RADIO_CONTROL);
        frame = dynamic_cast<CRadioFrame*>(Main().GetActiveFrame());
        EXPECT_NE(frame, nullptr);
        if (!frame) {
            return nullptr;
        }
        EXPECT_EQ(frame->m_rig, CRig::FindByName("Trunk Tracker"));
        PumpUntilIdle();
        return DYNAMIC_DOWNCAST(CTrunkTrackerView, frame->FrontPanel());
    }
    // Runs the test clock until `done` holds, at most `ms`.
    template <class Done>
    static bool RunUntil(Done done, int ms) {
        for (int t = 0; t < ms && !done(); t += 100) {
            AdvanceAndPump(100);
        }
        return done();
    }
    static void ClickCell(CiLedMatrixX& matrix, long row, long column) {
        CRect client;
        matrix.GetClientRect(&client);
        const long x = (2 * column + 1) * client.Width() / (2 * matrix.GetColCount());
        const long y = (2 * row + 1) * client.Height() / (2 * matrix.GetRowCount());
        hb::instruments::UserClick(matrix.m_hWnd, 1, 0, x, y);
    }
    static std::set<std::string> StatusLines() {
        std::set<std::string> lines;
        for (int state = 0; state < 256; ++state) {
            for (bool running : {false, true}) {
                const auto row =
                    hb::radioview::TrunkStatusOf(static_cast<std::uint8_t>(state), running);
                if (row.status) {
                    lines.insert(row.status);
                }
            }
        }
        return lines;
    }

    CRadioFrame* frame = nullptr;
};

TEST_F(TrunkTrackerSampleTest, ThePanelShowsTheScannersBanksTalkgroupsNamesAndStatus) {
    CTrunkTrackerView* view = OpenSampleTracker();
    ASSERT_NE(view, nullptr);
    const std::set<double> talkgroups{100, 200, 300, 400};
    auto onTalkgroup = [&] {
        return view->LampOf(CTrunkTrackerView::kLampM2).GetActive() &&
               talkgroups.contains(view->m_idDisplay.GetValue());
    };
    ASSERT_TRUE(RunUntil(onTalkgroup, 20'000)) << view->m_idDisplay.GetValue();

    // The sample's one bank is enabled as the scanner reports it, and its strip cell is lit.
    EXPECT_TRUE(view->m_banks[0].GetChecked());
    EXPECT_TRUE(view->m_bankStrip.GetIndicatorActive(0, 0));
    // Motorola Type II alone lit.
    EXPECT_FALSE(view->LampOf(CTrunkTrackerView::kLampM1).GetActive());
    EXPECT_FALSE(view->LampOf(CTrunkTrackerView::kLampPl).GetActive());
    // The talkgroup's tag over the channel's name, its bank and a status line of the table.
    const std::set<std::string> tags{"Fire Dispatch", "Police Dispatch", "Public Works",
                                     "Transit Ops"};
    const std::set<std::string> channels{"County Fire", "City Police", "Public Works", "Transit"};
    EXPECT_TRUE(tags.contains(view->m_textLine1.GetCaption().TrimRight().str()))
        << view->m_textLine1.GetCaption().str();
    EXPECT_TRUE(channels.contains(view->m_textLine2.GetCaption().TrimRight().str()))
        << view->m_textLine2.GetCaption().str();
    EXPECT_EQ(view->m_textLine3.GetCaption().TrimRight(), "County System");
    EXPECT_TRUE(StatusLines().contains(view->m_statusLine.GetCaption().str()))
        << view->m_statusLine.GetCaption().str();
}

TEST_F(TrunkTrackerSampleTest, AModeChangeGoesThroughTheScannerIntoTheProfile) {
    CTrunkTrackerView* view = OpenSampleTracker();
    ASSERT_NE(view, nullptr);
    AdvanceAndPump(1'000);
    ASSERT_EQ(view->m_modeColumn.GetIndicatorCaption(0, 0), "Scan");
    const COLORREF settled = view->m_modeColumn.GetIndicatorColor(0, 0);

    ClickCell(view->m_modeColumn, 0, 0);
    EXPECT_EQ(view->m_modeColumn.GetIndicatorCaption(0, 0), "Srch");
    EXPECT_EQ(view->m_modeColumn.GetIndicatorColor(0, 0), CTrunkTrackerView::kSearchRequestedColor);
    auto searching = [&] {
        return view->m_modeColumn.GetIndicatorColor(0, 0) == CTrunkTrackerView::kSearchColor;
    };
    ASSERT_TRUE(RunUntil(searching, 5'000));
    EXPECT_EQ(view->m_modeColumn.GetIndicatorCaption(0, 0), "Srch");
    EXPECT_NE(settled, CTrunkTrackerView::kSearchColor);
    const int stored =
        CScanApp::GetScanApp()->GetProfileInt(view->m_rig->m_section, "TrunkIDBank0", -1);
    EXPECT_EQ(stored & CTrunkTrackerView::kIdScanning, 0) << std::hex << stored;
    EXPECT_NE(stored & CTrunkTrackerView::kIdNewData, 0);
}

TEST_F(TrunkTrackerSampleTest, ALockOutSentAsTextComesBackAsTheDocumentsChannelLockedOut) {
    CTrunkTrackerView* view = OpenSampleTracker();
    ASSERT_NE(view, nullptr);
    Chan* third = nullptr;
    auto* doc = DYNAMIC_DOWNCAST(CRosterDoc, view->GetDocument());
    auto* group = dynamic_cast<Group*>(doc->GetRoster()->entries().front()->object());
    for (const auto& member : group->banks().front()->members()) {
        if (member->frequency() == 852'037'500) {
            third = member.get();
        }
    }
    ASSERT_NE(third, nullptr);
    ASSERT_EQ(third->lockOut(), 0);
    CString command;
    command.Format("MA%03u\rLON\r", unsigned{third->record().get(parm::kMemoryChannel)});
    EXPECT_EQ(view->m_rig->RawCommand(command), 0) << command.str();
    EXPECT_TRUE(RunUntil([&] { return third->lockOut() != 0; }, 30'000));
    doc->SetModifiedFlag(FALSE);
}

} // namespace
} // namespace hb::app::test
