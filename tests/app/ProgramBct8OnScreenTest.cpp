// A highway-patrol scanner of the test's own settings on a display of the test's own: its scan
// list opened at start-up shows its panel with the state list and the patrol-bank switch.
#include "ProgramOnScreen.h"
#include "platform/records/Parm.h"
#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Roster.h"
#include "platform/testkit/TempFolder.h"
#include "platform/testkit/xdriver/Artefacts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace hb::apptest {
namespace {

class ProgramBct8OnScreenTest : public ProgramOnScreen {
protected:
    // The panel's rows once the window is maximised.
    static constexpr int kPanelTop = 95;
    static constexpr unsigned kPanelHeight = 290;

    // The settings with one radio "Patrol" of type 99, and its group and scan list.
    void WritePatrolScanner() {
        std::filesystem::create_directories(program.Config(""));
        hb::testkit::WriteFileBytes(program.Config("Halbridge Pro.ini"),
                                    "[Radios]\nRadio#1=Patrol\n"
                                    "[Patrol]\nType=99\nPort=SIM\nSeed=4\n"
                                    "Busy=155475000\nAudioInput=-1\nAudioOutput=-1\n");
        const std::string documents = program.Home() + "/Documents/";
        std::filesystem::create_directories(documents);
        auto group = std::make_unique<Group>();
        group->setName("Highway Patrol");
        group->setRadioType(99);
        Bank& bank = group->addBank(std::make_unique<Bank>());
        bank.number = 1;
        bank.setName("State Patrol");
        Chan& channel = bank.addMember(std::make_unique<Chan>());
        hb::records::Parm record;
        record.set(hb::records::Parm::kFrequency, 155'475'000);
        record.set(hb::records::Parm::kStep, 12'500);
        record.set(hb::records::Parm::kMemoryChannel, 1);
        record.setText(hb::records::Parm::kName, "Troopers");
        channel.SetParm(record);
        channel.setName("Troopers");
        ASSERT_TRUE(File(documents + "Patrol.swg", group.get()).save());
        Roster list;
        list.entries()[0]->active = RosterEntry::kOn;
        list.entries()[0]->setFileName(documents + "Patrol.swg");
        ASSERT_TRUE(File(documents + "Patrol.sws", &list).save());
    }
};

TEST_F(ProgramBct8OnScreenTest, ThePatrolScannersPanelShowsItsStateListAndPatrolSwitch) {
    ASSERT_NO_FATAL_FAILURE(WritePatrolScanner());
    ASSERT_TRUE(program.Launch({program.Home() + "/Documents/Patrol.sws"}, server->name()))
        << program.Output();
    // The start-up wizard cannot run over an open window, and says so.
    const auto box = driver->FindWindow("Close All Windows", kWait);
    ASSERT_TRUE(box && driver->WaitUntilPainted(*box, kWait)) << program.Output();
    driver->Press("Return");
    const auto main = driver->FindWindow("Halbridge Pro - Patrol", kWait);
    ASSERT_TRUE(main && driver->WaitUntilPainted(*main, kWait)) << program.Output();
    ASSERT_TRUE(driver->WaitForPixel(*main, kMovedWindowX, kMovedWindowY, kWorkspace, kWait));
    ASSERT_TRUE(GiveThePanelRoom(*main));
    const auto panel = driver->Pixels(*main, 0, kPanelTop, kRoomyWidth, kPanelHeight);
    EXPECT_GE(std::set<unsigned long>(panel.begin(), panel.end()).size(), 16u);
    EXPECT_TRUE(driver->Screenshot(*main, hb::testkit::ArtefactPath("program-bct8.png")));
}

} // namespace
} // namespace hb::apptest
