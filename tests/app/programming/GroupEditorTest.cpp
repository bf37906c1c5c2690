// The group window's grid as the user edits it: sheets built from the group, cells typed, pasted
// and cleared through the grid's one edit path, the fixed-organisation toggle and printing.
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CMDIFrameWnd.h"
#include "platform/afx/CPrintInfo.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/afx/PrintJobs.h"
#include "platform/engine/EngineSim.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/app/SelectRadio.h"
#include "platform/tessary/grid/GridFind.h"
#include "platform/tessary/grid/GroupGrid.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/menu/Menus.h"
#include "programming/GroupFrame.h"
#include "programming/GroupView.h"
#include "resources/ResourceIds.h"
#include "tests/app/ProgramTest.h"
#include "tests/app/programming/AnsweredBoxes.h"

namespace hb::app::test {
namespace {

using hb::records::Parm;

class GroupEditorTest : public ProgramTest, protected AnsweredBoxes {
protected:
    GroupEditorTest() {
        Settings(kTwoRadios);
        UseResourceLibrary();
    }

    // A group of radio type 42 with a bank of the named channels, opened through its template.
    CGroupView* OpenGroup(const std::vector<std::pair<std::uint32_t, std::string>>& channels) {
        const std::string path = Doc("Tower.swg");
        {
            CGroupDoc doc;
            doc.NewGroup(kType);
            auto bank = std::make_unique<Bank>();
            bank->number = 1;
            bank->setName("Local");
            for (const auto& [hz, name] : channels) {
                auto channel = std::make_unique<Chan>();
                channel->reset(doc.GetRadio());
                Parm record = channel->record();
                record.set(Parm::kFrequency, hz);
                record.setText(Parm::kName, name);
                channel->SetParm(record);
                bank->addMember(std::move(channel));
            }
            doc.GetGroup()->addBank(std::move(bank));
            EXPECT_TRUE(doc.OnSaveDocument(path.c_str()));
        }
        return OpenFile(path);
    }
    CGroupView* OpenFile(const std::string& path) {
        POSITION pos = app->GetFirstDocTemplatePosition();
        while (pos) {
            CDocTemplate* candidate = app->GetNextDocTemplate(pos);
            if (candidate->m_nIDResource == IDR_GROUP) {
                candidate->OpenDocumentFile(path.c_str(), TRUE);
            }
        }
        auto* main = static_cast<CMDIFrameWnd*>(app->m_pMainWnd);
        auto* frame = dynamic_cast<CGroupFrame*>(main->MDIGetActive());
        return frame ? dynamic_cast<CGroupView*>(frame->GetActiveView()) : nullptr;
    }
    // Types the text into the current cell and presses the key that ends the edit.
    static void Type(CUGCtrl& grid, const std::string& text, UINT endKey = VK_RETURN) {
        grid.SendMessage(WM_CHAR, static_cast<WPARAM>(text.front()));
        ASSERT_NE(grid.GetEditCtrl(), nullptr);
        grid.GetEditCtrl()->SetWindowText(text.c_str());
        grid.GetEditCtrl()->SendMessage(WM_KEYDOWN, endKey);
    }

    // The radio-type list answers with the named model, or with Cancel for none.
    static void ChooseRadio(const std::string& name) {
        hb::afx::SetModalScript("CSelectRadio", [name](CDialog& dialog) {
            const HWND list = ::GetDlgItem(dialog.m_hWnd, CSelectRadio::IDC_RADIOS);
            const auto rows = ::SendMessage(list, LB_GETCOUNT, 0, 0);
            for (LRESULT row = 0; row < rows; ++row) {
                char text[64] = {};
                ::SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(row),
                              reinterpret_cast<LPARAM>(text));
                if (name == text) {
                    ::SendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
                    hb::afx::ClickButton(dialog.m_hWnd, IDOK);
                    return;
                }
            }
            hb::afx::ClickButton(dialog.m_hWnd, IDCANCEL);
        });
    }

    static constexpr std::uint8_t kType = 42;
};

TEST_F(GroupEditorTest, TheGridShowsBanksAndChannelsAndOpensOnTheChannels) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view = OpenGroup({{162'550'000, "NOAA"}, {156'800'000, "Marine 16"}});
    ASSERT_NE(view, nullptr);
    CGrid* grid = view->GetGrid();
    ASSERT_NE(grid, nullptr);
    ASSERT_TRUE(::IsWindow(grid->m_hWnd));
    EXPECT_EQ(grid->GetDlgCtrlID(), 1234);
    EXPECT_EQ(grid->GetNumberSheets(), 2);
    EXPECT_EQ(grid->GetTabName(0), "Banks");
    EXPECT_EQ(grid->GetTabName(1), "Channels");
    EXPECT_EQ(grid->GetSheetNumber(), CGroupGrid::kChannelsSheet);
    ASSERT_EQ(grid->GetNumberRows(), 2);
    EXPECT_EQ(grid->QuickGetText(CGroupGrid::kFrequencyColumn, -1), "Frequency");
    EXPECT_EQ(grid->QuickGetText(CGroupGrid::kFrequencyColumn, 0), "162.550000");
    EXPECT_EQ(grid->QuickGetText(CGroupGrid::kNameColumn, 1), "Marine 16");
    CRect client;
    grid->GetClientRect(&client);
    CRect viewClient;
    view->GetClientRect(&viewClient);
    EXPECT_EQ(client.Size(), viewClient.Size()) << "the grid fills the view";

