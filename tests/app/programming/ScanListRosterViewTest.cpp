// The scan view's "Scan List" tab: a row per entry of the list, the entry picker that changes an
// entry's file while the radio is stopped, the logging switch, the audio mode, titles and
// descriptions, the File button, and a list opened in place of the one shown.
#include "programming/ScanListRosterView.h"

#include "platform/afx/CFileDialog.h"
#include "platform/records/EngineCommands.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/app/RangeDoc.h"
#include "platform/tessary/model/Group.h"
#include "platform/win/core/Hooks.h"
#include "programming/ScanListGrid.h"
#include "radioview/RadioView.h"
#include "tests/app/programming/ScanListTabTest.h"
#include "tests/app/radiowindow/EngineNotificationsTest.h"

#include <filesystem>

namespace hb::app::test {
namespace {

namespace ids = hb::resources::scanlist;
using Column = CScanListGrid::Column;

class ScanListRosterViewTest : public ScanListTabTest {
protected:
    void SetUp() override {
        ScanListTabTest::SetUp();
        // The range's entry names its whole path.
        File read(Doc("Receiver.sws"));
        std::unique_ptr<Object> root = read.release();
        dynamic_cast<Roster&>(*root).entries()[1]->setFileName(Doc("Air.swr"));
        ASSERT_TRUE(File(Doc("Receiver.sws"), root.get()).save());
        Open(0);
    }
    CScanListRosterView& RosterView() const { return dynamic_cast<CScanListRosterView&>(*view); }
    static std::size_t Reloads() { return EngineSim::Calls("scan_reload_engine").size(); }
    // The entries of the list as saved.
    static std::vector<std::string> SavedFiles(const std::string& path) {
        File read(path);
        read.abandon();
        std::vector<std::string> files;
        for (const auto& entry : dynamic_cast<Roster&>(*read.root()).entries()) {
            files.push_back(entry->isActive() ? entry->fileName() : "-");
        }
        return files;
    }
    // Picks the name from the picker's group list with a double click.
    static void PickGroup(const std::string& name) {
        Picker([name](CScanListEntryDlg& picker) {
            ClickName(picker, ids::kGroupList, name);
            ::SendMessage(::GetDlgItem(picker.m_hWnd, ids::kGroupList), WM_LBUTTONDBLCLK, 0, 0);
        });
    }
};

TEST_F(ScanListRosterViewTest, EachEntryIsARowWithItsFileRelativeToTheDocumentsFolder) {
    EXPECT_EQ(Grid().GetDlgCtrlID(), 1234);
    EXPECT_EQ(Grid().GetNumberSheets(), 1);
    ASSERT_EQ(Grid().GetNumberRows(), static_cast<long>(Roster::kDefaultEntries));
    EXPECT_EQ(Row(-1), (std::vector<std::string>{"Type", "Log", "Audio", "File", "Title", "Info"}));
    EXPECT_EQ(Row(0), (std::vector<std::string>{"Group", "1", "All", "Receiver.swg", "Police",
                                                "County police"}));
    EXPECT_EQ(Row(1),
              (std::vector<std::string>{"Search Range", "1", "All", "Air.swr", "Air band", ""}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"Empty", "1", "All", "", "", ""}));
    const std::vector<int> widths{100, 80, 80, 200, 200, 200};
    for (int col = 0; col < Column::kColumns; ++col) {
        EXPECT_EQ(Grid().GetColWidth(col), widths[static_cast<std::size_t>(col)]) << col;
    }
    CUGCell cell;
    Grid().GetCell(Column::kLogColumn, 1, &cell);
    EXPECT_EQ(cell.GetLabelText(), "On");
    EXPECT_EQ(cell.GetBackColor(), GetSysColor(COLOR_MENU));
    Grid().GetCell(Column::kFileColumn, 1, &cell);
    EXPECT_EQ(cell.GetBackColor(), app->Colors().alternateRow) << "every other row shaded";
    EXPECT_TRUE(cell.GetReadOnly());
    for (const int col : {Column::kTitleColumn, Column::kInfoColumn}) {
        Grid().GetCell(col, 0, &cell);
        EXPECT_FALSE(cell.GetReadOnly());
        Grid().GetCell(col, 2, &cell);
        EXPECT_TRUE(cell.GetReadOnly()) << "an empty entry has nothing to name";
    }
}

TEST_F(ScanListRosterViewTest, AColumnWidthTheUserDragsIsBackWhenTheWindowOpensAgain) {
    const CRect heading = Grid().CellRect(Column::kTypeColumn, -1);
    const int y = heading.CenterPoint().y;
    Grid().SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(heading.right, y));
    Grid().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(heading.right + 40, y));
    Grid().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(heading.right + 40, y));
    EXPECT_EQ(Grid().GetColWidth(Column::kTypeColumn), 140);
    frame->SendMessage(WM_CLOSE);
    Pump();

    Open(0);
    EXPECT_EQ(Grid().GetColWidth(Column::kTypeColumn), 140);
    EXPECT_EQ(app->GetProfileIntA("Receiver-ScanList", "ColumnWidth0", 0), 140);
    // A row heading takes no click.
    Grid().GotoCell(Column::kTitleColumn, 0);
    Click(Grid().CellRect(-1, 1).CenterPoint());
    EXPECT_FALSE(Grid().IsSelected(Column::kTitleColumn, 1));
    EXPECT_TRUE(Grid().IsSelected(Column::kTitleColumn, 0));
}

