// The standard view's "Scan List" tab: the list's one group in the radio's group grid under its
// file name, a group chosen or created through the file dialogs, the conversion question of the
// trunk radios, and a tuned channel stored into the group.
#include "programming/ScanListGroupView.h"

#include "platform/afx/CFileDialog.h"
#include "platform/afx/CPrintInfo.h"
#include "platform/afx/PrintJobs.h"
#include "platform/tessary/grid/GroupGrid.h"
#include "platform/tessary/model/Group.h"
#include "platform/win/core/Hooks.h"
#include "radioview/RadioView.h"
#include "tests/app/programming/ScanListTabTest.h"

#include <filesystem>

namespace hb::app::test {
namespace {

using hb::afx::FileDialogRequest;

class ScanListGroupViewTest : public ScanListTabTest {
protected:
    // The file dialogs answer with the path for their title, else Cancel.
    static void AnswerDialogs(std::string title, std::string path) {
        hb::afx::SetFileDialogHook(
            [title, path](const FileDialogRequest& asked) -> std::optional<std::string> {
                if (asked.title == title) {
                    return path;
                }
                return std::nullopt;
            });
    }
    Group& TheGroup() const { return dynamic_cast<Group&>(*Entry(0).object()); }
    std::vector<std::string> Headings() const {
        std::vector<std::string> lines;
        const int shown = Grid().GetSheetNumber();
        for (int sheet = 0; sheet < Grid().GetNumberSheets(); ++sheet) {
            Grid().SetSheetNumber(sheet);
            EXPECT_EQ(Grid().GetTH_NumberRows(), 2);
            lines.push_back(Grid().QuickGetText(0, -2).str());
        }
        Grid().SetSheetNumber(shown);
        return lines;
    }
    // Stores the active VFO as 27219 does: the record naming the object of `handle`.
    void Store(std::uint32_t hz, std::uint32_t handle, const char* name, const char* info) {
        CRadioView& panel = *frame->FrontPanel();
        panel.m_manualMode = 0xFF;
        parm& record = panel.m_vfo[panel.m_activeVfo];
        record.set(parm::kFrequency, hz);
        record.set(parm::kObjectHandle, handle);
        record.setText(parm::kName, name);
        panel.m_vfoInfo[panel.m_activeVfo] = info;
        frame->SendMessage(WM_COMMAND, 27219);
    }
};

TEST_F(ScanListGroupViewTest, TheGroupIsHeadedByItsFileOnEverySheetAndLaterEntriesAreEmptied) {
    Open(1);
    auto* grid = dynamic_cast<CGroupGrid*>(&Grid());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->GetDlgCtrlID(), 1234);
    EXPECT_EQ(grid->GetSheetNumber(), CGroupGrid::kChannelsSheet);
    EXPECT_EQ(Headings(), std::vector<std::string>(2, "File name: RECEIVER.SWG [Receiver 42]"));
    EXPECT_EQ(grid->GetSheetNumber(), CGroupGrid::kChannelsSheet);
    EXPECT_EQ(grid->QuickGetText(CGroupGrid::kNameColumn, 0), "Dispatch 1");

    EXPECT_EQ(List().m_groupView, 1u);
    EXPECT_EQ(Entry(0).log, RosterEntry::kOn);
    EXPECT_EQ(Entry(0).audio, RosterEntry::kAudioRecordField);
    EXPECT_EQ(Entry(0).further, RosterEntry::kOn);
    EXPECT_FALSE(Entry(1).isActive());
    EXPECT_EQ(Entry(1).fileName(), "");
    EXPECT_TRUE(List().IsModified());

    // An entry's change names its file again in the sheet's heading.
    Entry(0).setFileName(Doc("Harbour.swg"));
    List().ShareUpdate(&Entry(0), nullptr, 1695);
    EXPECT_EQ(grid->QuickGetText(0, -2), "File name: HARBOUR.SWG [Receiver 42]");
    Entry(0).setFileName("Receiver.swg");
    ExpectBox("Save changes to Receiver?", IDNO);
}

TEST_F(ScanListGroupViewTest, AChannelFirstAsksForAGroupAndCancelLeavesTheFirstEntryEmpty) {
    auto weather = Channel(162'550'000, "Weather", Object::Kind::StandaloneChannel);
    ASSERT_TRUE(File(Doc("Weather.swc"), weather.get()).save());
    Roster list;
    list.entries()[0]->active = RosterEntry::kOn;
    list.entries()[0]->setFileName("Weather.swc");
    ASSERT_TRUE(File(Doc("Receiver.sws"), &list).save());
    AnswerDialogs("", "");
    Open(1);
    const auto& asked = hb::afx::FileDialogLog();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].open);
    EXPECT_EQ(asked[0].title, "Select Group");
    EXPECT_EQ(asked[0].defaultExtension, "SWG");
    EXPECT_EQ(asked[0].fileName, Doc("*.swg"));
    EXPECT_EQ(asked[0].initialFolder, Documents() + "/");
    EXPECT_EQ(asked[0].filter, "Scan groups (*.swg)|*.swg||");
    EXPECT_EQ(asked[0].flags, OFN_CREATEPROMPT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);

    EXPECT_FALSE(Entry(0).isActive());
    EXPECT_EQ(Entry(0).object(), nullptr);
    EXPECT_FALSE(Entry(0).tagAssigned());
    EXPECT_TRUE(List().IsModified());
    EXPECT_EQ(Grid().QuickGetText(0, -2), "File name:  [Receiver 42]");
    ExpectBox("Save changes to Receiver?", IDNO);
}

