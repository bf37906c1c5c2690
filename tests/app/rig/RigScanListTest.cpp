#include "platform/tessary/model/File.h"
#include "platform/tessary/model/TrunkSystem.h"
#include "tests/app/rig/RigTest.h"

#include <utility>

namespace hb::app::test {
namespace {

class RigScanListTest : public RigTest {
protected:
    void Save(const std::string& name, Object& object) {
        ASSERT_TRUE(File(Doc(name), &object).save());
    }
    void SaveGroup(const std::string& name, std::uint8_t type) {
        std::unique_ptr<Group> group = SampleGroup();
        group->setRadioType(type);
        Save(name, *group);
    }
    // A scan list whose first entries name these files, each active or not.
    void SaveList(const std::string& name, std::vector<std::pair<bool, std::string>> entries) {
        Roster list;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            list.entries()[i]->active = entries[i].first ? RosterEntry::kOn : 0;
            list.entries()[i]->setFileName(Doc(entries[i].second));
        }
        Save(name, list);
    }
    unsigned Check(CRig& rig, const std::string& name) {
        CString path = Doc(name).c_str();
        return rig.OpenScanListFile(CRig::kCommandScanListFiles, &path);
    }
};

TEST_F(RigScanListTest, TheDefaultListTakesCopiesOfTheSamplesThatExist) {
    app.WriteProfileInt("Alpha", "ViewType", 0);
    CRig* rig = AddRig("Alpha", kScanner);
    SaveGroup("Police.swg", kTrunkTracker);
    WriteBytes(Doc("Medical.swg"), "not a scanning file");
    std::unique_ptr<Range> range = SearchRange(450'000'000, 470'000'000, 12'500);
    Save("PDUHF.swr", *range);
    const std::string police = ReadBytes(Doc("Police.swg"));

    CString report = "old";
    EXPECT_EQ(rig->CreateDefaultScanList(&report), 0);
    EXPECT_EQ(report, "\tGroup:\t\tAlpha_Police.swg\n\tRange:\t\tAlpha_PDUHF.swr\n"
                      "\tScan list:\tAlpha.sws\n");
    EXPECT_EQ(app.GetProfileStringA("Alpha", "ScanListFile"), Doc("Alpha.sws").c_str());
    EXPECT_EQ(ReadBytes(Doc("Police.swg")), police);
    File copy(Doc("Alpha_Police.swg"));
    ASSERT_NE(dynamic_cast<Group*>(copy.root()), nullptr);
    EXPECT_EQ(static_cast<Group*>(copy.root())->radioType(), kScanner);
    File list(Doc("Alpha.sws"));
    const auto& entries = dynamic_cast<Roster&>(*list.root()).entries();
    EXPECT_EQ(entries[0]->fileName(), Doc("Alpha_Police.swg"));
    EXPECT_FALSE(entries[1]->isActive()); // "Fire.swg" is missing
    EXPECT_EQ(entries[5]->fileName(), Doc("Alpha_PDUHF.swr"));
    EXPECT_EQ(Check(*rig, "Alpha.sws"), 0u);

    // A standard-view radio takes the one VHF sample; without it only the list is written.
    CRig* desk = AddRig("Desk", kScanner);
    desk->CreateDefaultScanList(&report);
    EXPECT_EQ(report, "\tScan list:\tDesk.sws\n");
    CString path;
    EXPECT_EQ(desk->LoadScanList(CRig::kCommandScanListFiles, &path), 1);
    EXPECT_EQ(path, Doc("Desk.sws").c_str());
}

TEST_F(RigScanListTest, TheCheckNamesWhatIsWrongWithTheFileAndWritesNothing) {
    CRig* rig = AddRig("Alpha", kScanner);
    SaveGroup("Police.swg", kScanner);
    WriteBytes(Doc("Empty.sws"), "");
    WriteBytes(Doc("Corrupt.sws"), "HBSCAN but not really");
    SaveList("Inactive.sws", {{false, "Police.swg"}});
    SaveList("Alpha.sws", {{true, "Police.swg"}});
    const std::string list = ReadBytes(Doc("Alpha.sws"));
    const std::string group = ReadBytes(Doc("Police.swg"));

    EXPECT_EQ(Check(*rig, "Missing.sws"), CRig::kScanListMissing);
    EXPECT_EQ(Check(*rig, "Empty.sws"), CRig::kScanListNoObject);
    EXPECT_EQ(Check(*rig, "Corrupt.sws"), CRig::kScanListUnreadable);
    EXPECT_EQ(Check(*rig, "Police.swg"), CRig::kScanListNotScanList);
    EXPECT_EQ(Check(*rig, "Inactive.sws"), CRig::kScanListEmpty);
    EXPECT_EQ(Check(*rig, "Alpha.sws"), 0u);
    EXPECT_EQ(ReadBytes(Doc("Alpha.sws")), list);
    EXPECT_EQ(ReadBytes(Doc("Police.swg")), group);

    CString path;
    EXPECT_EQ(rig->LoadScanList(kRadioWindow, &path), 1);
    EXPECT_EQ(path, "");
    EXPECT_EQ(rig->LoadScanList(CRig::kCommandScanListFiles, &path), 0);
}

TEST_F(RigScanListTest, ATrunkRadioScansOneGroupOrSystemOfItsOwnType) {
    CRig* tracker = AddRig("Tracker", kTrunkTracker);
    CRig* system = AddRig("System", kSystemScanner);
    SaveGroup("Own.swg", kTrunkTracker);
    SaveGroup("Foreign.swg", kScanner);
    Group bare;
    bare.setRadioType(kTrunkTracker);
    Save("Bare.swg", bare);
    TrunkSystem trunk;
    trunk.setRadioType(kSystemScanner);
    trunk.addBank(std::make_unique<Bank>()).addMember(Channel(851'012'500, "Control"));
    Save("Own.sxr", trunk);
    trunk.setRadioType(kTrunkTracker);
    Save("Foreign.sxr", trunk);
    const std::pair<std::string, std::vector<std::pair<bool, std::string>>> lists[] = {
        {"Own.sws", {{true, "Own.swg"}}},
        {"Second.sws", {{false, "Own.swg"}, {true, "Own.swg"}}},
        {"Bare.sws", {{true, "Bare.swg"}}},
        {"System.sws", {{true, "Own.sxr"}}},
        {"Foreign.sws", {{true, "Foreign.swg"}}},
        {"Two.sws", {{true, "Own.swg"}, {false, "Foreign.swg"}, {true, "Foreign.swg"}}},
        {"ForeignSystem.sws", {{true, "Foreign.sxr"}}}};
    for (const auto& [name, entries] : lists) {
        SaveList(name, entries);
    }

    EXPECT_EQ(Check(*tracker, "Own.sws"), 0u);
    EXPECT_EQ(Check(*tracker, "Second.sws"), CRig::kScanListFirstEntryUnusable);
    EXPECT_EQ(Check(*tracker, "Bare.sws"), CRig::kScanListFirstEntryEmpty);
    EXPECT_EQ(Check(*tracker, "System.sws"), CRig::kScanListNotGroup);
    EXPECT_EQ(Check(*tracker, "Foreign.sws"), CRig::kScanListGroupType);
    EXPECT_EQ(Check(*tracker, "Two.sws"), CRig::kScanListSeveralEntries);
    EXPECT_EQ(Check(*system, "Own.sws"), CRig::kScanListNotTrunkSystem);
    EXPECT_EQ(Check(*system, "ForeignSystem.sws"), CRig::kScanListTrunkSystemType);
    EXPECT_EQ(Check(*system, "System.sws"), 0u);
}

} // namespace
} // namespace hb::app::test
