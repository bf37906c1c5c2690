// The trunk-tracker model panels: each model's talkgroup display, service digit, and the
// highway-patrol scanner's state list, patrol-bank switch and lamps.
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/instruments/Gestures.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStatus.h"
#include "radioview/BC2052View.h"
#include "radioview/BC780View.h"
#include "radioview/BC895View.h"
#include "radioview/BCT8View.h"
#include "radioview/ServiceSearchDlg.h"
#include "tests/radioview/TrunkPanelTest.h"

#include <memory>
#include <vector>

namespace hb::radioview::test {
namespace {

using hb::engine::EngineSim;
using hb::records::DeviceStatus;
using hb::records::EngineCommandRecord;
using hb::records::EngineStatus;
using hb::records::UserId;
namespace rec = hb::records;

class TrunkModelTest : public TrunkPanelTest {
protected:
    static std::vector<EngineCommandRecord> Keys() {
        std::vector<EngineCommandRecord> keys;
        for (const auto& call : EngineSim::Calls("scan_engine_command")) {
            if (call.code() == rec::kEngineCmdScannerKey) {
                keys.push_back(*call.command);
            }
        }
        return keys;
    }
    static std::uint16_t Parameter(const EngineCommandRecord& key) {
        return key.get(EngineCommandRecord::kShort);
    }
    // The service key with the dialog's first button chosen; the key's digit.
    std::vector<EngineCommandRecord> ServiceWithFirstButton() {
        hb::afx::SetModalScript(IDD_SERVICE_SEARCH, [](CDialog& dialog) {
            for (int i = 0; i < CServiceSearchDlg::kServices; ++i) {
                dialog.CheckDlgButton(static_cast<int>(IDC_SERVICE_1) + i,
                                      i == 0 ? BST_CHECKED : BST_UNCHECKED);
            }
            hb::afx::ClickButton(dialog.m_hWnd, IDOK);
        });
        EngineSim::ClearJournal();
        view->SendMessage(WM_COMMAND, IDC_KEY_SERVICE);
        return Keys();
    }
    void Show() {
        engine->set(EngineStatus::kState, 5);
        view->UpdateStatusDisplay(engine->data(), device->data(), nullptr, nullptr);
    }
    bool Lit(CTrunkTrackerView::Lamp lamp) const { return view->LampOf(lamp).GetActive() != 0; }
    static UserId Id(std::uint8_t kind, std::uint32_t value) {
        UserId id;
        id.set(UserId::kKind, kind);
        id.set(UserId::kValue, value);
        return id;
    }

    std::unique_ptr<EngineStatus> engine = std::make_unique<EngineStatus>();
    std::unique_ptr<DeviceStatus> device = std::make_unique<DeviceStatus>();
};

TEST_F(TrunkModelTest, TheFirstServiceButtonSendsEachModelsOwnDigit) {
    ASSERT_NE(Open(63), nullptr);
    auto keys = ServiceWithFirstButton();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(Parameter(keys[0]), 1);
}

TEST_F(TrunkModelTest, TheBc780sFirstServiceIsDigitZero) {
    ASSERT_NE(Open(35), nullptr);
    ASSERT_NE(DYNAMIC_DOWNCAST(CBC780View, view), nullptr);
    auto keys = ServiceWithFirstButton();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(Parameter(keys[0]), 0);
}

TEST_F(TrunkModelTest, TheBct8sFirstServiceIsDigitOne) {
    ASSERT_NE(Open(99), nullptr);
    ASSERT_NE(DYNAMIC_DOWNCAST(CBCT8View, view), nullptr);
    auto keys = ServiceWithFirstButton();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(Parameter(keys[0]), 1);
}

TEST_F(TrunkModelTest, ThePro2052sServiceKeyOpensNoDialog) {
    ASSERT_NE(Open(43), nullptr);
    ASSERT_NE(DYNAMIC_DOWNCAST(CBC2052View, view), nullptr);
    hb::afx::SetModalScript(IDD_SERVICE_SEARCH, [](CDialog&) { ADD_FAILURE() << "a dialog"; });
    EngineSim::ClearJournal();
    view->SendMessage(WM_COMMAND, IDC_KEY_SERVICE);
    const auto keys = Keys();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].get(EngineCommandRecord::kSubCode), 7);
    EXPECT_EQ(Parameter(keys[0]), 0);
}

