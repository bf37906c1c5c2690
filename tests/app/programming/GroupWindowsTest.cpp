#include "platform/afx/CDialog.h"
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CDockState.h"
#include "platform/afx/CMDIFrameWnd.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/tessary/app/DbaseTable.h"
#include "platform/tessary/app/DbaseView.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/app/RangeDoc.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Roster.h"
#include "platform/tessary/model/RosterEntry.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/store/Registry.h"
#include "programming/DbaseFrame.h"
#include "programming/GroupFrame.h"
#include "programming/RangeFrame.h"
#include "resources/ResourceIds.h"
#include "resources/program/TransferIds.h"
#include "tests/app/ProgramTest.h"
#include "tests/app/programming/TransferRefusal.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace hb::app::test {
namespace {

class GroupWindowsTest : public ProgramTest {
protected:
    GroupWindowsTest() {
        Settings(kTwoRadios);
        UseResourceLibrary();
    }

    CDocTemplate* Template(UINT id) const {
        POSITION pos = app->GetFirstDocTemplatePosition();
        while (pos) {
            CDocTemplate* candidate = app->GetNextDocTemplate(pos);
            if (candidate->m_nIDResource == id) {
                return candidate;
            }
        }
        return nullptr;
    }
    // A group file of the radio type, opened through its template.
    CGroupFrame* OpenGroup(std::uint8_t type) const {
        const std::string path = Doc("Tower.swg");
        {
            CGroupDoc doc;
            doc.NewGroup(type);
            EXPECT_TRUE(doc.OnSaveDocument(path.c_str()));
        }
        Template(IDR_GROUP)->OpenDocumentFile(path.c_str(), TRUE);
        return ActiveFrame<CGroupFrame>();
    }
    template <class Frame>
    Frame* ActiveFrame() const {
        auto* main = static_cast<CMDIFrameWnd*>(app->m_pMainWnd);
        return dynamic_cast<Frame*>(main->MDIGetActive());
    }
    static std::size_t OpenDocuments(CDocTemplate* docTemplate) {
        std::size_t count = 0;
        for (POSITION pos = docTemplate->GetFirstDocPosition(); pos; docTemplate->GetNextDoc(pos)) {
            ++count;
        }
        return count;
    }
    static CRect BarPlace(CFrameWnd& frame, CToolBar& bar) {
        CRect place;
        bar.GetWindowRect(&place);
        frame.ScreenToClient(&place);
        return place;
    }
    void UseProgramResourcesWithout(UINT toolBar) {
        hb::afx::ResourceTables tables = ProgramResourceTables();
        std::erase_if(tables.toolBars, [toolBar](const auto& bar) { return bar.id == toolBar; });
        UseProgramResources(std::move(tables));
    }
};

TEST_F(GroupWindowsTest, TheGroupWindowShowsGroupToolsWhereTheUserLeftIt) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupFrame* frame = OpenGroup(42);
    ASSERT_NE(frame, nullptr);
    CToolBar& bar = frame->m_wndToolBar;
    ASSERT_TRUE(::IsWindow(bar.m_hWnd));
    CString title;
    bar.GetWindowText(title);
    EXPECT_EQ(title, "Group Tools");
    EXPECT_EQ(bar.GetDockBarID(), AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(bar.CommandToIndex(27119), 0) << "the transfers come first";
    EXPECT_GE(bar.CommandToIndex(27181), 0);
    EXPECT_EQ(bar.GetButtonTip(0), "Radio to PC");
    EXPECT_EQ(frame->m_bHFDisplay, 0xFF);

    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    frame->SendMessage(WM_CLOSE);
    Pump();
    EXPECT_EQ(ActiveFrame<CGroupFrame>(), nullptr);

    frame = OpenGroup(42);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->m_wndToolBar.GetDockBarID(), AFX_IDW_DOCKBAR_LEFT);
    const CRect place = BarPlace(*frame, frame->m_wndToolBar);
    EXPECT_EQ(place.TopLeft(), CPoint(0, 0));
    EXPECT_GT(place.Height(), place.Width()) << "a column of buttons";
}