    // A click on the Banks tab shows the bank.
    const CPoint tab = grid->TabRect(CGroupGrid::kBanksSheet).CenterPoint();
    grid->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.x, tab.y));
    grid->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(tab.x, tab.y));
    EXPECT_EQ(grid->GetSheetNumber(), CGroupGrid::kBanksSheet);
    ASSERT_EQ(grid->GetNumberRows(), 1);
    EXPECT_EQ(grid->QuickGetText(CGroupGrid::kBankNameColumn, 0), "Local");
    EXPECT_EQ(grid->QuickGetText(CGroupGrid::kBankChannelsColumn, 0), "2");
}

TEST_F(GroupEditorTest, TypedCellsAreCheckedByTheRadioBeforeTheChannelTakesThem) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view = OpenGroup({{0, ""}, {0, ""}});
    ASSERT_NE(view, nullptr);
    CGrid& grid = *view->GetGrid();
    auto& groupGrid = dynamic_cast<CGroupGrid&>(grid);
    CDocument* doc = view->GetDocument();

    grid.GotoCell(CGroupGrid::kFrequencyColumn, 0);
    Type(grid, "162.55");
    EXPECT_EQ(groupGrid.ChannelAt(0)->frequency(), 162'550'000u);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(grid.GetCurrentRow(), 1) << "Return moves down";
    EXPECT_EQ(grid.GetEditCtrl(), nullptr);

    // Outside the radio's coverage: a beep, the edit stays for mending, Escape keeps the cell.
    const std::size_t beeps = hb::win::Beeps().size();
    Type(grid, "99999");
    EXPECT_EQ(hb::win::Beeps().size(), beeps + 1);
    ASSERT_NE(grid.GetEditCtrl(), nullptr);
    grid.GetEditCtrl()->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(grid.GetEditCtrl(), nullptr);
    EXPECT_EQ(groupGrid.ChannelAt(1)->frequency(), 0u);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kFrequencyColumn, 1), "");

    // Names are cut to what a channel holds; modes must be the radio's.
    grid.GotoCell(CGroupGrid::kNameColumn, 0);
    Type(grid, "Weather radio of the county");
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kNameColumn, 0), "Weather radio of");
    grid.GotoCell(CGroupGrid::kModeColumn, 0);
    Type(grid, "XYZ");
    ASSERT_NE(grid.GetEditCtrl(), nullptr) << "an unknown mode is refused";
    grid.GetEditCtrl()->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    // Read-only cells take nothing.
    grid.GotoCell(CGroupGrid::kHitsColumn, 0);
    grid.SendMessage(WM_CHAR, '5');
    EXPECT_EQ(grid.GetEditCtrl(), nullptr);

    // A click on the L/O check box locks the channel out.
    const CPoint box = grid.CellRect(CGroupGrid::kLockOutColumn, 0).CenterPoint();
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.x, box.y));
    grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(box.x, box.y));
    EXPECT_EQ(groupGrid.ChannelAt(0)->lockOut(), 0xFF);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kLockOutColumn, 0), "1");
}

TEST_F(GroupEditorTest, CopyPasteAndClearGoThroughTheGridAndSurviveSaving) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view = OpenGroup({{162'550'000, "NOAA"}, {156'800'000, "Marine 16"}, {0, ""}});
    ASSERT_NE(view, nullptr);
    CGrid& grid = *view->GetGrid();
    // Frequency to name of the first two rows onto the third.
    grid.GotoCell(CGroupGrid::kFrequencyColumn, 0);
    grid.SelectRange(CGroupGrid::kFrequencyColumn, 0, CGroupGrid::kFrequencyColumn, 0);
    view->SendMessage(WM_COMMAND, 57634);
    grid.GotoCell(CGroupGrid::kFrequencyColumn, 2);
    view->SendMessage(WM_COMMAND, 57637);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kFrequencyColumn, 2), "162.550000");

    // Cut of a name clears it; the cleared row keeps its frequency.
    grid.GotoCell(CGroupGrid::kNameColumn, 1);
    view->SendMessage(WM_COMMAND, 57635);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kNameColumn, 1), "");
    grid.GotoCell(CGroupGrid::kNameColumn, 2);
    view->SendMessage(WM_COMMAND, 57637);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kNameColumn, 2), "Marine 16");

    // Select all then clear: the read-only cells stay, and nothing more is asked.
    view->SendMessage(WM_COMMAND, 57642);
    EXPECT_TRUE(grid.IsSelected(0, 0));
    EXPECT_TRUE(grid.IsSelected(CGroupGrid::kLastHitColumn, 2));
    view->SendMessage(WM_COMMAND, 27148);
    EXPECT_FALSE(grid.IsSelected(0, 0));

    view->GetDocument()->OnSaveDocument(Doc("Tower.swg").c_str());
    CGroupDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(Doc("Tower.swg").c_str()));
    const auto& members = reread.GetGroup()->banks().at(0)->members();
    ASSERT_EQ(members.size(), 3u);
    EXPECT_EQ(members[2]->frequency(), 162'550'000u);
    EXPECT_EQ(members[2]->record().text(Parm::kName).substr(0, 9), "Marine 16");
    EXPECT_EQ(members[1]->record().text(Parm::kName).find_first_not_of(' '), std::string::npos);
}