TEST_F(TrunkModelTest, TheBc895ShowsMotorolaIdsAndTonesWithTheirLamps) {
    ASSERT_NE(Open(17), nullptr);
    ASSERT_NE(DYNAMIC_DOWNCAST(CBC895View, view), nullptr);
    view->FormatTrunkId(Id(rec::kIdKindMotorolaTypeII, 4512));
    EXPECT_EQ(view->m_idDisplay.GetValue(), 4512);
    EXPECT_TRUE(Lit(CTrunkTrackerView::kLampM2));
    view->FormatTrunkId(Id(rec::kIdKindCtcss, 1035));
    EXPECT_DOUBLE_EQ(view->m_idDisplay.GetValue(), 103.5);
    EXPECT_EQ(view->m_idDisplay.GetPrecision(), 1);
    EXPECT_TRUE(Lit(CTrunkTrackerView::kLampPl));
    EXPECT_FALSE(Lit(CTrunkTrackerView::kLampM2));
    // An LTR ID is not this model's: 0, and its three lamps dark.
    view->FormatTrunkId(Id(rec::kIdKindLtr, 0x2345));
    EXPECT_EQ(view->m_idDisplay.GetValue(), 0);
    EXPECT_FALSE(Lit(CTrunkTrackerView::kLampPl));
    EXPECT_FALSE(Lit(CTrunkTrackerView::kLampM1));
    EXPECT_FALSE(Lit(CTrunkTrackerView::kLampM2));
}

TEST_F(TrunkModelTest, ThePro2052ShowsAnLtrIdAsZero) {
    ASSERT_NE(Open(43), nullptr);
    view->FormatTrunkId(Id(rec::kIdKindMotorolaTypeII, 4512));
    EXPECT_EQ(view->m_idDisplay.GetValue(), 4512);
    view->FormatTrunkId(Id(rec::kIdKindLtr, 0x2345));
    EXPECT_EQ(view->m_idDisplay.GetValue(), 0);
}

TEST_F(TrunkModelTest, TheBct8ShowsLtrWithItsLampAndTonesWithAllFourDark) {
    ASSERT_NE(Open(99), nullptr);
    view->FormatTrunkId(Id(rec::kIdKindLtr, 0x2345));
    EXPECT_EQ(view->m_idDisplay.GetValue(), 103069);
    EXPECT_TRUE(Lit(CTrunkTrackerView::kLampLtr));
    view->FormatTrunkId(Id(rec::kIdKindDcs, 19));
    EXPECT_EQ(view->m_idDisplay.GetValue(), 23);
    for (auto lamp : {CTrunkTrackerView::kLampLtr, CTrunkTrackerView::kLampEd,
                      CTrunkTrackerView::kLampM1, CTrunkTrackerView::kLampM2}) {
        EXPECT_FALSE(Lit(lamp));
    }
}

class Bct8Test : public TrunkModelTest {
protected:
    CBCT8View* OpenBct8() {
        Open(99);
        return DYNAMIC_DOWNCAST(CBCT8View, view);
    }
    void Choose(CBCT8View& bct8, const char* state) {
        bct8.m_stateList.SelectString(-1, state);
        EngineSim::ClearJournal();
        bct8.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_STATE_LIST, CBN_SELCHANGE),
                         hb::win::ParamFromHwnd(bct8.m_stateList.m_hWnd));
    }
    CString Selected(CBCT8View& bct8) const {
        CString text;
        const int at = bct8.m_stateList.GetCurSel();
        if (at != CB_ERR) {
            bct8.m_stateList.GetLBText(at, text);
        }
        return text;
    }
};