TEST_F(GroupWindowsTest, ALayoutNamingABarTheWindowLacksIsDroppedAndTheWindowOpens) {
    ASSERT_EQ(Start(), std::nullopt);
    CDockState foreign;
    foreign.m_sizeScreen = CSize(1024, 768);
    foreign.m_arrBarInfo = {{27999, TRUE, FALSE, CPoint(), AFX_IDW_DOCKBAR_RIGHT}};
    foreign.SaveState("GroupToolBar");

    CGroupFrame* frame = OpenGroup(42);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->m_wndToolBar.GetDockBarID(), AFX_IDW_DOCKBAR_TOP);
    frame->SendMessage(WM_CLOSE);
    Pump();
    CDockState saved;
    ASSERT_TRUE(saved.LoadState("GroupToolBar"));
    ASSERT_EQ(saved.m_arrBarInfo.size(), 1u);
    EXPECT_EQ(saved.m_arrBarInfo[0].nBarID, AFX_IDW_TOOLBAR);
}

TEST_F(GroupWindowsTest, AGroupWindowWithoutItsBarIsNotMadeAndKeepsNoDocument) {
    CDockState left;
    left.m_arrBarInfo = {{AFX_IDW_TOOLBAR, TRUE, FALSE, CPoint(), AFX_IDW_DOCKBAR_LEFT}};
    UseProgramResourcesWithout(27346);
    ASSERT_EQ(Start(), std::nullopt);
    left.SaveState("GroupToolBar");

    EXPECT_EQ(OpenGroup(42), nullptr);
    Pump();
    EXPECT_EQ(OpenDocuments(Template(IDR_GROUP)), 0u);
    CDockState saved;
    ASSERT_TRUE(saved.LoadState("GroupToolBar"));
    EXPECT_EQ(saved.m_arrBarInfo, left.m_arrBarInfo) << "the saved layout is kept";
}

TEST_F(GroupWindowsTest, TransfersRunTheLoaderButTypeSeventyFiveAsksItsModel) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupFrame* frame = OpenGroup(42);
    ASSERT_NE(frame, nullptr);
    // The receiver's own memory transfer is not available: each direction says so.
    for (int i = 0; i < 3; ++i) {
        ExpectRefusedTransfer();
    }
    frame->SendMessage(WM_COMMAND, 27119);
    frame->SendMessage(WM_COMMAND, 27118);
    frame->SendMessage(WM_GROUP_TRANSFER_REQUEST, 3, 0);
    EXPECT_EQ(TransferRefusals(), 3u);
    // Accepted and ignored.
    frame->SendMessage(WM_COMMAND, 27140);
    frame->SendMessage(WM_COMMAND, 27141);
    frame->SendMessage(WM_CLOSE);
    Pump();

    frame = OpenGroup(75);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->SendMessage(WM_GROUP_TRANSFER_REQUEST, 3, 0), 0);
    EXPECT_EQ(TransferRefusals(), 3u);
}

