#include "resources/ResourceIds.h"
#include "tests/radioview/FrontPanelTest.h"

#include <gtest/gtest.h>

namespace hb::app::test {
namespace {

constexpr UINT kReceiverForms[] = {
    IDD_RADIO_VIEW, IDD_BLAND_VIEW,    IDD_OPTOCOM_VIEW, IDD_PCR1000_VIEW, IDD_PCR1500_VIEW,
    IDD_R8500_VIEW, IDD_R75_VIEW,      IDD_R9000_VIEW,   IDD_R7100_VIEW,   IDD_R20_VIEW,
    IDD_R10_VIEW,   IDD_OPTOSCAN_VIEW, IDD_PCR100_VIEW,  IDD_NRD535_VIEW,
};
constexpr UINT kTrunkForms[] = {IDD_TRUNKTRACKER_VIEW, IDD_BC780_VIEW, IDD_BC895_VIEW,
                                IDD_BC2052_VIEW, IDD_BCT8_VIEW};

class RadioViewBindingTest : public FrontPanelTest {
protected:
    // A panel on the form, its controls bound as its first update binds them.
    CRadioView* PanelOn(UINT form) {
        auto* panel = new CRadioView(form);
        if (!panel->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 400), &Main(), 1)) {
            return nullptr;
        }
        panel->UpdateData(FALSE);
        return panel;
    }
    static bool Has(const CRadioView& panel, UINT id) {
        return ::GetDlgItem(panel.m_hWnd, static_cast<int>(id)) != nullptr;
    }
    // Every optional control is bound exactly when the form has it.
    static void ExpectOptionalBindings(CRadioView& panel) {
        const std::pair<UINT, const CWnd*> optional[] = {
            {27571, &panel.m_enterButton},
            {28027, &panel.m_khzButton},
            {27790, &panel.m_followButton},
            {27995, &panel.m_bandStepSnapButton},
            {28002, &panel.m_tuningStepSnapButton},
            {28008, &panel.m_snapToBandButton},
            {27999, &panel.m_snapToStepButton},
            {28597, &panel.m_scanListButton},
            {27990, &panel.m_storeButton},
            {27991, &panel.m_recallButton},
            {27989, &panel.m_memoryChannel},
            {27788, &panel.m_memorySpin},
            {27786, &panel.m_stepSpin},
            {27787, &panel.m_stepEntry},
            {27992, &panel.m_stepDown},
            {27994, &panel.m_stepUp},
            {27792, &panel.m_khzLamp},
            {27791, &panel.m_mhzLamp},
            {27490, &panel.m_sMeter},
            {26034, &panel.m_vuBar},
            {26043, &panel.m_volumeKnob},
            {26011, &panel.m_holdSwitch},
            {28695, &panel.m_livePlayLamp},
            {28799, &panel.m_recorderStatus},
            {28502, &panel.m_liveLed},
            {28503, &panel.m_holdLed},
            {27587, &panel.m_radioName},
            {27590, &panel.m_channelLabel},
            {28724, &panel.m_nameField},
            {27781, &panel.m_keypad},
            {27516, &panel.m_signalLamp},
            {27520, &panel.m_scanningLamp},
            {27521, &panel.m_stoppedLamp},
            {27524, &panel.m_hitLamp},
            {27523, &panel.m_changeLed},
            {29395, &panel.m_statusLamp},
            {28346, &panel.m_activityLamp1},
            {28347, &panel.m_activityLamp2},
            {28255, &panel.m_stepLabel},
            {27533, &panel.m_signalValue},
            {28457, &panel.m_bandSelectButton},
            {28723, &panel.m_recordingMarkButton},
            {27540, &panel.m_volumeSetting},
            {27541, &panel.m_squelchKnob},
            {27545, &panel.m_gainKnob},
            {27548, &panel.m_bfoKnob},
            {27551, &panel.m_ifShiftKnob},
            {27907, &panel.m_voiceInversionKnob},
            {27909, &panel.m_notchKnob},
            {28088, &panel.m_agcAttackKnob},
            {28090, &panel.m_agcHangKnob},
            {28092, &panel.m_agcDecayKnob},
            {28274, &panel.m_filterKnob},
            {28275, &panel.m_filter2Knob},
            {28383, &panel.m_vscButton},
            {28847, &panel.m_localRemoteLamp},
        };
        for (const auto& [id, control] : optional) {
            EXPECT_EQ(control->m_hWnd != nullptr, Has(panel, id)) << id;
            if (control->m_hWnd) {
                EXPECT_EQ(::GetDlgCtrlID(control->m_hWnd), static_cast<int>(id)) << id;
            }
        }
        EXPECT_EQ(panel.m_vscKnob.m_hWnd != nullptr, Has(panel, 27582) || Has(panel, 29360));
        EXPECT_NE(panel.m_tuningKnob.m_hWnd, nullptr);
        EXPECT_NE(panel.m_keypadEntry.m_hWnd, nullptr);
        EXPECT_NE(panel.m_frequencyDisplay.m_hWnd, nullptr);
    }
    static std::vector<int> VfoButtonIds(const CRadioView& panel) {
        std::vector<int> ids;
        for (const CXTPButton& button : panel.m_vfoButtons) {
            ids.push_back(button.m_hWnd ? ::GetDlgCtrlID(button.m_hWnd) : 0);
        }
        return ids;
    }
};

TEST_F(RadioViewBindingTest, OnEveryReceiverFormThePanelBindsExactlyTheControlsTheFormHas) {
    StartWith(42);
    for (UINT form : kReceiverForms) {
        SCOPED_TRACE(form);
        CRadioView* panel = PanelOn(form);
        ASSERT_NE(panel, nullptr);
        ExpectOptionalBindings(*panel);
        EXPECT_EQ(VfoButtonIds(*panel), (std::vector<int>{27745, 27746, 27747, 27748, 27749}));
        panel->DestroyWindow();
    }
}

TEST_F(RadioViewBindingTest, ThePlainFormHasNoMemoryDisplay) {
    StartWith(42);
    CRadioView* panel = PanelOn(IDD_BLAND_VIEW);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->m_memoryChannel.m_hWnd, nullptr);
    EXPECT_EQ(panel->m_storeButton.m_hWnd, nullptr);
    panel->DestroyWindow();
}

TEST_F(RadioViewBindingTest, OnTheTrunkFormsTheVButtonsAreTheTrunkOnes) {
    StartWith(42);
    int withButtons = 0;
    for (UINT form : kTrunkForms) {
        SCOPED_TRACE(form);
        CRadioView* panel = PanelOn(form);
        ASSERT_NE(panel, nullptr);
        ASSERT_FALSE(Has(*panel, IDC_VFO_1));
        ExpectOptionalBindings(*panel);
        if (Has(*panel, IDC_TRUNK_VFO_1)) {
            ++withButtons;
            EXPECT_EQ(VfoButtonIds(*panel), (std::vector<int>{28488, 28489, 28490, 28491, 28492}));
        } else {
            EXPECT_EQ(VfoButtonIds(*panel), (std::vector<int>{0, 0, 0, 0, 0}));
        }
        panel->DestroyWindow();
    }
    EXPECT_GT(withButtons, 0);
}

} // namespace
} // namespace hb::app::test
