#include "app/radiowindow/RadioFrame.h"
#include "platform/afx/CDocument.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/sys/ProgramPath.h"
#include "tests/app/wizard/WizardTest.h"

#include <filesystem>

namespace hb::app::test {
namespace {

class WizardScanListTest : public WizardTest {
protected:
    // A group file of the radio type in the documents folder.
    void GroupFile(const std::string& name, int type) const {
        std::unique_ptr<Group> group = SampleGroup();
        group->setRadioType(static_cast<std::uint8_t>(type));
        ASSERT_TRUE(File(Doc(name), group.get()).save());
    }
    // From the first page to the choices of a radio without a trunk-system list.
    static void ToChoices(CWizard& wizard) {
        Next(wizard);
        ExpectAt(wizard, 8, 1);
        Next(wizard);
        ExpectAt(wizard, 1, 2);
        Next(wizard);
        ExpectAt(wizard, 1, 3);
    }
};

TEST_F(WizardScanListTest, AnExistingGroupBecomesTheScanListAndTheRadioWindowOpensOnIt) {
    StartWith(kOneReceiver);
    CRig* rig = CRig::FindByName("Receiver");
    rig->m_setup_wizard = 1;
    GroupFile("Local.swg", 42);
    hb::afx::SetModalScript("CWizard", [this](CDialog& dialog) {
        auto& wizard = dynamic_cast<CWizard&>(dialog);
        ExpectAt(wizard, 8, 0);
        EXPECT_EQ(Subtitle(wizard), "Scan List for Receiver");
        EXPECT_EQ(Title(wizard), "Scan List Setup Wizard");
        ToChoices(wizard);
        Choose(wizard, 0);
        Next(wizard);
        ExpectAt(wizard, 5, 1000);
        Type(wizard, "Local");
        Next(wizard);
        ExpectAt(wizard, 9, 1001);
        EXPECT_EQ(wizard.scanListName, Doc("Receiver.sws").c_str());
        const std::unique_ptr<Roster> list = ReadRoot<Roster>(Doc("Receiver.sws"));
        ASSERT_NE(list, nullptr);
        const RosterEntry& entry = *list->entries().front();
        EXPECT_EQ(entry.active, RosterEntry::kOn);
        EXPECT_EQ(entry.fileName(), Doc("Local.swg"));
        EXPECT_EQ(entry.tag, 0x330CD92u);
        Finish(wizard);
    });
    Command(ID_TOOLS_RADIO_CONTROL);
    auto* frame = dynamic_cast<CRadioFrame*>(Main().GetActiveFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->m_rig, rig);
    EXPECT_EQ(frame->GetActiveDocument()->GetPathName(), Doc("Receiver.sws").c_str());
    EXPECT_EQ(rig->m_setup_wizard, 0u);
    EXPECT_EQ(app->GetProfileIntA("Receiver", "SetupWizard", 1), 0);
}

TEST_F(WizardScanListTest, TheViewTypeIsStoredAndAnUnusableGroupIsRefused) {
    StartWith(kOneReceiver);
    CRig* rig = CRig::FindByName("Receiver");
    Group empty;
    empty.setRadioType(42);
    ASSERT_TRUE(File(Doc("Empty.swg"), &empty).save());
    Run(CWizard::kModeScanList, rig, [rig](CWizard& wizard) {
        Next(wizard);
        Next(wizard);
        ExpectAt(wizard, 1, 2);
        int shown = 0;
        for (int n = 0; n < 5; ++n) {
            shown += wizard.Page(1)->GetDlgItem(IDC_WIZARD_CHOICE_1 + n)->IsWindowVisible();
        }
        EXPECT_EQ(shown, 3);
        Choose(wizard, 2);
        Next(wizard);
        EXPECT_EQ(rig->m_view_type, 2);
        Choose(wizard, 0);
        Next(wizard);
        Type(wizard, "Empty.swg");
        ExpectBox("Halbridge Pro is unable to use Empty.swg because this group is empty", IDOK,
                  "Unable to Use Group File");
        Next(wizard);
        ExpectAt(wizard, 5, 1000);
        Cancel(wizard);
    });
    EXPECT_EQ(app->GetProfileIntA("Receiver", "ViewType", -1), 2);
    ExpectBeeps(1);
}

TEST_F(WizardScanListTest, AScannerWithTrunkSystemListsGoesToTheDmaPages) {
    StartWith(kOneSystemScanner);
    Run(CWizard::kModeScanList, CRig::FindByName("Dma"), [](CWizard& wizard) {
        Next(wizard);
        ExpectAt(wizard, 8, 11);
        EXPECT_EQ(Subtitle(wizard), "DMA Scanners");
        Next(wizard);
        Next(wizard);
        ExpectAt(wizard, 1, 12);
        Choose(wizard, 1);
        Next(wizard);
        ExpectAt(wizard, 11, 1110);
        Type(wizard, "Profile");
        Next(wizard);
        ExpectAt(wizard, 4, 1111);
        Next(wizard);
        ExpectAt(wizard, 9, 1112);
        EXPECT_EQ(Buttons(wizard), DWORD{PSWIZB_BACK | PSWIZB_FINISH});
        Finish(wizard);
    });
    EXPECT_EQ(Main().GetActiveFrame(), &Main());
    ExpectBeeps(1);
}

TEST_F(WizardScanListTest, AResumeWhoseRadioIsGoneRefusesTheTransferAndAsksForAGroupAgain) {
    StartWith(kOneReceiver);
    GroupFile("Mine.swg", 42);
    app->WriteProfileInt("Wizard", "SavePage", 8);
    app->WriteProfileInt("Wizard", "SaveStep", 1202);
    app->WriteProfileInt("Wizard", "SaveTrack", 1);
    app->WriteProfileStringA("Wizard", "SaveRig", "Gone");
    app->WriteProfileStringA("Wizard", "SaveFileName", Doc("Mine.swg").c_str());
    Run(CWizard::kModeResume, nullptr, [](CWizard& wizard) {
        ExpectAt(wizard, 8, 1202);
        EXPECT_EQ(wizard.rig, nullptr);
        EXPECT_EQ(Subtitle(wizard), "Continuing with Scan List Setup");
        Next(wizard);
        ExpectAt(wizard, 4, 1203);
        Next(wizard);
        ExpectAt(wizard, 2, 1200);
        Cancel(wizard);
    });
    ExpectBeeps(1);
    EXPECT_EQ(TransferRefusals(), 0u);
}

// The receiver's memory cannot be read, so the new group is empty and the radio refuses it.
TEST_F(WizardScanListTest, RadioMemoryBecomesANewGroupOfferedAsTheScanList) {
    StartWith(kOneReceiver);
    CRig* rig = CRig::FindByName("Receiver");
    Run(CWizard::kModeScanList, rig, [](CWizard& wizard) {
        ToChoices(wizard);
        Choose(wizard, 1);
        Next(wizard);
        ExpectAt(wizard, 2, 1100);
        ExpectRefusedTransfer();
        Type(wizard, "FromRadio");
        Next(wizard);
        ExpectAt(wizard, 4, 1101);
        ExpectBox("unable to use FromRadio.swg", IDOK, "Unable to Use Group File");
        Next(wizard);
        ExpectAt(wizard, 4, 1101);
        Cancel(wizard);
    });
    ExpectBeeps(1);
    EXPECT_EQ(TransferRefusals(), 1u);
    EXPECT_TRUE(std::filesystem::exists(Doc("FromRadio.swg")));
    EXPECT_TRUE(std::filesystem::exists(Doc("Receiver.sws")));
}

} // namespace
} // namespace hb::app::test