TEST_F(ScanListRosterViewTest, TheFileButtonOpensTheGroupOrRangeSharedWithTheList) {
    PressButton(Column::kFileColumn, 0);
    auto* group = dynamic_cast<CGroupDoc*>(Main().GetActiveFrame()->GetActiveDocument());
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->IsShared());
    EXPECT_EQ(group->GetGroup(), Entry(0).object());

    PressButton(Column::kFileColumn, 1);
    auto* range = dynamic_cast<CRangeDoc*>(Main().GetActiveFrame()->GetActiveDocument());
    ASSERT_NE(range, nullptr);
    EXPECT_TRUE(range->IsShared());
    EXPECT_EQ(range->GetRange(), Entry(1).object());

    CFrameWnd* active = Main().GetActiveFrame();
    PressButton(Column::kFileColumn, 2);
    EXPECT_EQ(Main().GetActiveFrame(), active) << "an empty entry opens nothing";
}

TEST_F(ScanListRosterViewTest, PickingTheSameFileAgainLeavesTheRadioScanning) {
    bool shown = false;
    Picker([&](CScanListEntryDlg& picker) {
        shown = true;
        EXPECT_EQ(Text(picker, ids::kFileName), "Receiver.swg");
        EXPECT_EQ(Text(picker, ids::kKind), "Group");
        EXPECT_EQ(Listed(picker, ids::kGroupList),
                  (std::vector<std::string>{"Fire.swg", "Receiver.swg"}));
        EXPECT_EQ(Listed(picker, ids::kRangeList), std::vector<std::string>{"Air.swr"});
        EXPECT_TRUE(Listed(picker, ids::kChannelList).empty());
        EXPECT_EQ(Text(picker, ids::kFolder), Documents());
        ClickName(picker, ids::kRangeList, "Air.swr");
        EXPECT_EQ(Text(picker, ids::kKind), "Search Range");
        ClickName(picker, ids::kGroupList, "Receiver.swg");
        EXPECT_EQ(picker.SendDlgItemMessage(ids::kRangeList, LB_GETCURSEL), -1);
        hb::afx::ClickButton(picker.m_hWnd, IDOK);
    });
    PressButton(Column::kTypeColumn, 0);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(EngineCodes().empty());
    EXPECT_FALSE(List().IsModified());
    EXPECT_EQ(Entry(0).fileName(), "Receiver.swg");
}