TEST_F(GroupEditorTest, TheFixedOrganisationToggleMarksTheDocumentAndChecksTheButton) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view = OpenGroup({{162'550'000, "NOAA"}});
    ASSERT_NE(view, nullptr);
    auto& doc = *static_cast<CGroupDoc*>(view->GetDocument());
    const std::uint32_t flags = doc.GetGroup()->flags();
    auto* frame = static_cast<CGroupFrame*>(view->GetParentFrame());
    const int button = frame->m_wndToolBar.CommandToIndex(27161);
    ASSERT_GE(button, 0);

    view->SendMessage(WM_COMMAND, 27161);
    EXPECT_TRUE(doc.GetGroup()->flags() & Group::kFlagFixed);
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_TRUE(frame->m_wndToolBar.GetButtonStyle(button) & TBBS_CHECKED);
    view->SendMessage(WM_COMMAND, 27161);
    EXPECT_EQ(doc.GetGroup()->flags(), flags);
    EXPECT_TRUE(doc.IsModified());
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_FALSE(frame->m_wndToolBar.GetButtonStyle(button) & TBBS_CHECKED);
}

TEST_F(GroupEditorTest, PrintingPrintsThePagesTheGridCountsWithTheHeadingsFirst) {
    ASSERT_EQ(Start(), std::nullopt);
    std::vector<std::pair<std::uint32_t, std::string>> channels;
    for (int index = 0; index < 120; ++index) {
        channels.emplace_back(150'000'000 + 12'500 * index, "Ch " + std::to_string(index));
    }
    CGroupView* view = OpenGroup(channels);
    ASSERT_NE(view, nullptr);
    hb::afx::SetPrintPreparation([](CPrintInfo&) { return true; });
    view->SendMessage(WM_COMMAND, 57607);
    ASSERT_EQ(hb::afx::PrintLog().size(), 1u);
    const hb::afx::PrintJob& job = hb::afx::PrintLog()[0];
    CGrid& grid = *view->GetGrid();
    const int pages =
        grid.PrintInit(nullptr, nullptr, 0, 0, grid.GetNumberCols() - 1, grid.GetNumberRows() - 1);
    EXPECT_GT(pages, 2) << "120 rows and 13 columns do not fit one page";
    EXPECT_EQ(job.pages.size(), static_cast<std::size_t>(pages));
    std::vector<std::string> firstPage;
    for (const hb::win::DrawRecord& record : job.pages.at(0).list) {
        if (!record.text.empty()) {
            firstPage.push_back(record.text);
        }
    }
    EXPECT_NE(std::ranges::find(firstPage, "Frequency"), firstPage.end());
    EXPECT_NE(std::ranges::find(firstPage, "150.000000"), firstPage.end());
    EXPECT_NE(std::ranges::find(firstPage, "Ch 0"), firstPage.end());
    hb::afx::SetPrintPreparation({});
}

TEST_F(GroupEditorTest, ElementCommandsRefuseAFixedGroupAndSayWhatToSelect) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view = OpenGroup({{162'550'000, "NOAA"}, {156'800'000, "Marine 16"}});
    ASSERT_NE(view, nullptr);
    auto& grid = dynamic_cast<CGroupGrid&>(*view->GetGrid());
    auto& doc = *static_cast<CGroupDoc*>(view->GetDocument());
    Group& group = *doc.GetGroup();

    // A fixed organisation takes no bank or channel more or less.
    group.setFlags(group.flags() | Group::kFlagFixed);
    for (const UINT command : {27153u, 27152u, 27155u, 28735u, 28738u, 27137u}) {
        view->SendMessage(WM_COMMAND, command);
    }
    ASSERT_EQ(boxes.size(), 6u);
    EXPECT_EQ(boxes[0], "Fixed Group Size: This group has a fixed channel and bank organization. "
                        "You cannot add or remove banks.");
    EXPECT_EQ(boxes[3], "Fixed Group Size: This group has a fixed channel and bank organization. "
                        "You cannot add or remove channels.");
    EXPECT_EQ(boxes[5], boxes[3]) << "inserting a row is refused the same way";
    EXPECT_EQ(hb::win::Beeps().back(), MB_ICONASTERISK);
    EXPECT_EQ(grid.GetNumberRows(), 2);
    EXPECT_EQ(group.banks().size(), 1u);
    EXPECT_FALSE(doc.IsModified());
    group.setFlags(group.flags() & ~Group::kFlagFixed);

    // Bank commands on the channels sheet: no bank is selected.
    boxes.clear();
    view->SendMessage(WM_COMMAND, 27152);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "No Banks Selected: Select one or more banks first.");
    EXPECT_FALSE(doc.IsModified());

    // Two channels: one deleted, the other duplicated.
    grid.GotoCell(CGroupGrid::kNameColumn, 0);
    view->SendMessage(WM_COMMAND, 28735);
    ASSERT_EQ(grid.GetNumberRows(), 1);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kNameColumn, 0), "Marine 16");
    EXPECT_TRUE(doc.IsModified());
    view->SendMessage(WM_COMMAND, 28738);
    ASSERT_EQ(grid.GetNumberRows(), 2);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kNameColumn, 1), "Marine 16");

    // A bank inserted before the selected one, then the two merged into the first.
    grid.SetSheetNumber(CGroupGrid::kBanksSheet);
    grid.GotoCell(CGroupGrid::kBankNameColumn, 0);
    view->SendMessage(WM_COMMAND, 27155);
    EXPECT_EQ(boxes.back(), "No Banks Selected: Select two or more banks to merge.");
    view->SendMessage(WM_COMMAND, 27153);
    ASSERT_EQ(group.banks().size(), 2u);
    EXPECT_EQ(group.banks()[1]->name(), "Local");
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kBankNumberColumn, 1), "2");
    grid.SelectRange(0, 0, CGroupGrid::kBankColumns - 1, 1);
    view->SendMessage(WM_COMMAND, 27155);
    ASSERT_EQ(group.banks().size(), 1u);
    EXPECT_EQ(group.banks()[0]->members().size(), 2u);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kBankChannelsColumn, 0), "2");
}