TEST_F(GroupWindowsTest, AGroupInTransferStaysOpenThroughEveryWayOfClosingIt) {
    Settings("[Radios]\nRadio#1=Receiver\n[Receiver]\nType=74\nPort=SIM\n");
    ASSERT_EQ(Start(), std::nullopt);
    CGroupFrame* frame = OpenGroup(74);
    ASSERT_NE(frame, nullptr);
    CDocument* doc = frame->GetActiveDocument();
    doc->SetModifiedFlag(TRUE);
    bool asked = false;
    hb::afx::SetModalScript(hb::resources::transfer::kReadInfoDialog, [&](CDialog& dialog) {
        asked = true;
        const std::size_t beeps = Beeps().size();
        // File/Close asks the document to save first; closing the window or the program asks
        // whether the frame may close. No question is put while the transfer runs.
        EXPECT_FALSE(doc->SaveModified());
        frame->SendMessage(WM_CLOSE);
        app->m_pMainWnd->SendMessage(WM_CLOSE);
        EXPECT_TRUE(::IsWindow(frame->m_hWnd));
        EXPECT_TRUE(::IsWindow(app->m_pMainWnd->m_hWnd));
        EXPECT_EQ(OpenDocuments(Template(IDR_GROUP)), 1u);
        EXPECT_EQ(Beeps().size(), beeps + 3);
        EXPECT_TRUE(std::all_of(Beeps().begin() + static_cast<std::ptrdiff_t>(beeps), Beeps().end(),
                                [](UINT beep) { return beep == MB_ICONASTERISK; }));
        hb::afx::ClickButton(dialog.m_hWnd, IDCANCEL);
    });
    frame->SendMessage(WM_COMMAND, 27119);
    EXPECT_TRUE(asked);
    // Once it is over the group closes as any other, asking to save first.
    hb::win::ExpectBox({"Save changes", IDNO, ""});
    frame->SendMessage(WM_CLOSE);
    Pump();
    EXPECT_EQ(OpenDocuments(Template(IDR_GROUP)), 0u);
}

// A type-75 model that counts what the group window asks of it.
class OwnTransferRadio : public Radio {
public:
    OwnTransferRadio(int answer, std::vector<std::tuple<Radio*, CObjectDoc*, CWnd*, WPARAM>>& calls)
        : Radio(*hb::records::FindRadioModel(75)), m_answer(answer), m_calls(calls) {}
    int TransferFromRadio(CObjectDoc* doc, CWnd* frame, WPARAM argument) override {
        m_calls.emplace_back(this, doc, frame, argument);
        return m_answer;
    }

private:
    int m_answer;
    std::vector<std::tuple<Radio*, CObjectDoc*, CWnd*, WPARAM>>& m_calls;
};

TEST_F(GroupWindowsTest, TypeSeventyFiveAsksTheGroupsOwnModelAndRepaintsOnlyWhenItRead) {
    std::vector<std::tuple<Radio*, CObjectDoc*, CWnd*, WPARAM>> calls;
    int answer = 1;
    hb::tessary::SetRadioFactory([&](std::uint8_t type) -> std::unique_ptr<Radio> {
        return type == 75 ? std::make_unique<OwnTransferRadio>(answer, calls) : nullptr;
    });
    ASSERT_EQ(Start(), std::nullopt);
    for (const int answered : {1, 0}) {
        answer = answered;
        calls.clear();
        CGroupFrame* frame = OpenGroup(75);
        ASSERT_NE(frame, nullptr);
        auto* doc = dynamic_cast<CGroupDoc*>(frame->GetActiveDocument());
        ASSERT_NE(doc, nullptr);
        Pump();
        ::ValidateRect(frame->m_hWnd, nullptr);
        EXPECT_EQ(frame->SendMessage(WM_GROUP_TRANSFER_REQUEST, 7, 0), 0);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0], std::make_tuple(doc->GetRadio(), static_cast<CObjectDoc*>(doc),
                                            static_cast<CWnd*>(frame), WPARAM{7}))
            << "the document's own model is asked";
        EXPECT_EQ(::GetUpdateRect(frame->m_hWnd, nullptr, FALSE) != FALSE, answered != 0);
        EXPECT_EQ(TransferRefusals(), 0u) << "the loader is never run";
        frame->SendMessage(WM_CLOSE);
        Pump();
    }
    hb::tessary::SetRadioFactory(nullptr);
}