TEST_F(ScanListRosterViewTest, ANewGroupStopsTheRadioChangesTheEntryAndReloadsTheEngine) {
    PickGroup("Fire.swg");
    PressButton(Column::kTypeColumn, 0);
    const auto codes = EngineCodes();
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(std::vector<std::uint8_t>(codes.begin(), codes.begin() + 3),
              (std::vector<std::uint8_t>{hb::records::kEngineCmdPause, hb::records::kEngineCmdStop,
                                         hb::records::kEngineCmdStart}));
    const auto reloads = EngineSim::Calls("scan_reload_engine");
    ASSERT_EQ(reloads.size(), 1u);
    EXPECT_EQ(reloads[0].programEntries, 2) << "Fire's channel and the range";

    EXPECT_EQ(Entry(0).fileName(), Doc("Fire.swg"));
    EXPECT_EQ(Entry(0).tag, static_cast<std::uint32_t>(Object::Kind::Group));
    EXPECT_EQ(Row(0),
              (std::vector<std::string>{"Group", "1", "All", "Fire.swg", "Fire", "County fire"}));
    // The start saved the changed list.
    EXPECT_EQ(SavedFiles(Doc("Receiver.sws"))[0], Doc("Fire.swg"));
    EXPECT_FALSE(List().IsModified());
    EXPECT_EQ(frame->m_state[0], 0u);
    EXPECT_EQ(frame->m_check_mark, 0u);
    EXPECT_NE(frame->m_check_time, 0u);
}

TEST_F(ScanListRosterViewTest,
       AnUnreadableFileIsNotAvailableAndLeavesTheRadioStoppedAndTheListAsSaved) {
    WriteBytes(Doc("Broken.swg"), "not a group");
    const std::string group = ReadBytes(Doc("Receiver.swg"));
    const std::string list = ReadBytes(Doc("Receiver.sws"));
    PickGroup("Broken.swg");
    ExpectBox("The file you selected may be in use, or can not be read. Please select another "
              "file.",
              IDOK, "File Not Available");
    const std::size_t beeps = Beeps().size();
    PressButton(Column::kTypeColumn, 0);
    ASSERT_EQ(Beeps().size(), beeps + 1);
    EXPECT_EQ(Beeps().back(), static_cast<UINT>(MB_ICONASTERISK));

    EXPECT_EQ(Row(0), (std::vector<std::string>{"Empty", "1", "All", "", "", ""}));
    CUGCell title;
    Grid().GetCell(Column::kTitleColumn, 0, &title);
    EXPECT_TRUE(title.GetReadOnly());
    EXPECT_FALSE(List().IsModified());
    EXPECT_EQ(frame->m_state[0], 0u);
    EXPECT_EQ(frame->m_check_mark, 0u);
    // Stopped, and the engine check leaves it so.
    AdvanceAndPump(10'000);
    for (const std::uint8_t code : EngineCodes()) {
        EXPECT_NE(code, hb::records::kEngineCmdStartFirst);
    }
    EXPECT_EQ(Reloads(), 0u);
    EXPECT_EQ(ReadBytes(Doc("Receiver.swg")), group);
    EXPECT_EQ(ReadBytes(Doc("Broken.swg")), "not a group");
    EXPECT_EQ(ReadBytes(Doc("Receiver.sws")), list);
}

TEST_F(ScanListRosterViewTest, ClearingEmptiesTheEntryAndNamesKeepTheirCase) {
    std::filesystem::copy_file(Doc("Fire.swg"), Doc("MixedCase.SWG"));
    Picker([](CScanListEntryDlg& picker) {
        hb::afx::ClickButton(picker.m_hWnd, ids::kClear);
        EXPECT_EQ(Text(picker, ids::kFileName), "");
        EXPECT_EQ(Text(picker, ids::kKind), "Empty");
        hb::afx::ClickButton(picker.m_hWnd, IDOK);
    });
    PressButton(Column::kTypeColumn, 0);
    EXPECT_FALSE(Entry(0).isActive());
    EXPECT_EQ(Entry(0).object(), nullptr);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"Empty", "1", "All", "", "", ""}));
    EXPECT_EQ(SavedFiles(Doc("Receiver.sws"))[0], "-");
    EXPECT_EQ(Reloads(), 1u);

    PickGroup("MixedCase.SWG");
    PressButton(Column::kTypeColumn, 2);
    EXPECT_EQ(Entry(2).fileName(), Doc("MixedCase.SWG"));
    EXPECT_EQ(Row(2)[Column::kFileColumn], "MixedCase.SWG");
}