TEST_F(GroupEditorTest, InsertedRowsAreEmptyChannelsOfTheCurrentBank) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view = OpenGroup({{162'550'000, "NOAA"}, {156'800'000, "Marine 16"}});
    ASSERT_NE(view, nullptr);
    CGrid& grid = *view->GetGrid();
    grid.GotoCell(CGroupGrid::kNameColumn, 1);
    view->SendMessage(WM_COMMAND, 27138);
    ASSERT_EQ(grid.GetNumberRows(), 3);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kNameColumn, 1), "");
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kFrequencyColumn, 1), "");
    view->SendMessage(WM_COMMAND, 27137);
    ASSERT_EQ(grid.GetNumberRows(), 4);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kNameColumn, 3), "Marine 16");

    // Sorting by frequency puts the empty channels last.
    view->SendMessage(WM_COMMAND, 27146);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kNameColumn, 0), "Marine 16");
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kNameColumn, 1), "NOAA");
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kFrequencyColumn, 3), "");
    EXPECT_TRUE(view->GetDocument()->IsModified());
}

TEST_F(GroupEditorTest, ATrunkScannersSearchRangesBesideItsBanksAreEditedOnTheirSheet) {
    ASSERT_EQ(Start(), std::nullopt);
    const std::string path = Doc("Trunk35.swg");
    {
        CGroupDoc doc;
        doc.NewGroup(35);
        doc.GetRadio()->ConformGroup(*doc.GetGroup());
        ASSERT_EQ(doc.GetGroup()->extras().size(), 1u);
        ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    }
    CGroupView* view = OpenFile(path);
    ASSERT_NE(view, nullptr);
    auto& grid = dynamic_cast<CGroupGrid&>(*view->GetGrid());
    Group& group = *view->GetGroupDoc()->GetGroup();
    grid.SetSheetNumber(CGroupGrid::kRangesSheet);
    ASSERT_EQ(grid.GetNumberRows(), 1);
    grid.GotoCell(CGroupGrid::kRangeNameColumn, 0);
    Type(grid, "Air");
    EXPECT_EQ(group.extras()[0]->name(), "Air");

    group.setFlags(group.flags() & ~Group::kFlagFixed);
    grid.GotoCell(0, 0);
    view->SendMessage(WM_COMMAND, 28734);
    ASSERT_EQ(group.extras().size(), 2u);
    EXPECT_EQ(group.extras()[0]->name(), "Air") << "the new range follows the selected one";
    EXPECT_EQ(grid.GetNumberRows(), 2);
    grid.GotoCell(0, 0);
    view->SendMessage(WM_COMMAND, 28737);
    ASSERT_EQ(group.extras().size(), 1u);
    EXPECT_NE(group.extras()[0]->name(), "Air");
    EXPECT_EQ(grid.GetNumberRows(), 1);
}

TEST_F(GroupEditorTest, ADuplicatedBankKeepsItsRangesAndIdsWhole) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view = OpenGroup({{162'550'000, "NOAA"}});
    ASSERT_NE(view, nullptr);
    auto& grid = dynamic_cast<CGroupGrid&>(*view->GetGrid());
    Group& group = *view->GetGroupDoc()->GetGroup();
    Bank& bank = *group.banks().at(0);
    auto range = std::make_unique<Range>();
    range->setLimits(150'000'000, 151'000'000, 12'500);
    range->setName("Air");
    range->setOptions(Range::kOptionStoreHits | Range::kOptionLockOutHits);
    scan_fetch_blob(range->records(), static_cast<std::uint32_t>(hb::records::BlobTag::LockOutMap),
                    0, 16)
        ->data.at(9) = 0x5A;
    auto found = std::make_unique<Chan>(Object::Kind::StandaloneChannel);
    found->setName("Found");
    range->addFound(std::move(found));
    bank.addMember(std::move(range));
    auto id = std::make_unique<UserIdEntry>();
    id->setTag("Dispatch");
    id->setOptions(UserIdEntry::kOptionLockedOut);
    bank.addUserId(std::move(id));
    view->RefreshGrid();

    grid.SetSheetNumber(CGroupGrid::kBanksSheet);
    grid.GotoCell(CGroupGrid::kBankNameColumn, 0);
    view->SendMessage(WM_COMMAND, 28740);
    ASSERT_EQ(group.banks().size(), 2u);
    const Bank& copy = *group.banks()[1];
    ASSERT_EQ(copy.members().size(), 2u);
    const auto* copied = dynamic_cast<const Range*>(copy.members()[1].get());
    ASSERT_NE(copied, nullptr) << "the range stays a range";
    EXPECT_EQ(copied->name(), "Air");
    EXPECT_EQ(copied->upper(), 151'000'000u);
    EXPECT_EQ(copied->options(), Range::kOptionStoreHits | Range::kOptionLockOutHits);
    ASSERT_EQ(copied->records().size(), 1u);
    EXPECT_EQ(copied->records()[0]->data.at(9), 0x5A);
    ASSERT_EQ(copied->found().size(), 1u);
    EXPECT_EQ(copied->found()[0]->name(), "Found");
    EXPECT_EQ(copied->found()[0]->parent(), copied);
    ASSERT_EQ(copy.userIds().size(), 1u);
    EXPECT_EQ(copy.userIds()[0]->tag(), "Dispatch");
    EXPECT_EQ(copy.userIds()[0]->options(), UserIdEntry::kOptionLockedOut);
    EXPECT_NE(copy.userIds()[0].get(), bank.userIds()[0].get());
}