TEST_F(GroupWindowsTest, TheRangeWindowKeepsItsViewWhenItsBarCannotBeMade) {
    ASSERT_EQ(Start(), std::nullopt);
    Template(IDR_RANGE)->OpenDocumentFile(nullptr, TRUE);
    auto* frame = ActiveFrame<CRangeFrame>();
    ASSERT_NE(frame, nullptr);
    CString title;
    frame->m_wndToolBar.GetWindowText(title);
    EXPECT_EQ(title, "Range Tools");
    EXPECT_GE(frame->m_wndToolBar.CommandToIndex(27324), 0);
    frame->DockControlBar(&frame->m_wndToolBar, AFX_IDW_DOCKBAR_BOTTOM);
    frame->SendMessage(WM_CLOSE);
    Pump();
    CDockState saved;
    ASSERT_TRUE(saved.LoadState("RangeToolBar"));
    ASSERT_EQ(saved.m_arrBarInfo.size(), 1u);
    EXPECT_EQ(saved.m_arrBarInfo[0].nDockBarID, AFX_IDW_DOCKBAR_BOTTOM);

    UseProgramResourcesWithout(27355);
    Template(IDR_RANGE)->OpenDocumentFile(nullptr, TRUE);
    frame = ActiveFrame<CRangeFrame>();
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->m_wndToolBar.m_hWnd);
    ASSERT_NE(frame->GetActiveView(), nullptr);
    EXPECT_EQ(OpenDocuments(Template(IDR_RANGE)), 1u);
    frame->SendMessage(WM_CLOSE);
    Pump();
    ASSERT_TRUE(saved.LoadState("RangeToolBar"));
    EXPECT_EQ(saved.m_arrBarInfo[0].nDockBarID, AFX_IDW_DOCKBAR_BOTTOM) << "not overwritten";
}

TEST_F(GroupWindowsTest, TheDatabaseWindowReadsItsTableAgainOnRefresh) {
    // An Xbase driver installed makes the database template.
    ASSERT_TRUE(hb::win::registry::Seed(HKEY_LOCAL_MACHINE,
                                        "HalbridgeRegistry 1\n[SOFTWARE]\n"
                                        "[SOFTWARE\\Microsoft]\n[SOFTWARE\\Microsoft\\Jet]\n"
                                        "[SOFTWARE\\Microsoft\\Jet\\4.0]\n"
                                        "[SOFTWARE\\Microsoft\\Jet\\4.0\\ISAM Formats]\n"
                                        "[SOFTWARE\\Microsoft\\Jet\\4.0\\ISAM Formats\\Xbase]\n"
                                        "\"Engine\"=sz:\"Xbase\"\n"
                                        "End\n"));
    const std::string path = Doc("Log.dbf");
    {
        DbaseTable table;
        ASSERT_TRUE(table.Create(path, {{"FREQ", 'C', 12, 0}, {"NAME", 'C', 16, 0}}, nullptr));
        ASSERT_TRUE(table.Append({std::string("162.550"), std::string("NOAA")}));
        ASSERT_TRUE(table.Flush());
    }
    ASSERT_EQ(Start(), std::nullopt);
    ASSERT_NE(Template(IDR_DATABASE_XBASE), nullptr);
    Template(IDR_DATABASE_XBASE)->OpenDocumentFile(path.c_str(), TRUE);
    auto* frame = ActiveFrame<CDbaseFrame>();
    ASSERT_NE(frame, nullptr);
    CString title;
    frame->m_wndToolBar.GetWindowText(title);
    EXPECT_EQ(title, "Database Tools");
    auto* view = dynamic_cast<CDbaseView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    CDbaseGrid* grid = view->GetGrid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->GetDlgCtrlID(), 1234);
    ASSERT_EQ(grid->GetNumberRows(), 1);
    EXPECT_EQ(grid->QuickGetText(1, -1), "NAME");
    EXPECT_EQ(grid->QuickGetText(1, 0), "NOAA");

    {
        DbaseTable table;
        ASSERT_TRUE(table.Open(path, nullptr));
        ASSERT_TRUE(table.Append({std::string("156.800"), std::string("Marine 16")}));
        ASSERT_TRUE(table.Flush());
    }
    // Without the database view active the command does nothing.
    frame->SetActiveView(nullptr);
    frame->SendMessage(WM_COMMAND, 1642);
    EXPECT_EQ(grid->GetNumberRows(), 1);
    frame->SetActiveView(view);
    frame->SendMessage(WM_COMMAND, 1642);
    ASSERT_EQ(grid->GetNumberRows(), 2);
    EXPECT_EQ(grid->QuickGetText(1, 1), "Marine 16");
}

