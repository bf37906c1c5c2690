#include "app/radiowindow/RadioFrame.h"
#include "platform/afx/CDocument.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Radio.h"
#include "programming/GroupFrame.h"
#include "tests/app/wizard/WizardTest.h"

#include <filesystem>

namespace hb::app::test {
namespace {

class WizardGettingStartedTest : public WizardTest {
protected:
    void SetUp() override { StartWith(kOneReceiver); }
    CRig* Receiver() const { return CRig::FindByName("Receiver"); }
    CFrameWnd* Active() const { return Main().GetActiveFrame(); }
};

TEST_F(WizardGettingStartedTest, ANewGroupFileIsMadeForTheChosenRadioAndOpensInItsWindow) {
    const int result = Run(CWizard::kModeStart, nullptr, [this](CWizard& wizard) {
        ExpectAt(wizard, 0, 0);
        EXPECT_EQ(Title(wizard), "Welcome to Halbridge Pro!");
        CString caption;
        wizard.GetWindowText(caption);
        EXPECT_EQ(caption, "Halbridge Pro Wizard");
        EXPECT_EQ(Buttons(wizard), DWORD{PSWIZB_NEXT});
        Next(wizard);
        ExpectAt(wizard, 1, 1);
        Choose(wizard, 3);
        Next(wizard);
        ExpectAt(wizard, 2, 1300);
        EXPECT_EQ(wizard.rig, Receiver());
        Type(wizard, "Scanner1");
        Next(wizard);
        ExpectAt(wizard, 9, 1301);
        EXPECT_EQ(Buttons(wizard), DWORD{PSWIZB_BACK | PSWIZB_FINISH});
        Finish(wizard);
    });
    EXPECT_EQ(result, ID_WIZFINISH);
    const std::unique_ptr<Group> group = ReadRoot<Group>(Doc("Scanner1.swg"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->radioType(), Receiver()->m_radio->RadioTypeCode());
    ASSERT_NE(dynamic_cast<CGroupFrame*>(Active()), nullptr);
    EXPECT_EQ(Active()->GetActiveDocument()->GetPathName(), Doc("Scanner1.swg").c_str());
}

TEST_F(WizardGettingStartedTest, AChoiceStepWantsAChoiceAndBackFindsTheTasksAgain) {
    Run(CWizard::kModeStart, nullptr, [](CWizard& wizard) {
        Next(wizard);
        Next(wizard);
        ExpectAt(wizard, 1, 1);
        Choose(wizard, 4);
        Next(wizard);
        ExpectAt(wizard, 1, 2);
        EXPECT_EQ(Subtitle(wizard), "More Task Selections");
        Next(wizard);
        ExpectAt(wizard, 1, 2);
        Back(wizard);
        ExpectAt(wizard, 1, 1);
        Choose(wizard, 0);
        Next(wizard);
        ExpectAt(wizard, 8, 1001);
        EXPECT_EQ(Buttons(wizard), DWORD{PSWIZB_BACK | PSWIZB_NEXT});
        Back(wizard);
        ExpectAt(wizard, 1, 1);
        EXPECT_EQ(Title(wizard), "Task Selection");
        Cancel(wizard);
    });
    ExpectBeeps(2);
}

TEST_F(WizardGettingStartedTest, TheFirstScanningStepsWaitForTheGroupWindowThenTransferAndScan) {
    CRig* rig = Receiver();
    const int result = Run(CWizard::kModeStart, nullptr, [](CWizard& wizard) {
        Next(wizard);
        Choose(wizard, 0);
        Next(wizard);
        Next(wizard);
        ExpectAt(wizard, 2, 1002);
        Type(wizard, "Home");
        Next(wizard);
        ExpectAt(wizard, 9, 1003);
        Finish(wizard);
    });
    EXPECT_EQ(result, ID_WIZFINISH);
    EXPECT_EQ(app->GetProfileIntA("Wizard", "SavePage", 0), 4);
    EXPECT_EQ(app->GetProfileIntA("Wizard", "SaveStep", 0), 1010);
    EXPECT_EQ(app->GetProfileStringA("Wizard", "SaveRig", ""), "Receiver");
    EXPECT_EQ(app->GetProfileStringA("Wizard", "InitialGroupFile", ""), Doc("Home.swg").c_str());
    CFrameWnd* group = Active();
    ASSERT_NE(dynamic_cast<CGroupFrame*>(group), nullptr);

    // While the group is open the timer only waits.
    AdvanceAndPump(3000);
    EXPECT_EQ(hb::afx::ModalLog().size(), 1u);

    bool resumed = false;
    hb::afx::SetModalScript("CWizard", [&](CDialog& dialog) {
        auto& wizard = dynamic_cast<CWizard&>(dialog);
        resumed = true;
        ExpectAt(wizard, 4, 1010);
        EXPECT_EQ(wizard.rig, rig);
        EXPECT_EQ(Title(wizard), "Transfer Group to Radio");
        Next(wizard);
        ExpectAt(wizard, 9, 1011);
        EXPECT_EQ(TransferRefusals(), 1u);
        Finish(wizard);
    });
    // The receiver's memory cannot be written, so the radio finds its new scan list empty.
    ExpectRefusedTransfer();
    ExpectBox("scan list is empty", IDOK, "Empty Scan List");
    group->SendMessage(WM_CLOSE);
    AdvanceAndPump(1000);
    EXPECT_TRUE(resumed);
    EXPECT_TRUE(std::filesystem::exists(Doc("Receiver.sws")));
    auto* radio = dynamic_cast<CRadioFrame*>(Active());
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->m_rig, rig);
    EXPECT_EQ(radio->GetActiveDocument()->GetPathName(), Doc("Receiver.sws").c_str());
    EXPECT_EQ(app->GetProfileStringA("Wizard", "InitialGroupFile", "-"), "");
}

TEST_F(WizardGettingStartedTest, AGroupOfAnotherRadioTypeIsNotTransferred) {
    std::unique_ptr<Group> group = SampleGroup();
    group->setRadioType(17);
    ASSERT_TRUE(File(Doc("Other.swg"), group.get()).save());
    app->WriteProfileInt("Wizard", "SavePage", 4);
    app->WriteProfileInt("Wizard", "SaveStep", 1010);
    app->WriteProfileStringA("Wizard", "SaveRig", "Receiver");
    app->WriteProfileStringA("Wizard", "SaveFileName", Doc("Other.swg").c_str());
    const int result = Run(CWizard::kModeResume, nullptr, [](CWizard& wizard) {
        Next(wizard);
        ExpectAt(wizard, 8, 100);
        EXPECT_EQ(Title(wizard), "Radio Type Mismatch");
        EXPECT_EQ(Buttons(wizard), DWORD{PSWIZB_FINISH});
        Finish(wizard);
    });
    EXPECT_EQ(result, ID_WIZFINISH);
    EXPECT_EQ(TransferRefusals(), 0u);
    ExpectBeeps(1);
}

TEST_F(WizardGettingStartedTest, EachLastStepOffersFinishAndTheToolsStartFromIt) {
    // Audio player: choice 4 of the more tasks.
    Run(CWizard::kModeStart, nullptr, [](CWizard& wizard) {
        Next(wizard);
        Choose(wizard, 4);
        Next(wizard);
        Choose(wizard, 4);
        Next(wizard);
        ExpectAt(wizard, 9, 1600);
        EXPECT_EQ(Buttons(wizard), DWORD{PSWIZB_BACK | PSWIZB_FINISH});
        EXPECT_NE(wizard.Page(9)->SendDlgItemMessage(IDC_WIZARD_ICON, STM_GETICON), 0);
        Finish(wizard);
    });
    EXPECT_NE(Active(), &Main());
}

} // namespace
} // namespace hb::app::test
