#include "platform/tessary/model/File.h"
#include "tests/app/wizard/WizardTest.h"

#include <filesystem>

namespace hb::app::test {
namespace {

class WizardSweepTest : public WizardTest {
protected:
    void SetUp() override { StartWith(kOneReceiver); }
    // Welcome, then more tasks, then the band activity search (3) or spectrum analysis (1).
    static void ToSweep(CWizard& wizard, int task) {
        Next(wizard);
        Choose(wizard, 4);
        Next(wizard);
        Choose(wizard, task);
        Next(wizard);
    }
    static CWizardPage3& Entries(CWizard& wizard) {
        return *static_cast<CWizardPage3*>(wizard.Page(3));
    }
    // Types into the page's entries as the user would, through the controls.
    static void Enter(CWizard& wizard, double start, double end) {
        CWizardPage3& page = Entries(wizard);
        page.UpdateData(TRUE);
        page.start = start;
        page.end = end;
        page.UpdateData(FALSE);
    }
};

TEST_F(WizardSweepTest, TheBandSearchShowsItsDefaultRangeAndRefusesFrequenciesOutsideTheRadio) {
    const int result = Run(CWizard::kModeStart, nullptr, [this](CWizard& wizard) {
        ToSweep(wizard, 3);
        ExpectAt(wizard, 3, 1500);
        CWizardPage3& page = Entries(wizard);
        page.UpdateData(TRUE);
        EXPECT_DOUBLE_EQ(page.start, 460.0);
        EXPECT_DOUBLE_EQ(page.end, 460.625);
        EXPECT_DOUBLE_EQ(page.step, 25.0);
        EXPECT_TRUE(page.GetDlgItem(IDC_WIZARD_STEP)->IsWindowVisible());

        ExpectBox("starting frequency you entered is outside", IDOK, "Invalid Start Frequency");
        Enter(wizard, 5000, 460.625);
        Next(wizard);
        ExpectBox("starting frequency you entered is outside", IDOK, "Invalid Start Frequency");
        Enter(wizard, -1, 460.625);
        Next(wizard);
        ExpectBox("ending frequency you entered is outside", IDOK, "Invalid Ending Frequency");
        Enter(wizard, 460, 1e12);
        Next(wizard);
        ExpectAt(wizard, 3, 1500);
        EXPECT_FALSE(std::filesystem::exists(Doc("Receiver.swa")));

        Enter(wizard, 460.0125, 461);
        Next(wizard);
        ExpectAt(wizard, 9, 1501);
        EXPECT_EQ(wizard.sweepFile, nullptr);
        Finish(wizard);
    });
    EXPECT_EQ(result, ID_WIZFINISH);
    ExpectBeeps(3);
    const std::unique_ptr<Range> range = ReadRoot<Range>(Doc("Receiver.swa"));
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->lower(), 460'012'500u);
    EXPECT_EQ(range->upper(), 461'000'000u);
    EXPECT_EQ(range->step(), 25'000u);
    EXPECT_EQ(range->name(), "UHF Police Band");
    EXPECT_EQ(CRig::FindByName("Receiver")->m_opener, IDR_BAND_SCOPE);
    EXPECT_NE(Main().GetActiveFrame(), &Main());
    // The window's new settings took the radio's type; the program closes without them.
    ExpectBox("Save changes", IDNO, "Halbridge Pro");
}

TEST_F(WizardSweepTest, BackAndCancelStoreNothing) {
    Run(CWizard::kModeStart, nullptr, [](CWizard& wizard) {
        ToSweep(wizard, 1);
        ExpectAt(wizard, 3, 1800);
        EXPECT_FALSE(Entries(wizard).GetDlgItem(IDC_WIZARD_STEP)->IsWindowVisible());
        Back(wizard);
        ExpectAt(wizard, 3, 1800);
        Cancel(wizard);
    });
    EXPECT_FALSE(std::filesystem::exists(Doc("Receiver.swa")));

    auto kept = SearchRange(150'000'000, 151'000'000, 12'500);
    ASSERT_TRUE(File(Doc("Receiver.swa"), kept.get()).save());
    const std::string before = ReadBytes(Doc("Receiver.swa"));
    Run(CWizard::kModeStart, nullptr, [](CWizard& wizard) {
        ToSweep(wizard, 1);
        CWizardPage3& page = Entries(wizard);
        page.UpdateData(TRUE);
        EXPECT_DOUBLE_EQ(page.start, 150.0);
        Enter(wizard, 152, 153);
        Cancel(wizard);
    });
    EXPECT_EQ(ReadBytes(Doc("Receiver.swa")), before);
}

TEST_F(WizardSweepTest, TheSpectrumAnalyzerOpensOnTheStoredRange) {
    Run(CWizard::kModeStart, nullptr, [](CWizard& wizard) {
        ToSweep(wizard, 1);
        CWizardPage3& page = Entries(wizard);
        page.UpdateData(TRUE);
        EXPECT_DOUBLE_EQ(page.start, 162.4);
        EXPECT_DOUBLE_EQ(page.end, 162.55);
        Next(wizard);
        ExpectAt(wizard, 9, 1801);
        Finish(wizard);
    });
    const std::unique_ptr<Range> range = ReadRoot<Range>(Doc("Receiver.swa"));
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->name(), "NOAA Weather");
    EXPECT_EQ(CRig::FindByName("Receiver")->m_opener, IDR_SPECTRUM_ANALYZER);
    ExpectBox("Save changes", IDNO, "Halbridge Pro");
}

} // namespace
} // namespace hb::app::test