TEST_F(GroupWindowsTest, SharedWindowsShowTheScanListsObjectsAndCloseBeforeTheList) {
    ASSERT_EQ(Start(), std::nullopt);
    const std::string group = Doc("Tower.swg");
    const std::string range = Doc("Air.swr");
    {
        CGroupDoc doc;
        doc.NewGroup(42);
        EXPECT_TRUE(doc.OnSaveDocument(group.c_str()));
        CRangeDoc rangeDoc;
        rangeDoc.GetRange()->setLimits(118'000'000, 137'000'000, 25'000);
        EXPECT_TRUE(rangeDoc.OnSaveDocument(range.c_str()));
    }
    auto list = std::make_unique<CRosterDoc>();
    list->m_bAutoDelete = FALSE;
    for (const std::string& path : {group, range}) {
        auto entry = std::make_unique<RosterEntry>();
        entry->active = RosterEntry::kOn;
        entry->setFileName(path);
        list->GetRoster()->addEntry(std::move(entry));
    }
    ASSERT_EQ(list->GetRoster()->Load(0), 0);
    const auto& entries = list->GetRoster()->entries();
    Object* sharedGroup = entries[entries.size() - 2]->object();
    Object* sharedRange = entries.back()->object();
    ASSERT_NE(sharedGroup, nullptr);

    Template(IDR_GROUP)->OpenDocumentFile(("\\[]\\" + group).c_str(), TRUE);
    CGroupFrame* frame = ActiveFrame<CGroupFrame>();
    ASSERT_NE(frame, nullptr);
    auto* doc = dynamic_cast<CGroupDoc*>(frame->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(doc->IsShared());
    EXPECT_EQ(doc->GetOwner(), list.get());
    EXPECT_EQ(doc->GetGroup(), sharedGroup);
    // The type of a shared group is the list's to change.
    frame->GetActiveView()->SendMessage(WM_COMMAND, 27181);
    EXPECT_TRUE(hb::afx::ModalLog().empty());

    Template(IDR_RANGE)->OpenDocumentFile(("\\[]\\" + range).c_str(), TRUE);
    auto* rangeFrame = ActiveFrame<CRangeFrame>();
    ASSERT_NE(rangeFrame, nullptr);
    auto* rangeDoc = dynamic_cast<CRangeDoc*>(rangeFrame->GetActiveDocument());
    ASSERT_NE(rangeDoc, nullptr);
    EXPECT_EQ(rangeDoc->GetRange(), sharedRange);
    // The list has no radio window: its lock-out map is nobody's to edit.
    rangeFrame->GetActiveView()->SendMessage(WM_COMMAND, 27186);
    EXPECT_TRUE(hb::afx::ModalLog().empty());

    // Saved, a shared object goes to its own file.
    EXPECT_EQ(doc->GetTitle(), "Tower.swg");
    sharedGroup->setName("Saved");
    ASSERT_TRUE(doc->OnSaveDocument(doc->GetPathName()));
    CGroupDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(group.c_str()));
    EXPECT_EQ(reread.GetGroup()->name(), "Saved");

    // Closing the sharers of one file leaves the others; the list going closes the rest first,
    // without asking, even when they changed.
    list->ShareClose(range.c_str());
    EXPECT_EQ(OpenDocuments(Template(IDR_RANGE)), 0u);
    EXPECT_EQ(OpenDocuments(Template(IDR_GROUP)), 1u);
    doc->SetModifiedFlag(TRUE);
    list->OnCloseDocument();
    Pump();
    EXPECT_EQ(OpenDocuments(Template(IDR_GROUP)), 0u);
    EXPECT_EQ(OpenDocuments(Template(IDR_RANGE)), 0u);
    EXPECT_EQ(ActiveFrame<CMDIChildFrame>(), nullptr);
}

} // namespace
} // namespace hb::app::test
