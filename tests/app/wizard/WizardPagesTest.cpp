#include "platform/afx/CFileDialog.h"
#include "tests/app/wizard/WizardTest.h"

namespace hb::app::test {
namespace {

class WizardPagesTest : public WizardTest {
protected:
    void SetUp() override { StartWith(kOneReceiver); }
    // Straight to track 0's page 2 (a new group file) by the task "Create a group file".
    static void ToNewGroup(CWizard& wizard) {
        Next(wizard);
        Choose(wizard, 3);
        Next(wizard);
    }
};

TEST_F(WizardPagesTest, ANewGroupNameIsMadeAFullPathWithItsExtension) {
    Run(CWizard::kModeStart, nullptr, [this](CWizard& wizard) {
        ToNewGroup(wizard);
        Type(wizard, "");
        Next(wizard);
        ExpectAt(wizard, 2, 1300);
        Type(wizard, "Police");
        Next(wizard);
        EXPECT_EQ(wizard.fileName, Doc("Police.swg").c_str());
        // Back from the last step is the task selection again.
        Back(wizard);
        ExpectAt(wizard, 1, 1);
        Choose(wizard, 3);
        Next(wizard);
        Type(wizard, "Police.SWG");
        Next(wizard);
        EXPECT_EQ(wizard.fileName, Doc("Police.SWG").c_str());
        Cancel(wizard);
    });
    ExpectBeeps(1);
}

TEST_F(WizardPagesTest, AnExistingFileIsOnlyOverwrittenAfterOk) {
    WriteBytes(Doc("Police.swg"), "kept");
    Run(CWizard::kModeStart, nullptr, [](CWizard& wizard) {
        ToNewGroup(wizard);
        Type(wizard, "Police");
        ExpectBox("The file you selected, Police.swg, already exists.", IDCANCEL,
                  "WARNING: File Already Exists");
        Next(wizard);
        ExpectAt(wizard, 2, 1300);
        ExpectBox("already exists", IDOK, "WARNING: File Already Exists");
        Next(wizard);
        ExpectAt(wizard, 9, 1301);
        Cancel(wizard);
    });
    EXPECT_EQ(ReadBytes(Doc("Police.swg")), "kept");
    ExpectBeeps(2);
}

TEST_F(WizardPagesTest, AnExistingGroupMustBeThereAndADmaProfileGetsItsOwnExtension) {
    Run(CWizard::kModeStart, nullptr, [](CWizard& wizard) {
        Next(wizard);
        Choose(wizard, 4);
        Next(wizard);
        Choose(wizard, 0);
        Next(wizard);
        ExpectAt(wizard, 5, 1700);
        Type(wizard, "Missing");
        ExpectBox("The file you selected, Missing.swg, does not exist. You must select an "
                  "existing group file to continue.",
                  IDOK, "File Not Found");
        Next(wizard);
        ExpectAt(wizard, 5, 1700);
        Cancel(wizard);
    });
    WriteBytes(Doc("Home.swg.sxr"), "profile");
    NewApp();
    StartWith(kOneSystemScanner);
    Run(CWizard::kModeScanList, CRig::FindByName("Dma"), [](CWizard& wizard) {
        Next(wizard);
        Next(wizard);
        Choose(wizard, 0);
        Next(wizard);
        ExpectAt(wizard, 10, 1010);
        Type(wizard, "Home.swg");
        ExpectBox("unable to use Home.swg.sxr", IDOK, "Unable to Use Group File");
        Next(wizard);
        EXPECT_NE(wizard.fileName.Find("Home.swg.sxr"), -1);
        Cancel(wizard);
    });
    ExpectBeeps(2);
}

TEST_F(WizardPagesTest, BrowsingFillsTheNameWithoutTheDocumentsFolder) {
    hb::afx::SetFileDialogHook([this](const hb::afx::FileDialogRequest& request) {
        EXPECT_FALSE(request.open);
        EXPECT_EQ(request.title, "Select New Group");
        EXPECT_EQ(request.filter, "Group files (*.swg)|*.swg||");
        EXPECT_EQ(request.defaultExtension, "SWG");
        EXPECT_EQ(request.fileName, Doc("*.swg"));
        return std::optional<std::string>(Doc("Chosen.swg"));
    });
    Run(CWizard::kModeStart, nullptr, [](CWizard& wizard) {
        ToNewGroup(wizard);
        EXPECT_TRUE(hb::afx::ClickButton(wizard.GetActivePage()->m_hWnd, IDC_WIZARD_BROWSE));
        CString shown;
        wizard.GetActivePage()->GetDlgItemText(IDC_WIZARD_FILE_NAME, shown);
        EXPECT_EQ(shown, "Chosen.swg");
        Cancel(wizard);
    });
}

TEST_F(WizardPagesTest, UntickingTheStartUpBoxIsKeptAtOnce) {
    app->WriteProfileInt("Wizard", "ShowAtStartup", 1);
    Run(CWizard::kModeStart, nullptr, [this](CWizard& wizard) {
        EXPECT_EQ(wizard.Page(0)->IsDlgButtonChecked(IDC_WIZARD_SHOW_AT_STARTUP), BST_CHECKED);
        wizard.Page(0)->CheckDlgButton(IDC_WIZARD_SHOW_AT_STARTUP, BST_UNCHECKED);
        EXPECT_TRUE(hb::afx::ClickButton(wizard.Page(0)->m_hWnd, IDC_WIZARD_SHOW_AT_STARTUP));
        EXPECT_EQ(app->GetProfileIntA("Wizard", "ShowAtStartup", -1), 0);
        Cancel(wizard);
    });
}

} // namespace
} // namespace hb::app::test
