// The sample radios' groups and scan lists: as the build writes them beside the program, as a first
// start copies them into the documents folder, and as the simulated radios scan them.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/RadioSelectDlg.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/Input.h"
#include "platform/engine/EngineApi.h"
#include "platform/records/HistoryRecord.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/Roster.h"
#include "platform/testkit/TestWindow.h"
#include "platform/win/sys/ProgramPath.h"
#include "resources/ResourceIds.h"
#include "tests/app/ProgramTest.h"

#include <cstdlib>
#include <filesystem>
#include <set>

namespace hb::app::test {
namespace {

using hb::records::HistoryRecord;
using hb::records::Parm;
using Frequencies = std::set<std::uint32_t>;

constexpr const char* kListFiles[] = {"Receiver.swg", "Receiver.sws", "Trunk Tracker.swg",
                                      "Trunk Tracker.sws"};

class SampleListsTest : public ProgramTest {
protected:
    // A first start of the program with the samples in `folder`/Samples.
    void StartFirstRun(const std::string& folder) {
        hb::win::SetModuleFileNameOverride(folder + "/hbpro");
        hb::win::ini::UseFiles();
        NewApp();
        ASSERT_EQ(Start(), std::nullopt);
    }
    static std::string Built(const std::string& name) {
        return hb::win::ApplicationFolder() + "/Samples/" + name;
    }
    static int SetupWizard(const char* radio) {
        return static_cast<int>(AfxGetApp()->GetProfileInt(radio, "SetupWizard", 1));
    }
    // The channel frequencies of the group file, in bank order.
    static std::vector<std::uint32_t> Channels(const std::string& path, std::uint8_t radioType) {
        File file(path);
        file.abandon();
        const auto* group = dynamic_cast<const Group*>(file.root());
        EXPECT_NE(group, nullptr) << path << ": " << file.error();
        if (!group) {
            return {};
        }
        EXPECT_EQ(group->radioType(), radioType) << path;
        std::vector<std::uint32_t> channels;
        for (const auto& bank : group->banks()) {
            for (const auto& member : bank->members()) {
                if (member->frequency() != 0) {
                    EXPECT_NE(member->record().text(Parm::kName), std::string(16, ' ')) << path;
                    channels.push_back(member->frequency());
                }
            }
        }
        return channels;
    }
    // Scans the radio's scan list as its radio window would, for `minutes` on the test clock,
    // and gives the frequencies that stopped the scan.
    static Frequencies Hits(CRig& rig, const std::string& list, int minutes) {
        File file(list);
        file.abandon();
        auto* roster = dynamic_cast<Roster*>(file.root());
        EXPECT_NE(roster, nullptr) << list;
        if (!roster) {
            return {};
        }
        EXPECT_EQ(roster->Load(0), 0);
        hb::testkit::TestWindow window{hb::testkit::TestWindowOptions{}};
        std::uint8_t* program =
            roster->Compile(window.hwnd(), rig.m_radio, nullptr, rig.m_section, 0);
        const std::uint16_t engine =
            scan_create_single_engine(rig.m_name, program, window.hwnd(), 0);
        std::free(program);
        Frequencies hits;
        for (int ms = 0; ms < minutes * 60'000; ms += 100) {
            AdvanceAndPump(100);
            HistoryRecord record;
            while (scan_get_history(engine, record.data()) == 0) {
                hits.insert(record.get(HistoryRecord::kFrequency));
            }
        }
        EXPECT_EQ(scan_destroy_engine(engine), 0);
        return hits;
    }
};

TEST_F(SampleListsTest, AFirstRunCopiesEachRadiosListsAndRadioControlOpensThemWithoutTheWizard) {
    // The radio window shows the resource library's front panel.
    UseResourceLibrary();
    StartFirstRun(hb::win::ApplicationFolder());
    for (const char* name : kListFiles) {
        EXPECT_EQ(ReadBytes(Doc(name)), ReadBytes(Built(name))) << name;
    }
    for (const char* radio : {"Receiver", "Trunk Tracker"}) {
        EXPECT_EQ(SetupWizard(radio), 0) << radio;
        CRig* rig = CRig::FindByName(radio);
        ASSERT_NE(rig, nullptr) << radio;
        EXPECT_EQ(rig->m_setup_wizard, 0u) << radio;
        // Each list suits its radio, the trunk tracker's checks included.
        CString path;
        EXPECT_EQ(rig->LoadScanList(CRig::kCommandScanListFiles, &path), 0) << radio;
        EXPECT_EQ(path, Doc(std::string(radio) + ".sws").c_str());
    }

    hb::afx::SetModalScript(CRadioSelectDlg::IDD, [](CDialog& dialog) {
        auto& select = dynamic_cast<CRadioSelectDlg&>(dialog);
        select.m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        hb::afx::ClickButton(select, IDOK);
    });
    Command(ID_TOOLS_RADIO_CONTROL);
    auto* frame = dynamic_cast<CRadioFrame*>(Main().GetActiveFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->m_rig, CRig::FindByName("Receiver"));
    EXPECT_EQ(frame->GetActiveDocument()->GetPathName(), Doc("Receiver.sws").c_str());
    EXPECT_EQ(frame->m_rig->m_wizard_requested, 0u);
}

TEST_F(SampleListsTest, EachSampleGroupHoldsItsChannelsAndScanningStopsOnEveryOne) {
    StartFirstRun(hb::win::ApplicationFolder());
    const std::vector<std::uint32_t> receiver = {162400000, 156550000, 118425000, 144390000,
                                                 462662500};
    const std::vector<std::uint32_t> tracker = {851012500, 851512500, 852037500, 854112500};
    EXPECT_EQ(Channels(Built("Receiver.swg"), 42), receiver);
    EXPECT_EQ(Channels(Built("Trunk Tracker.swg"), 17), tracker);

    // The list names its group by its bare name, so the copy in the documents folder is scanned.
    EXPECT_EQ(Hits(*CRig::FindByName("Receiver"), Doc("Receiver.sws"), 3),
              Frequencies(receiver.begin(), receiver.end()));
    EXPECT_EQ(Hits(*CRig::FindByName("Trunk Tracker"), Doc("Trunk Tracker.sws"), 3),
              Frequencies(tracker.begin(), tracker.end()));
}

TEST_F(SampleListsTest, AFirstRunCopiesTheDefaultScanListsSamplesAndANewRadiosListHoldsThem) {
    StartFirstRun(hb::win::ApplicationFolder());
    for (const LPCSTR name : CRig::SampleLists()) {
        EXPECT_EQ(ReadBytes(Doc(name)), ReadBytes(Built(name))) << name;
    }
    EXPECT_EQ(Channels(Doc("HFSample.swg"), 42),
              (std::vector<std::uint32_t>{5000000, 10000000, 15000000, 6604000, 8291000}));
    EXPECT_EQ(Channels(Doc("GMRS.swg"), 42),
              (std::vector<std::uint32_t>{462562500, 462587500, 462612500, 462637500, 462662500}));
    for (const char* name :
         {"VHFSample.swg", "Police.swg", "Fire.swg", "Medical.swg", "Maritime.swg"}) {
        EXPECT_GE(Channels(Doc(name), 42).size(), 4u) << name;
    }
    struct Expected {
        const char* file;
        std::uint32_t lower, upper, step;
        const char* name;
    };
    for (const Expected& expected :
         {Expected{"PDUHF.swr", 460000000, 460650000, 12500, "Police UHF"},
          Expected{"Aviation.swr", 118000000, 136975000, 25000, "Aviation"},
          Expected{"Baggage.swr", 451000000, 452000000, 12500, "Baggage Handling"},
          Expected{"Railroad.swr", 160215000, 161565000, 5000, "Railroad"}}) {
        File file(Doc(expected.file));
        file.abandon();
        const auto* range = dynamic_cast<const Range*>(file.root());
        ASSERT_NE(range, nullptr) << expected.file << ": " << file.error();
        EXPECT_EQ(range->lower(), expected.lower) << expected.file;
        EXPECT_EQ(range->upper(), expected.upper) << expected.file;
        EXPECT_EQ(range->step(), expected.step) << expected.file;
        std::string name = range->record().text(Parm::kName);
        name.erase(name.find_last_not_of(' ') + 1);
        EXPECT_EQ(name, expected.name) << expected.file;
    }

    // Neither sample radio is an HF one: in the VHF view a default list takes the VHF sample,
    // in another view the scanners' samples, all of them.
    CString report;
    EXPECT_EQ(CRig::FindByName("Receiver")->CreateDefaultScanList(&report), 0);
    EXPECT_EQ(report, "\tGroup:\t\tReceiver_VHFSample.swg\n"
                      "\tScan list:\tReceiver.sws\n");
    CRig::FindByName("Trunk Tracker")->m_view_type = 2;
    EXPECT_EQ(CRig::FindByName("Trunk Tracker")->CreateDefaultScanList(&report), 0);
    EXPECT_EQ(report, "\tGroup:\t\tTrunk Tracker_Police.swg\n"
                      "\tGroup:\t\tTrunk Tracker_Fire.swg\n"
                      "\tGroup:\t\tTrunk Tracker_Medical.swg\n"
                      "\tGroup:\t\tTrunk Tracker_GMRS.swg\n"
                      "\tGroup:\t\tTrunk Tracker_Maritime.swg\n"
                      "\tRange:\t\tTrunk Tracker_PDUHF.swr\n"
                      "\tRange:\t\tTrunk Tracker_Aviation.swr\n"
                      "\tRange:\t\tTrunk Tracker_Baggage.swr\n"
                      "\tRange:\t\tTrunk Tracker_Railroad.swr\n"
                      "\tScan list:\tTrunk Tracker.sws\n");
}

TEST_F(SampleListsTest, AFileTheUserHasStaysAndARadioWithoutBothListsKeepsItsSetUp) {
    const std::string folder = Home() + "/program";
    std::filesystem::create_directories(folder + "/Samples");
    WriteBytes(folder + "/Samples/hbpro.ini", "[Radios]\nRadio#1=Alpha\nRadio#2=Bravo\n"
                                              "[Alpha]\nType=42\nPort=SIM\n"
                                              "[Bravo]\nType=42\nPort=SIM\n");
    for (const char* name : {"Alpha.swg", "Alpha.sws", "Bravo.swg", "Police.swg", "Fire.swg"}) {
        WriteBytes(folder + "/Samples/" + name, std::string("sample ") + name);
    }
    std::filesystem::create_directories(Documents());
    WriteBytes(Doc("Alpha.sws"), "the user's own list");
    WriteBytes(Doc("Police.swg"), "the user's own group");

    StartFirstRun(folder);
    EXPECT_EQ(ReadBytes(Doc("Alpha.swg")), "sample Alpha.swg");
    EXPECT_EQ(ReadBytes(Doc("Alpha.sws")), "the user's own list");
    EXPECT_EQ(ReadBytes(Doc("Bravo.swg")), "sample Bravo.swg");
    EXPECT_FALSE(std::filesystem::exists(Doc("Bravo.sws")));
    EXPECT_EQ(ReadBytes(Doc("Police.swg")), "the user's own group");
    EXPECT_EQ(ReadBytes(Doc("Fire.swg")), "sample Fire.swg");
    // A sample the program lacks is simply not there.
    EXPECT_FALSE(std::filesystem::exists(Doc("Medical.swg")));
    EXPECT_EQ(SetupWizard("Alpha"), 0);
    // Without a scan list the radio still wants its set-up: the wizard makes one.
    EXPECT_EQ(SetupWizard("Bravo"), 1);
    EXPECT_EQ(CRig::FindByName("Bravo")->m_setup_wizard, 1u);

    // Once the settings file is there, nothing more is copied.
    std::filesystem::remove(Doc("Alpha.swg"));
    StartFirstRun(folder);
    EXPECT_FALSE(std::filesystem::exists(Doc("Alpha.swg")));
}

} // namespace
} // namespace hb::app::test