TEST_F(Bct8Test, TheFirstUpdateSendsTheStoredPatrolBanksAndListsTheFiftyStates) {
    StartWith(99);
    UserValue(kSection, "HWYPVT", 1);
    EngineSim::ClearJournal();
    view = DYNAMIC_DOWNCAST(CTrunkTrackerView, OpenPanel());
    auto* bct8 = DYNAMIC_DOWNCAST(CBCT8View, view);
    ASSERT_NE(bct8, nullptr);
    bool sent = false;
    for (const auto& key : Keys()) {
        sent = sent || (key.get(EngineCommandRecord::kSubCode) == 22 && Parameter(key) == 2);
    }
    EXPECT_TRUE(sent);
    EXPECT_EQ(bct8->m_patrolBanks.GetPosition(), 1);
    EXPECT_EQ(bct8->m_stateList.GetCount(), 50);
}

TEST_F(Bct8Test, AChosenStateSendsItsCodesNumber) {
    CBCT8View* bct8 = OpenBct8();
    ASSERT_NE(bct8, nullptr);
    Choose(*bct8, "WYOMING - WY");
    auto keys = Keys();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].get(EngineCommandRecord::kSubCode), 20);
    EXPECT_EQ(Parameter(keys[0]), 50);
    Choose(*bct8, "ALABAMA - AL");
    keys = Keys();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(Parameter(keys[0]), 2);
    // Without a selection nothing goes.
    bct8->m_stateList.SetCurSel(-1);
    EngineSim::ClearJournal();
    bct8->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_STATE_LIST, CBN_SELCHANGE),
                      hb::win::ParamFromHwnd(bct8->m_stateList.m_hWnd));
    EXPECT_TRUE(Keys().empty());
}

TEST_F(Bct8Test, TheScannersStateAlertAndPatrolBanksShowOnThePanel) {
    CBCT8View* bct8 = OpenBct8();
    ASSERT_NE(bct8, nullptr);
    device->set(DeviceStatus::kTrunkState, 51);
    Show();
    EXPECT_EQ(Selected(*bct8), "");
    device->set(DeviceStatus::kTrunkState, 12);
    Show();
    EXPECT_EQ(Selected(*bct8), "IOWA - IA");
    device->set(DeviceStatus::kTrunkState, 0);
    Show();
    EXPECT_EQ(Selected(*bct8), "IOWA - IA");

    ExpectBeeps(1);
    device->set(DeviceStatus::kAlertTone, 0xFF);
    Show();
    Show();
    device->set(DeviceStatus::kPatrolBits, 2);
    device->set(DeviceStatus::kAlert, 1);
    Show();
    EXPECT_EQ(bct8->m_patrolBanks.GetPosition(), 1);
    EXPECT_TRUE(bct8->m_privateLamp.GetActive());
    EXPECT_FALSE(bct8->m_highwayLamp.GetActive());
    EXPECT_TRUE(bct8->m_alertLamp.GetActive());
    EXPECT_FALSE(bct8->m_muteLamp.GetActive());
    device->set(DeviceStatus::kPatrolBits, 3);
    Show();
    EXPECT_EQ(bct8->m_patrolBanks.GetPosition(), 2);
}

TEST_F(Bct8Test, HomeRoamResumesAndMuteIsKeyTwentyFour) {
    CBCT8View* bct8 = OpenBct8();
    ASSERT_NE(bct8, nullptr);
    EngineSim::ClearJournal();
    bct8->SendMessage(WM_COMMAND, IDC_KEY_HOME_ROAM);
    bct8->SendMessage(WM_COMMAND, IDC_KEY_MUTE);
    const auto keys = Keys();
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].get(EngineCommandRecord::kSubCode), 4);
    EXPECT_EQ(keys[1].get(EngineCommandRecord::kSubCode), 24);
}

} // namespace
} // namespace hb::radioview::test
