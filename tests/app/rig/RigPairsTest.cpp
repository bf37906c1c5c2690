#include "app/rig/RadioSelectDlg.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "resources/program/ProgramResources.h"
#include "tests/app/rig/RigTest.h"

namespace hb::app::test {
namespace {

using Selection = decltype(CRig::s_selection);

class RigPairsTest : public RigTest {
protected:
    RigPairsTest() {
        UseProgramResources(ProgramResourceTables());
        alpha = AddRig("Alpha", kReceiver);
        bravo = AddRig("Bravo", kReceiver);
        charlie = AddRig("Charlie", kScanner);
        delta = AddRig("Delta", kReceiver);
    }

    // Selects the row shown with `text` and confirms it with OK; the wizard box as asked.
    static void ConfirmRow(std::string text, bool wizard = false) {
        hb::afx::SetModalScript(CRadioSelectDlg::IDD, [text, wizard](CDialog& dialog) {
            auto& select = dynamic_cast<CRadioSelectDlg&>(dialog);
            int row = 0;
            while (row < select.m_list.GetItemCount() &&
                   select.m_list.GetItemText(row, 0).str() != text) {
                ++row;
            }
            ASSERT_LT(row, select.m_list.GetItemCount()) << text << " is not shown";
            if (wizard) {
                select.CheckDlgButton(CRadioSelectDlg::kWizardId, BST_CHECKED);
            }
            select.m_list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
            hb::afx::ClickButton(select, IDOK);
        });
    }

    CRig* alpha = nullptr;
    CRig* bravo = nullptr;
    CRig* charlie = nullptr;
    CRig* delta = nullptr;
};

TEST_F(RigPairsTest, PairBGivesItsRadiosInTheOrderOfTheList) {
    Settings("[MultiRadio]\nA=1\nA1=Alpha\nA2=Bravo\n"
             "B=1\nB1=delta,main\nB2=Charlie\nB3=Alpha\nB4=\nB5=Bravo\n");
    ConfirmRow("delta & Charlie");
    EXPECT_EQ(CRig::SelectRig("Radio Control", 0, 0), delta);
    EXPECT_EQ(CRig::s_selection, (Selection{delta, charlie, alpha}));

    // The pair rows follow the radios listed, so with a filter pair "B" is still pair "B".
    Settings("[MultiRadio]\nA=1\nA1=Alpha\nA2=Bravo\nB=1\nB1=Delta\nB2=Alpha\n");
    alpha->m_setup_wizard = 0;
    delta->m_setup_wizard = 0;
    ConfirmRow("Delta & Alpha", true);
    EXPECT_EQ(CRig::SelectRig("Radio Control", 0xFF, kReceiver), delta);
    EXPECT_EQ(CRig::s_selection, (Selection{delta, alpha}));
    EXPECT_EQ(delta->m_setup_wizard, 1u);
    EXPECT_EQ(alpha->m_setup_wizard, 0u); // only the first radio of the pair is asked
}

TEST_F(RigPairsTest, PairBStandsAloneWhenPairAIsOff) {
    Settings("[MultiRadio]\nA=0\nA1=Alpha\nA2=Bravo\nB=1\nB1=Bravo\nB2=Delta\n");
    hb::afx::SetModalScript(CRadioSelectDlg::IDD, [](CDialog& dialog) {
        auto& select = dynamic_cast<CRadioSelectDlg&>(dialog);
        ASSERT_EQ(select.m_list.GetItemCount(), 6);
        EXPECT_EQ(select.m_list.GetItemText(4, 0), "Bravo & Delta");
        EXPECT_EQ(select.m_list.GetItemText(5, 0), "Cancel");
        select.m_list.SetItemState(4, LVIS_SELECTED, LVIS_SELECTED);
        hb::afx::ClickButton(select, IDOK);
    });
    EXPECT_EQ(CRig::SelectRig("Band Scope", CRig::kNoWizardOffer, 0), bravo);
    EXPECT_EQ(CRig::s_selection, (Selection{bravo, delta}));

    // Confirming the row after it cancels, whatever the lists hold.
    ConfirmRow("Cancel");
    EXPECT_EQ(CRig::SelectRig("Band Scope", CRig::kNoWizardOffer, 0), nullptr);
    EXPECT_EQ(CRig::s_selection, Selection{});
}

} // namespace
} // namespace hb::app::test
