#include "radioview/BC2052View.h"
#include "radioview/BC780View.h"
#include "radioview/BC895View.h"
#include "radioview/BC898TView.h"
#include "radioview/BCT8View.h"
#include "radioview/BlandView.h"
#include "radioview/TrunkTrackerView.h"
#include "tests/app/rig/RigTest.h"

#include <gtest/gtest.h>

namespace hb::app::test {
namespace {

class RadioViewClassTest : public RigTest {
protected:
    // A rig whose radio reports `type`, tracking trunks or not.
    static CRig* RigOfType(std::uint16_t type, bool trunk) {
        hb::records::RadioModel model = *hb::records::FindRadioModel(42);
        model.type = type;
        CRig* rig = new CRig(("Radio " + std::to_string(type)).c_str(), 1, new Radio(model));
        rig->m_trunk = trunk ? 0xFF : 0;
        return rig;
    }
    static std::string ClassName(std::uint16_t type, bool trunk) {
        return CRadioView::GetViewClass(RigOfType(type, trunk))->m_lpszClassName;
    }
};

TEST_F(RadioViewClassTest, TheRadioTypeChoosesThePanelAndTheTrunkFlagTheTrunkPanels) {
    for (std::uint16_t type : {1, 2, 16, 28, 42, 100}) {
        EXPECT_EQ(ClassName(type, true), "CRadioView") << type;
        EXPECT_EQ(ClassName(type, false), "CRadioView") << type;
    }
    const std::pair<std::uint16_t, std::string> trunkPanels[] = {
        {17, "CBC895View"},        {35, "CBC780View"},        {45, "CBC780View"},
        {51, "CBC780View"},        {43, "CBC2052View"},       {63, "CTrunkTrackerView"},
        {64, "CTrunkTrackerView"}, {70, "CTrunkTrackerView"}, {71, "CTrunkTrackerView"},
        {89, "CTrunkTrackerView"}, {90, "CTrunkTrackerView"}, {91, "CTrunkTrackerView"},
        {92, "CTrunkTrackerView"}, {99, "CBCT8View"},
    };
    for (const auto& [type, name] : trunkPanels) {
        EXPECT_EQ(ClassName(type, true), name) << type;
        EXPECT_EQ(ClassName(type, false), "CBlandView") << type;
    }
}

TEST_F(RadioViewClassTest, EveryPanelIsMadeByNameOnItsOwnForm) {
    const std::pair<const char*, UINT> panels[] = {
        {"CRadioView", 27348}, {"CBlandView", 27255},  {"CTrunkTrackerView", 28535},
        {"CBC780View", 28534}, {"CBC895View", 28536},  {"CBC2052View", 28538},
        {"CBCT8View", 28540},  {"CBC898TView", 28539},
    };
    for (const auto& [name, form] : panels) {
        std::unique_ptr<CObject> object(CRuntimeClass::CreateObject(name));
        auto* panel = dynamic_cast<CRadioView*>(object.get());
        ASSERT_NE(panel, nullptr) << name;
        EXPECT_EQ(panel->GetTemplateId(), form) << name;
        // The trunk models are trunk-tracker panels.
        if (form >= 28534 && form <= 28540) {
            EXPECT_TRUE(panel->IsKindOf(RUNTIME_CLASS(CTrunkTrackerView))) << name;
        }
        EXPECT_EQ(panel->m_activeVfo, 0u);
        EXPECT_EQ(panel->m_holdShown, 0xFFu);
        EXPECT_EQ(panel->m_manualMode, 0u);
        EXPECT_EQ(panel->m_knobUnit, 0u);
        EXPECT_EQ(panel->m_vfo[5], parm());
        LOGFONT font{};
        ASSERT_NE(panel->m_boldFont.GetLogFont(&font), 0) << name;
        EXPECT_EQ(font.lfHeight, 12);
        EXPECT_EQ(font.lfWeight, 700);
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    }
}

} // namespace
} // namespace hb::app::test
