// The panels' tooltips: every control of the receiver and trunk-tracker forms, the tone panels and
// the mini status panels has its text among the program's strings, except the V buttons, whose
// text the front panel builds; the mini panels' VFO switches share their ids and so show none.
#include "platform/afx/Afx.h"
#include "platform/afx/res/TemplateLookup.h"
#include "platform/testkit/PlatformTest.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramResources.h"

#include <map>
#include <set>
#include <string>

namespace {

constexpr UINT kStaticId = 0xFFFF;

constexpr UINT kPanelForms[] = {
    IDD_RADIO_VIEW,        IDD_BLAND_VIEW,         IDD_OPTOCOM_VIEW,      IDD_PCR1000_VIEW,
    IDD_PCR1500_VIEW,      IDD_R8500_VIEW,         IDD_R75_VIEW,          IDD_R9000_VIEW,
    IDD_R7100_VIEW,        IDD_R20_VIEW,           IDD_R10_VIEW,          IDD_OPTOSCAN_VIEW,
    IDD_PCR100_VIEW,       IDD_NRD535_VIEW,        IDD_TRUNKTRACKER_VIEW, IDD_BC780_VIEW,
    IDD_BC895_VIEW,        IDD_BC2052_VIEW,        IDD_BCT8_VIEW,         IDD_R8_VIEW,
    IDD_CHANNEL_RACK,      IDD_TONE_DECODER_RACK,  IDD_MINI_STATUS,       IDD_MINI_STATUS_HF,
    IDD_MINI_STATUS_TRUNK, IDD_MINI_STATUS_TRUNK_2};

bool IsVfoButton(UINT id) {
    return (id >= IDC_VFO_1 && id <= IDC_VFO_5) ||
           (id >= IDC_TRUNK_VFO_1 && id < IDC_TRUNK_VFO_1 + 5);
}

class ControlTipsTest : public hb::testkit::PlatformTest {
protected:
    ControlTipsTest() : library(AfxLoadLibrary("Pellam.DLL")) {
        UseProgramResources(ProgramResourceTables());
        for (const auto& string : ProgramResourceTables().strings) {
            ++count[string.id];
            text[string.id] = string.text;
        }
    }
    ~ControlTipsTest() override {
        if (library) {
            AfxFreeLibrary(library);
        }
    }

    // Every control id of the panel forms, with the first form it was found on.
    std::map<UINT, UINT> PanelControls() const {
        std::map<UINT, UINT> ids;
        for (const UINT formId : kPanelForms) {
            const hb::afx::DialogTemplate* form = hb::afx::FindDialogTemplate(formId);
            EXPECT_NE(form, nullptr) << "form " << formId;
            if (!form) {
                continue;
            }
            for (const auto& control : form->controls) {
                if (control.id != kStaticId) {
                    ids.emplace(control.id, formId);
                }
            }
        }
        return ids;
    }

    HMODULE library;
    std::map<UINT, int> count;
    std::map<UINT, std::string> text;
};

TEST_F(ControlTipsTest, EveryPanelControlButTheVfoButtonsHasItsText) {
    ASSERT_TRUE(library);
    const auto controls = PanelControls();
    ASSERT_GT(controls.size(), 150u);
    std::set<UINT> vfoButtons;
    for (const auto& [id, form] : controls) {
        if (IsVfoButton(id)) {
            vfoButtons.insert(id);
            EXPECT_EQ(count.count(id), 0u) << "V button " << id << " has a string of its own";
            continue;
        }
        const auto found = text.find(id);
        ASSERT_NE(found, text.end()) << "control " << id << " of form " << form;
        EXPECT_FALSE(found->second.empty()) << "control " << id;
    }
    EXPECT_EQ(vfoButtons.size(), 10u);

    // As the panel reads it, through the resource chain.
    CString tip;
    ASSERT_TRUE(tip.LoadString(IDC_MEMORY_STORE));
    EXPECT_EQ(tip.str(), "Store the VFO in the memory channel");
}

TEST_F(ControlTipsTest, NoTipTakesTheIdOfAnotherString) {
    for (const auto& [id, times] : count) {
        EXPECT_EQ(times, 1) << "string " << id << " is authored " << times << " times";
    }
}

} // namespace