TEST_F(ScanListGroupViewTest, AGroupFileThatIsGoneIsMadeAgainAsANewGroupOfTheRadio) {
    File read(Doc("Receiver.sws"));
    std::unique_ptr<Object> root = read.release();
    dynamic_cast<Roster&>(*root).entries()[0]->tag =
        static_cast<std::uint32_t>(Object::Kind::Group);
    ASSERT_TRUE(File(Doc("Receiver.sws"), root.get()).save());
    std::filesystem::remove(Doc("Receiver.swg"));
    Open(1);
    EXPECT_EQ(TheGroup().name(), "Scan List Group for Receiver 42.");
    EXPECT_TRUE(std::filesystem::exists(Doc("Receiver.swg")));
    EXPECT_EQ(Headings(), std::vector<std::string>(2, "File name: RECEIVER.SWG [Receiver 42]"));
    ExpectBox("Save changes to Receiver?", IDNO);
}

TEST_F(ScanListGroupViewTest, AGroupOfAnotherTypeIsMadeTheRadiosAndItsListChanged) {
    File read(Doc("Receiver.swg"));
    std::unique_ptr<Object> root = read.release();
    dynamic_cast<Group&>(*root).setRadioType(17);
    ASSERT_TRUE(File(Doc("Receiver.swg"), root.get()).save());
    Open(1);
    EXPECT_EQ(TheGroup().radioType(), 42);
    EXPECT_TRUE(List().IsModified());
    ExpectBox("Save changes to Receiver?", IDNO);
}

TEST_F(ScanListGroupViewTest, ANewGroupNamedInTheSaveDialogIsCreatedWithADatedBank) {
    Open(1);
    AnswerDialogs("Select New Scan List Group Name", Doc("Harbour.swg"));
    frame->SendMessage(WM_COMMAND, 27007);
    const auto& asked = hb::afx::FileDialogLog();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_FALSE(asked[0].open);
    EXPECT_EQ(asked[0].defaultExtension, "SWG");

    File made(Doc("Harbour.swg"));
    made.abandon();
    auto* group = dynamic_cast<Group*>(made.root());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->name(), "Scan List Group for Receiver 42.");
    EXPECT_EQ(group->description(), "Created by Halbridge Pro.");
    EXPECT_EQ(group->radioType(), 42);
    ASSERT_EQ(group->banks().size(), 1u);
    EXPECT_EQ(group->banks()[0]->name(), "Created Thursday, January 01, 2026 00:00:01 UTC.");

    EXPECT_EQ(Entry(0).fileName(), Doc("Harbour.swg"));
    EXPECT_EQ(TheGroup().name(), "Scan List Group for Receiver 42.");
    EXPECT_EQ(Headings(), std::vector<std::string>(2, "File name: HARBOUR.SWG [Receiver 42]"));
    EXPECT_EQ(app->GetProfileStringA("Receiver", "ScanListFile", ""), Doc("Receiver.sws").c_str());
}

TEST_F(ScanListGroupViewTest, ATunedChannelIsStoredInPlaceOrIntoTheFirstEmptyChannel) {
    Open(1);
    List().SetModifiedFlag(FALSE);
    Chan& dispatch = *TheGroup().banks()[0]->members()[0];
    Grid().SetSheetNumber(CGroupGrid::kBanksSheet);
    Store(155'100'000, dispatch.handle(), "Dispatch", "Main dispatch");
    EXPECT_EQ(dispatch.frequency(), 155'100'000u);
    EXPECT_EQ(dispatch.name(), "Main dispatch");
    EXPECT_TRUE(List().IsModified());
    EXPECT_EQ(Grid().GetSheetNumber(), CGroupGrid::kChannelsSheet);
    EXPECT_EQ(Grid().QuickGetText(CGroupGrid::kFrequencyColumn, 0), "155.100000");

    const std::size_t beeps = Beeps().size();
    // A record of no object fills the first channel of frequency 0, named by the record.
    Chan& empty = *TheGroup().banks()[1]->members()[0];
    Store(162'550'000, 0, "Weather", "");
    EXPECT_EQ(empty.frequency(), 162'550'000u);
    EXPECT_EQ(empty.name(), "Weather         ");
    EXPECT_TRUE(List().IsModified());
    EXPECT_EQ(Grid().GetCurrentRow(), 2);
    EXPECT_EQ(Grid().QuickGetText(CGroupGrid::kFrequencyColumn, 2), "162.550000");
    EXPECT_EQ(frame->FrontPanel()->m_vfo[frame->FrontPanel()->m_activeVfo].get(parm::kObjectHandle),
              empty.handle());

    // Now the group is full.
    Store(163'000'000, 0, "Full", "");
    EXPECT_EQ(Beeps().size(), beeps + 1);
    ExpectBox("Save changes to Receiver?", IDNO);
}

