// What the scan list views need of a list's entries: the further flag kept in the file, an entry
// emptied without losing its object's changes, an entry loaded alone, and a first group made for
// a list that has none yet.
#include "ModelTest.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Radio.h"

#include <filesystem>

namespace hb::tessary::test {
namespace {

using Kind = Object::Kind;

class ScanListEntryTest : public ModelTest {
protected:
    ScanListEntryTest() {
        auto group = SampleGroup();
        group->setRadioType(42);
        EXPECT_TRUE(File(Doc("Police.swg"), group.get()).save());
    }
    RosterEntry& First() { return *list.entries()[0]; }
    // The first entry in use, naming the file.
    void Name(const std::string& file) {
        First().active = RosterEntry::kOn;
        First().tag = static_cast<std::uint32_t>(Kind::Group);
        First().setFileName(file);
    }

    Roster list;
    std::unique_ptr<Radio> radio = Radio::CreateRadio(42);
};

TEST_F(ScanListEntryTest, TheFurtherFlagIsKeptInTheFile) {
    First().further = RosterEntry::kOn;
    list.entries()[1]->further = 0;
    ASSERT_TRUE(File(Doc("List.sws"), &list).save());
    File read(Doc("List.sws"));
    auto* back = dynamic_cast<Roster*>(read.root());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->entries()[0]->further, RosterEntry::kOn);
    EXPECT_EQ(back->entries()[1]->further, 0);
    read.abandon();
}

TEST_F(ScanListEntryTest, AnEntryLoadsItsFileAloneAndResetEmptiesItKeepingItsObjectsChanges) {
    RosterEntry& entry = First();
    EXPECT_NE(entry.Load(0), 0) << "no file named";
    entry.setFileName("Police.swg");
    entry.setName("Police entry");
    entry.setDescription("County");
    ASSERT_EQ(entry.Load(0), 0);
    ASSERT_NE(entry.object(), nullptr);
    EXPECT_EQ(entry.tag, static_cast<std::uint32_t>(Kind::Group));

    entry.object()->setName("Renamed");
    entry.object()->markChanged();
    entry.active = RosterEntry::kOn;
    entry.Reset();
    EXPECT_FALSE(entry.isActive());
    EXPECT_EQ(entry.object(), nullptr);
    EXPECT_FALSE(entry.tagAssigned());
    EXPECT_EQ(entry.name(), "");
    EXPECT_EQ(entry.description(), "");
    EXPECT_EQ(entry.fileName(), "");
    File saved(Doc("Police.swg"));
    ASSERT_NE(saved.root(), nullptr);
    EXPECT_EQ(saved.root()->name(), "Renamed");
    saved.abandon();

    entry.setFileName("Missing.swg");
    EXPECT_NE(entry.Load(0), 0);
    EXPECT_EQ(entry.object(), nullptr);
}

TEST_F(ScanListEntryTest, AFirstEntryWithoutItsFileGetsANewGroupOfTheRadio) {
    // A file that does not exist is made where the entry names it.
    Name("Missing.swg");
    EXPECT_EQ(list.BuildDefaultScanList(HWND{}, radio.get(), nullptr, "Receiver"), 0);
    auto* group = dynamic_cast<Group*>(First().object());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->name(), "Scan List Group for Receiver 42.");
    EXPECT_EQ(group->radioType(), 42);
    EXPECT_EQ(group->banks().size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(Doc("Missing.swg")));
    EXPECT_EQ(First().fileName(), "Missing.swg");

    // An entry that names none gets "<section>.swg".
    Roster unnamed;
    unnamed.entries()[0]->active = RosterEntry::kOn;
    unnamed.BuildDefaultScanList(HWND{}, radio.get(), nullptr, "Receiver");
    ASSERT_NE(unnamed.entries()[0]->object(), nullptr);
    EXPECT_EQ(unnamed.entries()[0]->fileName(), Doc("Receiver.swg"));
}

TEST_F(ScanListEntryTest, AFileThatCannotBeReadOrAnEntryNotInUseIsLeftAlone) {
    WriteBytes(Doc("Broken.swg"), "not a scanning file");
    Name("Broken.swg");
    EXPECT_EQ(list.BuildDefaultScanList(HWND{}, radio.get(), nullptr, "Receiver"), 1);
    EXPECT_EQ(First().object(), nullptr);
    EXPECT_EQ(ReadBytes(Doc("Broken.swg")), "not a scanning file");

    Roster idle;
    idle.BuildDefaultScanList(HWND{}, radio.get(), nullptr, "Receiver");
    EXPECT_EQ(idle.entries()[0]->object(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(Doc("Receiver.swg")));

    // A readable file is simply loaded.
    Name("Police.swg");
    EXPECT_EQ(list.BuildDefaultScanList(HWND{}, radio.get(), nullptr, "Receiver"), 0);
    ASSERT_NE(First().object(), nullptr);
    EXPECT_EQ(First().object()->name(), "Police");
}

} // namespace
} // namespace hb::tessary::test