// Counts the models of one type alive, so that a test sees none outlive a command.
class CountedRadio : public Radio {
public:
    explicit CountedRadio(std::uint8_t type) : Radio(*hb::records::FindRadioModel(type)) { ++live; }
    ~CountedRadio() override { --live; }
    static inline int live = 0;
};

TEST_F(GroupEditorTest, ChangingTheRadioTypeAsksStoresConformsAndClosesTheWindow) {
    constexpr std::uint8_t kFixedType = 1; // "Scanner 1": ten banks of ten channels, fixed
    hb::tessary::SetRadioFactory([](std::uint8_t type) -> std::unique_ptr<Radio> {
        return type == kFixedType ? std::make_unique<CountedRadio>(type) : nullptr;
    });
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view = OpenGroup({{162'550'000, "NOAA"}});
    ASSERT_NE(view, nullptr);
    auto& doc = *view->GetGroupDoc();
    Group& group = *doc.GetGroup();

    // The group's own type: nothing is asked.
    ChooseRadio("Receiver 42");
    view->SendMessage(WM_COMMAND, 27181);
    EXPECT_TRUE(boxes.empty());
    // A model that needs a fixed organisation asks twice; Cancel on the second keeps the type.
    ChooseRadio("Scanner 1");
    answers = {IDOK, IDCANCEL};
    view->SendMessage(WM_COMMAND, 27181);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], "Change Radio Type - Tower.swg to Scanner 1: Press OK to change the "
                        "associated radio to Scanner 1. If you press OK, the file will be saved. "
                        "The radio type will be changed the next time you open this file.");
    EXPECT_EQ(boxes[1].substr(0, 66),
              "Warning: Possible Data Loss: The Scanner 1 radio requires a fixed ");
    EXPECT_NE(boxes[1].find("than the Scanner 1 has."), std::string::npos);
    EXPECT_EQ(group.radioType(), kType);
    EXPECT_FALSE(doc.IsModified());
    // Cancel on the first question, and Cancel in the list.
    answers = {IDCANCEL};
    view->SendMessage(WM_COMMAND, 27181);
    ChooseRadio("");
    view->SendMessage(WM_COMMAND, 27181);
    EXPECT_EQ(boxes.size(), 3u);
    EXPECT_EQ(group.radioType(), kType);
    EXPECT_EQ(CountedRadio::live, 0) << "the chosen model goes with the command";

    // OK twice: stored, conformed, modified; the window closes after the save question.
    boxes.clear();
    ChooseRadio("Scanner 1");
    answers = {IDOK, IDOK, IDNO};
    view->SendMessage(WM_COMMAND, 27181);
    EXPECT_EQ(group.radioType(), kFixedType);
    EXPECT_EQ(group.banks().size(), 10u);
    EXPECT_EQ(group.banks()[0]->members().size(), 10u);
    EXPECT_TRUE(group.flags() & Group::kFlagFixed);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(CountedRadio::live, 0);
    EXPECT_EQ(doc.GetRadio()->RadioTypeCode(), kType) << "the old model stays until reopening";
    Pump();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2], "Halbridge Pro: Save changes to Tower.swg?");
    auto* main = static_cast<CMDIFrameWnd*>(app->m_pMainWnd);
    EXPECT_EQ(main->MDIGetActive(), nullptr);
    hb::tessary::SetRadioFactory(nullptr);
}

TEST_F(GroupEditorTest, ANewGroupIsForTheChosenRadioTypeAndCancelOpensNothing) {
    ASSERT_EQ(Start(), std::nullopt);
    auto* main = static_cast<CMDIFrameWnd*>(app->m_pMainWnd);
    ChooseRadio("");
    Command(ID_FILE_NEW_GROUP);
    EXPECT_EQ(main->MDIGetActive(), nullptr);
    ASSERT_EQ(hb::afx::ModalLog().size(), 1u);
    EXPECT_EQ(hb::afx::ModalLog()[0].caption, "Select Radio Type");

    ChooseRadio("Trunk Tracker 43");
    Command(ID_FILE_NEW_GROUP);
    auto* frame = dynamic_cast<CGroupFrame*>(main->MDIGetActive());
    ASSERT_NE(frame, nullptr);
    auto* doc = dynamic_cast<CGroupDoc*>(frame->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetGroup()->radioType(), 43);
    ASSERT_NE(doc->GetRadio(), nullptr);
    EXPECT_EQ(doc->GetRadio()->RadioTypeCode(), 43);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(GroupEditorTest, ResettingStatisticsAsksFirstAndClearsTheGroupOrTheSheet) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view = OpenGroup({{162'550'000, "NOAA"}, {156'800'000, "Marine 16"}});
    ASSERT_NE(view, nullptr);
    auto& doc = *view->GetGroupDoc();
    Bank& bank = *doc.GetGroup()->banks().at(0);
    const auto hit = [&] {
        for (const auto& member : bank.members()) {
            member->statistics().addHit(65'000, 1'700'000'000);
        }
        bank.userIds().at(0)->statistics().addHit(3'000, 1'700'000'000);
    };
    bank.addUserId(std::make_unique<UserIdEntry>());
    hit();
    view->RefreshGrid();
    CGrid& grid = *view->GetGrid();
    ASSERT_EQ(grid.QuickGetText(CGroupGrid::kHitsColumn, 0), "1");
    const auto hits = [&] {
        return std::vector<std::uint32_t>{bank.members()[0]->statistics().hitCount,
                                          bank.members()[1]->statistics().hitCount,
                                          bank.userIds()[0]->statistics().hitCount};
    };

    // Cancel changes nothing.
    answers = {IDCANCEL};
    view->SendMessage(WM_COMMAND, 27156);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Caution - Resetting Statistics: Reset air time, hit count and recent log "
                        "history.");
    EXPECT_EQ(hb::win::Beeps().back(), MB_ICONASTERISK);
    EXPECT_EQ(hits(), (std::vector<std::uint32_t>{1, 1, 1}));
    EXPECT_FALSE(doc.IsModified());

    // On the channels sheet: the channels only, and the grid shows it.
    view->SendMessage(WM_COMMAND, 27157);
    EXPECT_EQ(hits(), (std::vector<std::uint32_t>{0, 0, 1}));
    EXPECT_EQ(bank.members()[0]->statistics().airTime, 0u);
    EXPECT_EQ(bank.members()[0]->statistics().lastHit, 0);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kHitsColumn, 0), "0");
    EXPECT_TRUE(doc.IsModified());

    // The whole group: channels and user IDs.
    hit();
    view->SendMessage(WM_COMMAND, 27156);
    EXPECT_EQ(hits(), (std::vector<std::uint32_t>{0, 0, 0}));
    EXPECT_EQ(bank.userIds()[0]->statistics().airTime, 0u);
}