namespace hb::app::test {
namespace {

class WizardScanListSetUpTest : public WizardTest {};

TEST_F(WizardScanListSetUpTest, TheExampleScanListIsMadeAndNamedOnItsPage) {
    StartWith(kOneReceiver);
    Run(CWizard::kModeScanList, CRig::FindByName("Receiver"), [](CWizard& wizard) {
        Next(wizard);
        Next(wizard);
        Next(wizard);
        ExpectAt(wizard, 1, 3);
        Next(wizard);
        ExpectAt(wizard, 1, 3);
        Choose(wizard, 2);
        Next(wizard);
        ExpectAt(wizard, 8, 1300);
        EXPECT_EQ(Subtitle(wizard), "Example Scan List Created");
        EXPECT_NE(Body(wizard).find("\tScan list:\tReceiver.sws\n"), std::string::npos)
            << Body(wizard);
        EXPECT_NE(Body(wizard).find("should yield traffic in most areas."), std::string::npos);
        Next(wizard);
        ExpectAt(wizard, 9, 1301);
        EXPECT_EQ(wizard.scanListName, "Receiver.sws");
        Cancel(wizard);
    });
    ExpectBeeps(1);
}

// With the sample a first start copies, the example list names it and its window has channels: an
// empty list would show the "Empty Scan List" box, which no script here answers.
TEST_F(WizardScanListSetUpTest,
       TheExampleScanListNamesItsSampleAndItsRadioWindowStartsWithChannels) {
    StartWith(kOneReceiver);
    std::filesystem::copy_file(hb::win::ApplicationFolder() + "/Samples/VHFSample.swg",
                               Doc("VHFSample.swg"));
    CRig* rig = CRig::FindByName("Receiver");
    Run(CWizard::kModeScanList, rig, [](CWizard& wizard) {
        Next(wizard);
        Next(wizard);
        Next(wizard);
        Choose(wizard, 2);
        Next(wizard);
        ExpectAt(wizard, 8, 1300);
        EXPECT_NE(Body(wizard).find("VHFSample.swg"), std::string::npos) << Body(wizard);
        Next(wizard);
        ExpectAt(wizard, 9, 1301);
        Finish(wizard);
    });
    auto* frame = dynamic_cast<CRadioFrame*>(Main().GetActiveFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->m_rig, rig);
    EXPECT_EQ(frame->GetActiveDocument()->GetPathName(), Doc("Receiver.sws").c_str());
    ExpectBeeps(0);
}

TEST_F(WizardScanListSetUpTest, ATrunkRadiosNewGroupIsEditedFirstAndTheWizardResumesAfterward) {
    StartWith("[Radios]\nRadio#1=Tracker\n[Tracker]\nType=17\nPort=SIM\n");
    CRig* rig = CRig::FindByName("Tracker");
    Run(CWizard::kModeScanList, rig, [](CWizard& wizard) {
        Next(wizard);
        Next(wizard);
        Next(wizard);
        Choose(wizard, 2);
        CString choice;
        wizard.Page(1)->GetDlgItemText(IDC_WIZARD_CHOICE_1 + 2, choice);
        EXPECT_EQ(choice, "Create a new group file and enter frequencies manually.");
        Next(wizard);
        ExpectAt(wizard, 2, 1200);
        Type(wizard, "Talk");
        Next(wizard);
        ExpectAt(wizard, 9, 1201);
        EXPECT_EQ(Buttons(wizard), DWORD{PSWIZB_BACK | PSWIZB_FINISH});
        Finish(wizard);
    });
    EXPECT_EQ(app->GetProfileIntA("Wizard", "SavePage", 0), 8);
    EXPECT_EQ(app->GetProfileIntA("Wizard", "SaveStep", 0), 1202);
    EXPECT_EQ(app->GetProfileIntA("Wizard", "SaveTrack", 0), 1);
    CFrameWnd* group = Main().GetActiveFrame();
    ASSERT_NE(group, &Main());
    // The new group has the radio's own banks and channels to enter frequencies into.
    CGroupDoc made;
    ASSERT_TRUE(made.OnOpenDocument(Doc("Talk.swg").c_str()));
    const auto organisation = Radio::CreateRadio(17)->organisation();
    ASSERT_EQ(made.GetGroup()->banks().size(), organisation.banks);
    EXPECT_EQ(made.GetGroup()->banks()[0]->members().size(), organisation.channelsPerBank);

    bool resumed = false;
    hb::afx::SetModalScript("CWizard", [&](CDialog& dialog) {
        auto& wizard = dynamic_cast<CWizard&>(dialog);
        resumed = true;
        ExpectAt(wizard, 8, 1202);
        EXPECT_EQ(wizard.rig, rig);
        Next(wizard);
        ExpectAt(wizard, 4, 1203);
        // Nothing was entered: the radio cannot scan the empty group.
        ExpectBox("unable to use Talk.swg", IDOK, "Unable to Use Group File");
        Next(wizard);
        ExpectAt(wizard, 2, 1200);
        Cancel(wizard);
    });
    group->SendMessage(WM_CLOSE);
    AdvanceAndPump(1000);
    EXPECT_TRUE(resumed);
    ExpectBeeps(1);
}

} // namespace
} // namespace hb::app::test
