#include "platform/afx/ModalScript.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/model/BandPlan.h"
#include "tests/radioview/TuningTest.h"

namespace hb::radioview::test {
namespace {

class SnapTest : public TuningTest {
protected:
    void SetUp() override {
        UseReceiver();
        Open();
    }
    bool Checked(const CXTPButton& button) const { return button.GetChecked() != 0; }
};

TEST_F(SnapTest, BandAndStepSnapExcludeEachOtherAndAreStored) {
    Click(IDC_BAND_STEP_SNAP);
    EXPECT_EQ(panel->m_bandStepSnap, CRadioView::kOn);
    EXPECT_TRUE(Checked(panel->m_bandStepSnapButton));
    EXPECT_TRUE(KeypadHasFocus());
    EXPECT_EQ(Setting("BandStepSnap"), 1);
    EXPECT_EQ(Setting("TuningStepSnap"), 0);

    Click(IDC_TUNING_STEP_SNAP);
    EXPECT_EQ(panel->m_tuningStepSnap, CRadioView::kOn);
    EXPECT_EQ(panel->m_bandStepSnap, 0);
    EXPECT_FALSE(Checked(panel->m_bandStepSnapButton));
    EXPECT_EQ(Setting("BandStepSnap"), 0);
    EXPECT_EQ(Setting("TuningStepSnap"), 1);

    Click(IDC_TUNING_STEP_SNAP);
    EXPECT_EQ(panel->m_tuningStepSnap, 0);
    EXPECT_FALSE(Checked(panel->m_tuningStepSnapButton));
    EXPECT_EQ(Setting("TuningStepSnap"), 0);
}

TEST_F(SnapTest, SnappingNowPutsTheFrequencyOnTheBandOrStepGrid) {
    panel->TuneFrequency(156'813'000, 0);
    Click(IDC_SNAP_TO_BAND);
    EXPECT_EQ(Frequency(), 156'825'000u);
    EXPECT_TRUE(KeypadHasFocus());

    panel->TuneFrequency(145'006'250, 0);
    Vfo().set(parm::kStep, 12'500);
    Click(IDC_SNAP_TO_STEP);
    EXPECT_EQ(Frequency(), 145'012'500u);

    // Outside the band plan "AB" leaves the frequency alone.
    panel->TuneFrequency(140'000'123, 0);
    Click(IDC_SNAP_TO_BAND);
    EXPECT_EQ(Frequency(), 140'000'123u);
}

TEST_F(SnapTest, FollowingANewBandTakesItsModeAndNameAndSnapsWithinIt) {
    panel->TuneFrequency(151 * kMhz, 0);
    panel->m_manualMode = CRadioView::kOn;
    Vfo().set(parm::kMode, 1);
    Click(IDC_FREQUENCY_FOLLOWING);
    EXPECT_TRUE(Checked(panel->m_followButton));
    EXPECT_EQ(Setting("FrequencyFollowing"), 1);
    // Public Service VHF prefers narrow FM, which this radio has.
    EXPECT_EQ(Vfo().get(parm::kMode), 11);
    EXPECT_EQ(panel->m_vfoInfo[panel->m_activeVfo], "Public Service VHF");
    EXPECT_EQ(Vfo().text(parm::kName), "Public Service V");

    // Within the band, band-step snap keeps to its grid and the name stays.
    panel->m_bandStepSnap = CRadioView::kOn;
    Vfo().set(parm::kMode, 0);
    panel->TuneFrequency(151'004'000, 0);
    EXPECT_EQ(Frequency(), 151'002'500u);
    EXPECT_EQ(Vfo().get(parm::kMode), 0);

    // Into the next band: the marine band's first mode is FM.
    panel->TuneFrequency(156'812'000, 0);
    EXPECT_EQ(Frequency(), 156'800'000u);
    EXPECT_EQ(Vfo().get(parm::kMode), 0);
    EXPECT_EQ(panel->m_vfoInfo[panel->m_activeVfo], "Marine VHF");

    Click(IDC_FREQUENCY_FOLLOWING);
    EXPECT_FALSE(Checked(panel->m_followButton));
    EXPECT_EQ(Setting("FrequencyFollowing"), 0);
}

TEST_F(SnapTest, TheBandButtonTunesToTheBandChosenInItsList) {
    panel->TuneFrequency(121'500'000, 0);
    const auto air = *hb::tessary::FindPlanBand(121'500'000);
    const auto marine = *hb::tessary::FindPlanBand(156'000'000);
    long shown = -1;
    hb::afx::SetModalScript("CBandSelect", [&](CDialog& dialog) {
        const HWND list = ::GetDlgItem(dialog.m_hWnd, CBandSelect::IDC_BANDS);
        shown = static_cast<long>(::SendMessage(list, LB_GETCURSEL, 0, 0));
        ::SendMessage(list, LB_SETCURSEL, marine, 0);
        hb::afx::ClickButton(dialog.m_hWnd, IDOK);
    });
    Click(IDC_BAND_SELECT);
    EXPECT_EQ(shown, static_cast<long>(air));
    EXPECT_EQ(Frequency(), 156 * kMhz);
    EXPECT_TRUE(KeypadHasFocus());

    hb::afx::SetModalScript("CBandSelect",
                            [](CDialog& dialog) { hb::afx::ClickButton(dialog.m_hWnd, IDCANCEL); });
    Click(IDC_BAND_SELECT);
    EXPECT_EQ(Frequency(), 156 * kMhz);
}

} // namespace
} // namespace hb::radioview::test