TEST_F(GroupEditorTest, GlobalSettingsMarkTheGroupOnlyWhenTakenAndRowsAreNotCloned) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view = OpenGroup({{162'550'000, "NOAA"}});
    ASSERT_NE(view, nullptr);
    CDocument& doc = *view->GetDocument();
    for (const int button : {IDCANCEL, IDOK}) {
        hb::afx::SetModalScript("CRadioGroupSettings", [button](CDialog& dialog) {
            hb::afx::ClickButton(dialog.m_hWnd, button);
        });
        view->SendMessage(WM_COMMAND, 27139);
        EXPECT_EQ(doc.IsModified() != FALSE, button == IDOK);
    }

    view->SendMessage(WM_COMMAND, 27158);
    ASSERT_EQ(hb::engine::EngineSim::Messages().size(), 1u);
    EXPECT_EQ(hb::engine::EngineSim::Messages()[0].number, 1u);
    EXPECT_EQ(hb::engine::EngineSim::Messages()[0].window, view->m_hWnd);
    EXPECT_EQ(boxes.back(), "Radio Engine: Rows cannot be cloned; copy and paste them instead.");
}

TEST_F(GroupEditorTest, ARightClickOffersTheGridMenuWithTheSheetsElementCommands) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view = OpenGroup({{162'550'000, "NOAA"}, {156'800'000, "Marine 16"}});
    ASSERT_NE(view, nullptr);
    CGrid& grid = *view->GetGrid();
    const CPoint cell = grid.CellRect(CGroupGrid::kFrequencyColumn, 0).CenterPoint();
    hb::win::ExpectPopupMenu(28735);
    grid.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(cell.x, cell.y));
    grid.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(cell.x, cell.y));
    Pump();
    ASSERT_EQ(hb::win::PopupMenuLog().size(), 1u);
    const std::vector<UINT>& offered = hb::win::PopupMenuLog()[0].enabled;
    EXPECT_EQ(hb::win::PopupMenuLog()[0].owner, view->m_hWnd);
    for (const UINT command :
         {57634u, 27137u, 27138u, 27158u, 27051u, 27058u, 27181u, 27139u, 28735u, 28738u}) {
        EXPECT_NE(std::ranges::find(offered, command), offered.end()) << command;
    }
    EXPECT_EQ(std::ranges::find(offered, 27152u), offered.end()) << "a bank command";
    // The chosen command ran: the clicked channel is gone.
    ASSERT_EQ(grid.GetNumberRows(), 1);
    EXPECT_EQ(grid.QuickGetText(CGroupGrid::kNameColumn, 0), "Marine 16");
}

TEST_F(GroupEditorTest, FindMovesToTheNextCellHoldingTheTextAndBeepsWhenNoneDoes) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view =
        OpenGroup({{162'550'000, "NOAA"}, {156'800'000, "Marine 16"}, {156'450'000, "marine 9"}});
    ASSERT_NE(view, nullptr);
    CGrid& grid = *view->GetGrid();
    grid.GotoCell(0, 0);
    std::vector<std::pair<int, long>> found;
    std::string caption;
    hb::afx::SetModalScript("CGridFind", [&](CDialog& dialog) {
        caption = hb::afx::ModalLog().back().caption;
        EXPECT_EQ(dialog.GetDlgItem(CGridFind::IDC_REPLACE_TEXT), nullptr);
        dialog.SetDlgItemText(CGridFind::IDC_FIND_TEXT, "MARINE");
        for (int press = 0; press < 3; ++press) {
            hb::afx::ClickButton(dialog.m_hWnd, CGridFind::IDC_FIND_NEXT);
            found.emplace_back(grid.GetCurrentCol(), grid.GetCurrentRow());
        }
        // With the case matched only the second channel's name holds it, and "MARINE" none.
        dialog.CheckDlgButton(CGridFind::IDC_MATCH_CASE, BST_CHECKED);
        const std::size_t beeps = hb::win::Beeps().size();
        hb::afx::ClickButton(dialog.m_hWnd, CGridFind::IDC_FIND_NEXT);
        EXPECT_EQ(hb::win::Beeps().size(), beeps + 1);
        dialog.SetDlgItemText(CGridFind::IDC_FIND_TEXT, "Marine");
        hb::afx::ClickButton(dialog.m_hWnd, CGridFind::IDC_FIND_NEXT);
        found.emplace_back(grid.GetCurrentCol(), grid.GetCurrentRow());
        hb::afx::ClickButton(dialog.m_hWnd, IDCANCEL);
    });
    view->SendMessage(WM_COMMAND, 27142);
    EXPECT_EQ(caption, "Find");
    const std::vector<std::pair<int, long>> expected{{CGroupGrid::kNameColumn, 1},
                                                     {CGroupGrid::kNameColumn, 2},
                                                     {CGroupGrid::kNameColumn, 1},
                                                     {CGroupGrid::kNameColumn, 1}};
    EXPECT_EQ(found, expected) << "the search goes round the sheet";
    EXPECT_FALSE(view->GetDocument()->IsModified());
}