TEST_F(ScanListRosterViewTest, ThePickersButtonsChooseByFileDialogAndTheKindIsPassedOver) {
    hb::afx::SetFileDialogHook(
        [this](const hb::afx::FileDialogRequest& request) -> std::optional<std::string> {
            if (request.title == "Select Group") {
                return Doc("Fire.swg");
            }
            return std::nullopt;
        });
    Picker([](CScanListEntryDlg& picker) {
        hb::afx::ClickButton(picker.m_hWnd, ids::kChooseChannel);
        EXPECT_EQ(Text(picker, ids::kKind), "Group") << "cancelled: unchanged";
        hb::afx::ClickButton(picker.m_hWnd, ids::kChooseRange);
        hb::afx::ClickButton(picker.m_hWnd, ids::kChooseGroup);
        EXPECT_EQ(Text(picker, ids::kKind), "Group");
        // The kind is not typed: the focus moves on.
        const HWND kind = ::GetDlgItem(picker.m_hWnd, ids::kKind);
        ::SetFocus(kind);
        EXPECT_NE(::GetFocus(), kind);
        EXPECT_TRUE(::IsChild(picker.m_hWnd, ::GetFocus()));
        hb::afx::ClickButton(picker.m_hWnd, IDOK);
    });
    PressButton(Column::kTypeColumn, 0);
    const auto& asked = hb::afx::FileDialogLog();
    ASSERT_EQ(asked.size(), 3u);
    const std::vector<std::vector<std::string>> expected{
        {"SWC", Doc("*.swc"), "Select Channel", "Channels (*.swc)|*.swc||"},
        {"SWR", Doc("*.swr"), "Select Search Range", "Search ranges (*.swr)|*.swr||"},
        {"SWG", Doc("*.swg"), "Select Group", "Scan groups (*.swg)|*.swg||"}};
    for (std::size_t n = 0; n < asked.size(); ++n) {
        EXPECT_TRUE(asked[n].open);
        EXPECT_EQ((std::vector<std::string>{asked[n].defaultExtension, asked[n].fileName,
                                            asked[n].title, asked[n].filter}),
                  expected[n]);
        EXPECT_EQ(asked[n].flags, OFN_CREATEPROMPT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    }
    EXPECT_EQ(Entry(0).fileName(), Doc("Fire.swg"));
}

TEST_F(ScanListRosterViewTest, LogAudioTitleAndInfoChangeTheEntryAndItsObject) {
    Click(Grid().CellRect(Column::kLogColumn, 0).CenterPoint());
    EXPECT_EQ(Entry(0).log, 0);
    CUGCell log;
    Grid().GetCell(Column::kLogColumn, 0, &log);
    EXPECT_EQ(log.GetLabelText(), "Off");
    EXPECT_TRUE(List().IsModified());

    // A double click steps the drop list on: None, Record Field, All.
    const CPoint audio = Grid().CellRect(Column::kAudioColumn, 0).CenterPoint();
    for (const std::uint8_t mode :
         {RosterEntry::kAudioNone, RosterEntry::kAudioRecordField, RosterEntry::kAudioAll}) {
        Click(audio, WM_LBUTTONDBLCLK);
        EXPECT_EQ(Entry(0).audio, mode);
    }

    Object& group = *Entry(0).object();
    const auto type = [&](int col, const char* text, UINT key) {
        Grid().GotoCell(col, 0);
        Grid().SendMessage(WM_CHAR, 'x');
        ASSERT_NE(Grid().GetEditCtrl(), nullptr);
        Grid().GetEditCtrl()->SetWindowText(text);
        Grid().GetEditCtrl()->SendMessage(WM_KEYDOWN, key);
    };
    type(Column::kTitleColumn, "Harbour", VK_RETURN);
    EXPECT_EQ(group.name(), "Harbour");
    EXPECT_EQ(Row(0)[Column::kTitleColumn], "Harbour");
    type(Column::kInfoColumn, "Never kept", VK_ESCAPE);
    EXPECT_EQ(group.description(), "County police");
    EXPECT_EQ(Row(0)[Column::kInfoColumn], "County police");

    // The group goes back to its file with the window.
    ExpectBox("Save changes to Receiver?", IDNO);
    frame->SendMessage(WM_CLOSE);
    Pump();
    File saved(Doc("Receiver.swg"));
    saved.abandon();
    ASSERT_NE(saved.root(), nullptr);
    EXPECT_EQ(saved.root()->name(), "Harbour");
}

TEST_F(ScanListRosterViewTest, AListThatCannotBeOpenedLeavesTheOneShownUnmodified) {
    WriteBytes(Doc("Broken.sws"), "not a list");
    ExpectBox("Broken.sws", IDOK);
    const std::size_t beeps = Beeps().size();
    RosterView().OpenScanList("Broken.sws");
    EXPECT_EQ(Beeps().size(), beeps + 1);
    EXPECT_FALSE(List().IsModified());
    EXPECT_EQ(List().GetPathName(), Doc("Receiver.sws").c_str());
    EXPECT_EQ(Row(0)[Column::kTypeColumn], "Group") << "read again";
    EXPECT_EQ(ReadBytes(Doc("Broken.sws")), "not a list");

    // Another list is opened into the same document, and the one shown is saved first.
    Roster other;
    other.entries()[0]->active = RosterEntry::kOn;
    other.entries()[0]->setFileName("Fire.swg");
    ASSERT_TRUE(File(Doc("Other.sws"), &other).save());
    Entry(0).log = 0;
    view->OpenFile("Other.sws");
    EXPECT_TRUE(List().IsModified());
    EXPECT_EQ(Row(0)[Column::kTitleColumn], "Fire");
    ExpectBox("Save changes to Receiver?", IDNO);
}

TEST_F(ScanListRosterViewTest, ATunedChannelIsStoredOnlyIntoTheChannelItCameFrom) {
    CRadioView& panel = *frame->FrontPanel();
    panel.m_manualMode = 0xFF;
    parm& record = panel.m_vfo[panel.m_activeVfo];
    const auto store = [&](UINT command, std::uint32_t handle, const char* info) {
        record.set(parm::kFrequency, 155'100'000);
        record.set(parm::kObjectHandle, handle);
        panel.m_vfoInfo[panel.m_activeVfo] = info;
        frame->SendMessage(WM_COMMAND, command);
    };
    // The scan view cannot place a new channel, nor one in what is no channel of the list.
    Group& group = dynamic_cast<Group&>(*Entry(0).object());
    Chan stranger;
    const std::size_t beeps = Beeps().size();
    store(27218, group.banks()[0]->members()[0]->handle(), "New");
    store(27219, group.handle(), "Group");
    store(27219, stranger.handle(), "Stranger");
    EXPECT_EQ(Beeps().size(), beeps + 3);
    EXPECT_FALSE(List().IsModified());

    Chan& dispatch = *group.banks()[0]->members()[0];
    store(27219, dispatch.handle(), "Main dispatch");
    EXPECT_EQ(Beeps().size(), beeps + 3);
    EXPECT_EQ(dispatch.frequency(), 155'100'000u);
    EXPECT_EQ(dispatch.name(), "Main dispatch");
    EXPECT_TRUE(List().IsModified());
    ExpectBox("Save changes to Receiver?", IDNO);
}

using ScanListLogTest = EngineNotificationsTest;

TEST_F(ScanListLogTest, AnEntryWithLogOffWritesNoActivityLine) {
    Open("Busy=\n", 0);
    CGrid& grid = *frame->m_scanListView->GetGrid();
    const CPoint box = grid.CellRect(CScanListGrid::kLogColumn, 0).CenterPoint();
    grid.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(box.x, box.y));
    grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(box.x, box.y));
    ASSERT_EQ(Entry().log, 0);
    Chan& channel = At(kDispatch);
    Queue(Hit(&channel, kDispatch));
    EXPECT_TRUE(Lines().empty());

    grid.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(box.x, box.y));
    grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(box.x, box.y));
    Queue(Hit(&channel, kDispatch));
    EXPECT_EQ(Lines(), std::vector<std::string>{"Dispatch 1"});
    ExpectBox("Save changes to Receiver?", IDNO);
}

} // namespace
} // namespace hb::app::test
