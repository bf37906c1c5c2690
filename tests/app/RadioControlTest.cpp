#include "app/radiowindow/RadioFrame.h"
#include "app/rig/RadioSelectDlg.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/Input.h"
#include "platform/tessary/model/File.h"
#include "radioview/RadioView.h"
#include "resources/ResourceIds.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <filesystem>

namespace hb::app::test {
namespace {

using hb::afx::ModalLog;
using hb::afx::SetModalScript;

class RadioControlTest : public RadioWindowTest {};

TEST_F(RadioControlTest, TheOnlyRadioOpensItsWindowWhichHoldsTheRadioUntilItCloses) {
    Radios("[Radios]\nRadio#1=Receiver\n[Receiver]\nType=42\nPort=SIM\n", {{"Receiver", 42}});
    CRig* rig = CRig::FindByName("Receiver");
    Command(ID_TOOLS_RADIO_CONTROL);
    EXPECT_TRUE(ModalLog().empty());
    CRadioFrame* frame = RadioWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->m_rig, rig);
    EXPECT_EQ(rig->m_owner, frame);
    EXPECT_EQ(frame->GetActiveDocument()->GetPathName(), Doc("Receiver.sws").c_str());
    EXPECT_EQ(dynamic_cast<CRadioView*>(frame->GetActiveView())->m_rig, rig);

    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(rig->m_owner, nullptr);
    EXPECT_EQ(Main().GetActiveFrame(), &Main());
}

TEST_F(RadioControlTest, WithSeveralRadiosTheUserChoosesOneOrCancels) {
    Radios(kTwoRadios, {{"Receiver", 42}, {"Tracker", 17}});
    SetModalScript(CRadioSelectDlg::IDD,
                   [](CDialog& dialog) { hb::afx::ClickButton(dialog, IDCANCEL); });
    Command(ID_TOOLS_RADIO_CONTROL);
    EXPECT_EQ(Main().GetActiveFrame(), &Main());

    SetModalScript(CRadioSelectDlg::IDD, [](CDialog& dialog) {
        auto& select = dynamic_cast<CRadioSelectDlg&>(dialog);
        select.m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        hb::afx::ClickButton(select, IDOK);
    });
    Command(ID_TOOLS_RADIO_CONTROL);
    ASSERT_NE(RadioWindow(), nullptr);
    EXPECT_EQ(RadioWindow()->m_rig, CRig::FindByName("Tracker"));
    EXPECT_EQ(ModalLog().size(), 2u);
    EXPECT_EQ(ModalLog().back().caption, "Select Radio - Radio Control");
}

TEST_F(RadioControlTest, ARadioThatWantsItsSetUpOrHasNoUsableListGetsTheWizard) {
    Radios("[Radios]\nRadio#1=Receiver\n[Receiver]\nType=42\nPort=SIM\n", {{"Receiver", 42}});
    CRig* rig = CRig::FindByName("Receiver");
    rig->m_setup_wizard = 1;
    SetModalScript("CWizard", [](CDialog& wizard) { wizard.EndDialog(IDCANCEL); });
    Command(ID_TOOLS_RADIO_CONTROL);
    EXPECT_EQ(rig->m_wizard_requested, 1u);
    // The wizard was cancelled: the radio still wants its set-up.
    EXPECT_EQ(rig->m_setup_wizard, 1u);

    rig->m_setup_wizard = 0;
    rig->m_wizard_requested = 0;
    std::filesystem::remove(Doc("Receiver.sws"));
    Command(ID_TOOLS_RADIO_CONTROL);
    EXPECT_EQ(rig->m_wizard_requested, 1u);
    EXPECT_EQ(Main().GetActiveFrame(), &Main());
}

TEST_F(RadioControlTest, PairBOpensOneRadioWindowThatHoldsBothItsRadios) {
    Radios(std::string(kTwoRadios) + "[MultiRadio]\nB=1\nB1=Tracker\nB2=Receiver\n",
           {{"Receiver", 42}, {"Tracker", 17}});
    CRig* receiver = CRig::FindByName("Receiver");
    CRig* tracker = CRig::FindByName("Tracker");
    SetModalScript(CRadioSelectDlg::IDD, [](CDialog& dialog) {
        auto& select = dynamic_cast<CRadioSelectDlg&>(dialog);
        ASSERT_EQ(select.m_list.GetItemText(2, 0), "Tracker & Receiver");
        select.m_list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        hb::afx::ClickButton(select, IDOK);
    });
    Command(ID_TOOLS_RADIO_CONTROL);
    CRadioFrame* frame = RadioWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->m_rig, tracker);
    EXPECT_EQ(frame->m_rig2, receiver);
    for (const CRig* rig : {tracker, receiver}) {
        EXPECT_EQ(rig->m_owner, frame);
        EXPECT_EQ(rig->m_opener, ID_TOOLS_RADIO_CONTROL);
    }

    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(tracker->m_owner, nullptr);
    EXPECT_EQ(receiver->m_owner, nullptr);
}

} // namespace
} // namespace hb::app::test