TEST_F(GroupEditorTest, ReplacedTextAndColoursSurviveSavingAndReopening) {
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view =
        OpenGroup({{162'550'000, "NOAA"}, {156'800'000, "Marine 16"}, {156'450'000, "Marine 9"}});
    ASSERT_NE(view, nullptr);
    CGrid& grid = *view->GetGrid();
    grid.GotoCell(0, 0);
    hb::afx::SetModalScript("CGridFind", [&](CDialog& dialog) {
        EXPECT_EQ(hb::afx::ModalLog().back().caption, "Replace");
        dialog.SetDlgItemText(CGridFind::IDC_FIND_TEXT, "marine");
        dialog.SetDlgItemText(CGridFind::IDC_REPLACE_TEXT, "Ship");
        // Replace moves to the first match, then replaces it and moves on.
        hb::afx::ClickButton(dialog.m_hWnd, CGridFind::IDC_REPLACE);
        EXPECT_EQ(grid.GetCurrentRow(), 1);
        hb::afx::ClickButton(dialog.m_hWnd, CGridFind::IDC_REPLACE);
        EXPECT_EQ(grid.QuickGetText(CGroupGrid::kNameColumn, 1), "Ship 16");
        EXPECT_EQ(grid.GetCurrentRow(), 2);
        // A frequency the radio cannot take is refused with a beep, the cell kept.
        dialog.SetDlgItemText(CGridFind::IDC_FIND_TEXT, "162.");
        dialog.SetDlgItemText(CGridFind::IDC_REPLACE_TEXT, "99999.");
        const std::size_t beeps = hb::win::Beeps().size();
        hb::afx::ClickButton(dialog.m_hWnd, CGridFind::IDC_REPLACE_ALL);
        EXPECT_EQ(hb::win::Beeps().size(), beeps + 1);
        EXPECT_EQ(grid.QuickGetText(CGroupGrid::kFrequencyColumn, 0), "162.550000");
        dialog.SetDlgItemText(CGridFind::IDC_FIND_TEXT, "Marine");
        dialog.SetDlgItemText(CGridFind::IDC_REPLACE_TEXT, "Ship");
        hb::afx::ClickButton(dialog.m_hWnd, CGridFind::IDC_REPLACE_ALL);
        EXPECT_EQ(grid.QuickGetText(CGroupGrid::kNameColumn, 2), "Ship 9");
        hb::afx::ClickButton(dialog.m_hWnd, IDCANCEL);
    });
    view->SendMessage(WM_COMMAND, 57641);

    // The second and third channels in red.
    grid.SelectRange(0, 1, CGroupGrid::kNameColumn, 2);
    view->SendMessage(WM_COMMAND, 27052);
    CUGCell cell;
    ASSERT_TRUE(grid.GetCell(CGroupGrid::kNameColumn, 2, &cell));
    EXPECT_EQ(cell.GetTextColor(), RGB(192, 0, 0));
    ASSERT_TRUE(grid.GetCell(CGroupGrid::kNameColumn, 0, &cell));
    EXPECT_EQ(cell.GetTextColor(), RGB(0, 0, 0));
    EXPECT_TRUE(view->GetDocument()->IsModified());
    ASSERT_TRUE(view->GetDocument()->OnSaveDocument(Doc("Tower.swg").c_str()));
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Pump();

    view = OpenFile(Doc("Tower.swg"));
    ASSERT_NE(view, nullptr);
    CGrid& reopened = *view->GetGrid();
    ASSERT_EQ(reopened.GetNumberRows(), 3);
    EXPECT_EQ(reopened.QuickGetText(CGroupGrid::kNameColumn, 1), "Ship 16");
    EXPECT_EQ(reopened.QuickGetText(CGroupGrid::kNameColumn, 2), "Ship 9");
    ASSERT_TRUE(reopened.GetCell(CGroupGrid::kFrequencyColumn, 1, &cell));
    EXPECT_EQ(cell.GetTextColor(), RGB(192, 0, 0));
    ASSERT_TRUE(reopened.GetCell(CGroupGrid::kFrequencyColumn, 0, &cell));
    EXPECT_EQ(cell.GetTextColor(), RGB(0, 0, 0));
}

// What each element command works on, and by how much it changes their number when done.
struct ElementCase {
    UINT id;
    int sheet;
    int change;
    std::string kind;
    std::string noneSelected;
    std::string caption;
};

std::ostream& operator<<(std::ostream& out, const ElementCase& c) {
    return out << c.id;
}

class ElementCommandTest : public GroupEditorTest,
                           public ::testing::WithParamInterface<ElementCase> {
protected:
    // A group of a trunk tracker, which keeps user IDs and search ranges: two banks, each with a
    // channel, a user ID and a range.
    CGroupView* OpenTrunkGroup(const std::string& path) {
        {
            CGroupDoc doc;
            doc.NewGroup(43);
            for (std::uint16_t number = 1; number <= 2; ++number) {
                auto bank = std::make_unique<Bank>();
                bank->number = number;
                bank->addMember(std::make_unique<Chan>()).reset(doc.GetRadio());
                bank->addMember(std::make_unique<Range>()).reset(doc.GetRadio());
                bank->addUserId(std::make_unique<UserIdEntry>());
                doc.GetGroup()->addBank(std::move(bank));
            }
            EXPECT_TRUE(doc.OnSaveDocument(path.c_str()));
        }
        return OpenFile(path);
    }
};