TEST_F(ScanListGroupViewTest, TheEditCommandsReachTheGridAndPrintingShowsTheFileName) {
    Open(1);
    Grid().GotoCell(CGroupGrid::kNameColumn, 0);
    view->SendMessage(WM_COMMAND, 57634);
    Grid().GotoCell(CGroupGrid::kNameColumn, 2);
    view->SendMessage(WM_COMMAND, 57637);
    EXPECT_EQ(Grid().QuickGetText(CGroupGrid::kNameColumn, 2), "Dispatch 1");
    Grid().GotoCell(CGroupGrid::kNameColumn, 1);
    view->SendMessage(WM_COMMAND, 57635);
    EXPECT_EQ(Grid().QuickGetText(CGroupGrid::kNameColumn, 1), "");
    EXPECT_EQ(TheGroup().banks()[0]->members()[1]->record().text(parm::kName),
              std::string(16, ' '));

    hb::afx::SetPrintPreparation([](CPrintInfo&) { return true; });
    view->SendMessage(WM_COMMAND, 57607);
    hb::afx::SetPrintPreparation({});
    ASSERT_EQ(hb::afx::PrintLog().size(), 1u);
    std::vector<std::string> texts;
    for (const auto& record : hb::afx::PrintLog()[0].pages.at(0).list) {
        texts.push_back(record.text);
    }
    EXPECT_NE(std::ranges::find(texts, "File name: RECEIVER.SWG [Receiver 42]"), texts.end());
    EXPECT_NE(std::ranges::find(texts, "Dispatch 1"), texts.end());
    EXPECT_FALSE(view->m_printing);
    ExpectBox("Save changes to Receiver?", IDNO);
}

// A trunk tracker asks before it takes a group of another radio's type.
class ScanListConversionTest : public RadioWindowTest {
protected:
    void SetUp() override {
        Radios("[Radios]\nRadio#1=Tracker\n[Tracker]\nType=17\nPort=SIM\n", {{"Tracker", 17}});
        auto other = SampleGroup();
        other->setRadioType(42);
        ASSERT_TRUE(File(Doc("Receiver.swg"), other.get()).save());
        hb::afx::SetFileDialogHook([this](const FileDialogRequest&) -> std::optional<std::string> {
            return Doc("Receiver.swg");
        });
        frame = OpenWindow();
        ASSERT_NE(frame, nullptr);
        Pump();
    }
    RosterEntry& First() const { return *frame->m_scanListView->GetRoster()->entries().front(); }
    static constexpr const char* kQuestion =
        "This group is associated with a different type of radio than currently in use. Press OK "
        "to convert to the new radio type or cancel to abort.\n\nNOTE: some data may be lost in "
        "the conversion process.";

    CRadioFrame* frame = nullptr;
};

TEST_F(ScanListConversionTest, ARefusedConversionLeavesTheFileByteForByteAndOkConvertsIt) {
    const std::string before = ReadBytes(Doc("Receiver.swg"));
    ExpectBox(kQuestion, IDCANCEL, "Receiver.swg");
    frame->SendMessage(WM_COMMAND, 27879);
    EXPECT_EQ(ReadBytes(Doc("Receiver.swg")), before);
    EXPECT_EQ(First().fileName(), Doc("Tracker.swg"));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].type, static_cast<UINT>(MB_OKCANCEL | MB_ICONHAND));

    ExpectBox(kQuestion, IDOK, "Receiver.swg");
    frame->SendMessage(WM_COMMAND, 27879);
    EXPECT_EQ(First().fileName(), Doc("Receiver.swg"));
    File converted(Doc("Receiver.swg"));
    converted.abandon();
    EXPECT_EQ(dynamic_cast<Group&>(*converted.root()).radioType(), 17);
    EXPECT_EQ(dynamic_cast<Group&>(*First().object()).radioType(), 17);
    // Taken with the next start, which saved the list.
    EXPECT_EQ(app->GetProfileStringA("Tracker", "ScanListFile", ""), Doc("Tracker.sws").c_str());
}

} // namespace
} // namespace hb::app::test
