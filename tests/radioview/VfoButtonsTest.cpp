#include "radioview/TrunkTrackerView.h"
#include "tests/radioview/FrontPanelTest.h"
#include "tests/radioview/KeypadTest.h"

namespace hb::radioview::test {
namespace {

using hb::records::kEngineCmdStart;

class VfoButtonsTest : public KeypadTest {
protected:
    void OpenInView(int viewType) {
        UseReceiver();
        UserValue("Receiver", "ViewType", static_cast<DWORD>(viewType));
        Open();
        ASSERT_EQ(frame->ViewType(), viewType);
    }
    bool Checked(int n) const { return panel->m_vfoButtons[n - 1].GetChecked() != FALSE; }
    void RightClick(UINT id) const {
        const HWND button = Control(id);
        ::SendMessage(button, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
        ::SendMessage(button, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    }
};

TEST_F(VfoButtonsTest, AClickChecksOneButtonSelectsItsVfoAndTakesTheRadio) {
    OpenInView(1);
    panel->m_vfo[2].set(parm::kFrequency, 155 * kMhz);
    panel->m_vfo[2].set(parm::kStep, 0);
    Click(IDC_VFO_1);
    Click(IDC_VFO_1 + 1);
    EXPECT_EQ(panel->m_activeVfo, 2);
    EXPECT_TRUE(Checked(2));
    for (int n : {1, 3, 4, 5}) {
        EXPECT_FALSE(Checked(n)) << n;
    }
    EXPECT_TRUE(panel->IsManualMode());
    EXPECT_EQ(Frequency(), 155 * kMhz);
    EXPECT_NE(Vfo().get(parm::kStep), 0u);
    Click(IDC_VFO_1 + 1);
    EXPECT_FALSE(Checked(2));
    EXPECT_EQ(panel->m_activeVfo, 0);
}

TEST_F(VfoButtonsTest, ARightClickCopiesTheActiveVfoIntoItsOwnAndBeeps) {
    OpenInView(1);
    Click(IDC_VFO_1);
    panel->m_vfo[1].set(parm::kFrequency, 162'550'000);
    panel->m_vfoInfo[1] = "Weather";
    RightClick(IDC_VFO_1 + 2);
    EXPECT_EQ(panel->m_vfo[3], panel->m_vfo[1]);
    EXPECT_EQ(panel->m_vfoInfo[3], "Weather");
    EXPECT_EQ(panel->m_activeVfo, 1);
    EXPECT_TRUE(Checked(1));
    EXPECT_FALSE(Checked(3));
    ExpectBeeps(1);
}

TEST_F(VfoButtonsTest, ReleasingAVfoResumesScanningOnlyWhenItInterruptedIt) {
    OpenInView(0);
    Click(IDC_VFO_1 + 1);
    EngineSim::ClearJournal();
    Click(IDC_VFO_1 + 1);
    EXPECT_TRUE(Sent(kEngineCmdStart));
}

TEST_F(VfoButtonsTest, AVfoChosenWhileTuningByHandNeverResumesScanning) {
    OpenInView(0);
    // V2 interrupts scanning; V1 and then V2 again are chosen by hand.
    Click(IDC_VFO_1 + 1);
    Click(IDC_VFO_1);
    Click(IDC_VFO_1 + 1);
    EngineSim::ClearJournal();
    Click(IDC_VFO_1 + 1);
    EXPECT_FALSE(Sent(kEngineCmdStart));
}

TEST_F(VfoButtonsTest, InBrowseAReleaseNeverResumes) {
    OpenInView(1);
    Click(IDC_VFO_1 + 1);
    EngineSim::ClearJournal();
    Click(IDC_VFO_1 + 1);
    EXPECT_FALSE(Sent(kEngineCmdStart));
    EXPECT_EQ(panel->m_enteredFromScanning[2], 0);
}

TEST_F(VfoButtonsTest, ControlF3DoesWhatAClickOnV3Does) {
    OpenInView(1);
    EXPECT_TRUE(PressInKeypad(VK_F3, FCONTROL));
    EXPECT_EQ(panel->m_activeVfo, 3);
    EXPECT_TRUE(Checked(3));
    EXPECT_TRUE(panel->IsManualMode());
    EXPECT_TRUE(PressInKeypad(VK_F3, FCONTROL));
    EXPECT_EQ(panel->m_activeVfo, 0);
    EXPECT_FALSE(Checked(3));
}

class TrunkVfoButtonsTest : public hb::app::test::FrontPanelTest {};

TEST_F(TrunkVfoButtonsTest, OnATrunkFormTheClickAndTheAcceleratorBothCheckItsThirdButton) {
    StartWith(63);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(DYNAMIC_DOWNCAST(CTrunkTrackerView, panel), nullptr);
    const CXTPButton& v3 = panel->m_vfoButtons[2];
    ASSERT_EQ(::GetDlgCtrlID(v3.m_hWnd), static_cast<int>(IDC_TRUNK_VFO_1 + 2));
    hb::afx::ClickButton(panel->m_hWnd, static_cast<int>(IDC_TRUNK_VFO_1 + 2));
    EXPECT_TRUE(v3.GetChecked());
    EXPECT_EQ(panel->m_activeVfo, 3);
    hb::afx::ClickButton(panel->m_hWnd, static_cast<int>(IDC_TRUNK_VFO_1 + 2));
    EXPECT_FALSE(v3.GetChecked());

    panel->m_keypadEntry.SetFocus();
    hb::afx::PressKey(panel->m_keypadEntry.m_hWnd, VK_F3, FCONTROL);
    PumpUntilIdle();
    EXPECT_TRUE(v3.GetChecked());
    EXPECT_EQ(panel->m_activeVfo, 3);
}

} // namespace
} // namespace hb::radioview::test