std::size_t Count(const Group& group, int sheet) {
    std::size_t count = sheet == CGroupGrid::kBanksSheet ? group.banks().size() : 0;
    for (const auto& bank : group.banks()) {
        for (const auto& member : bank->members()) {
            const bool range = member->kind() == Object::Kind::SearchRange;
            count += (sheet == CGroupGrid::kChannelsSheet && !range) ||
                     (sheet == CGroupGrid::kRangesSheet && range);
        }
        count += sheet == CGroupGrid::kUserIdsSheet ? bank->userIds().size() : 0;
    }
    return count;
}

TEST_P(ElementCommandTest, RefusesAFixedGroupSaysWhatToSelectAndElseChangesTheGroup) {
    const ElementCase& c = GetParam();
    ASSERT_EQ(Start(), std::nullopt);
    CGroupView* view = OpenTrunkGroup(Doc("Trunk.swg"));
    ASSERT_NE(view, nullptr);
    auto& grid = dynamic_cast<CGroupGrid&>(*view->GetGrid());
    ASSERT_EQ(grid.GetNumberSheets(), 4);
    EXPECT_EQ(grid.GetTabName(CGroupGrid::kUserIdsSheet), "User IDs");
    EXPECT_EQ(grid.GetTabName(CGroupGrid::kRangesSheet), "Search Ranges");
    CGroupDoc& doc = *view->GetGroupDoc();
    Group& group = *doc.GetGroup();
    const std::size_t before = Count(group, c.sheet);

    group.setFlags(group.flags() | Group::kFlagFixed);
    grid.SetSheetNumber(c.sheet);
    grid.SelectRange(0, 0, 0, 1);
    const std::size_t beeps = hb::win::Beeps().size();
    view->SendMessage(WM_COMMAND, c.id);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Fixed Group Size: This group has a fixed channel and bank organization. "
                        "You cannot add or remove " +
                            c.kind + ".");
    EXPECT_EQ(hb::win::Beeps().size(), beeps + 1);
    EXPECT_EQ(Count(group, c.sheet), before);
    EXPECT_FALSE(doc.IsModified());
    group.setFlags(group.flags() & ~Group::kFlagFixed);

    // Nothing of the kind is selected while another sheet is shown.
    grid.SetSheetNumber(c.sheet == CGroupGrid::kBanksSheet ? CGroupGrid::kChannelsSheet
                                                           : CGroupGrid::kBanksSheet);
    view->SendMessage(WM_COMMAND, c.id);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], c.caption + ": " + c.noneSelected);
    EXPECT_FALSE(doc.IsModified());

    // The first element selected (two banks for a merge).
    grid.SetSheetNumber(c.sheet);
    grid.GotoCell(0, 0);
    if (c.id == 27155) {
        grid.SelectRange(0, 0, 0, 1);
    }
    view->SendMessage(WM_COMMAND, c.id);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(static_cast<long>(Count(group, c.sheet)), static_cast<long>(before) + c.change);
    EXPECT_EQ(grid.GetNumberRows(), static_cast<long>(Count(group, c.sheet))) << "and shown";
    EXPECT_TRUE(doc.IsModified());
}

const std::string kNoBanks = "Select one or more banks first.";
const std::string kNoChannels = "Select one or more channels first.";
const std::string kNoIds = "Select one or more user IDs first.";
const std::string kNoRanges = "Select one or more search ranges first.";
constexpr int kBanks = CGroupGrid::kBanksSheet;
constexpr int kChannels = CGroupGrid::kChannelsSheet;
constexpr int kIds = CGroupGrid::kUserIdsSheet;
constexpr int kRanges = CGroupGrid::kRangesSheet;

INSTANTIATE_TEST_SUITE_P(
    AllFourteen, ElementCommandTest,
    ::testing::Values(
        ElementCase{27153, kBanks, 1, "banks", kNoBanks, "No Banks Selected"},
        ElementCase{27154, kBanks, 1, "banks", kNoBanks, "No Banks Selected"},
        ElementCase{27152, kBanks, -1, "banks", kNoBanks, "No Banks Selected"},
        ElementCase{28740, kBanks, 1, "banks", kNoBanks, "No Banks Selected"},
        ElementCase{27155, kBanks, -1, "banks", "Select two or more banks to merge.",
                    "No Banks Selected"},
        ElementCase{28735, kChannels, -1, "channels", kNoChannels, "No Channels Selected"},
        ElementCase{28738, kChannels, 1, "channels", kNoChannels, "No Channels Selected"},
        ElementCase{28731, kIds, 1, "user IDs", kNoIds, "No User IDs Selected"},
        ElementCase{28732, kIds, 1, "user IDs", kNoIds, "No User IDs Selected"},
        ElementCase{28736, kIds, -1, "user IDs", kNoIds, "No User IDs Selected"},
        ElementCase{28739, kIds, 1, "user IDs", kNoIds, "No User IDs Selected"},
        ElementCase{28733, kRanges, 1, "search ranges", kNoRanges, "No Search Ranges Selected"},
        ElementCase{28734, kRanges, 1, "search ranges", kNoRanges, "No Search Ranges Selected"},
        ElementCase{28737, kRanges, -1, "search ranges", kNoRanges, "No Search Ranges Selected"}));

} // namespace
} // namespace hb::app::test
