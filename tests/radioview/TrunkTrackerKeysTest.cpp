// The trunk-tracker panel's keys as the engine receives them: each key's code 36 with its
// sub-code and parameter, the radio window's start before or after it in manual mode, and the
// service search dialog.
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/records/EngineCommands.h"
#include "platform/tessary/app/RosterDoc.h"
#include "radioview/ServiceSearchDlg.h"
#include "resources/ResourceIds.h"
#include "tests/radioview/TrunkPanelTest.h"

#include <optional>
#include <vector>

namespace hb::radioview::test {
namespace {

using hb::engine::EngineSim;
using hb::records::EngineCommandRecord;
namespace rec = hb::records;

enum class Restart { None, Before, After };

struct KeyRow {
    int type;
    UINT id;
    std::uint8_t subCode;
    std::uint16_t parameter;
    Restart restart;
};

// The engine commands of the journal: the scanner key and the window's start, in order.
struct Sent {
    std::vector<EngineCommandRecord> keys;
    std::optional<std::size_t> keyAt;
    std::optional<std::size_t> startAt;
};

Sent Journal() {
    Sent sent;
    std::size_t at = 0;
    for (const auto& call : EngineSim::Calls("scan_engine_command")) {
        if (call.code() == rec::kEngineCmdScannerKey) {
            sent.keys.push_back(*call.command);
            sent.keyAt = sent.keyAt.value_or(at);
        } else if (call.code() == rec::kEngineCmdStart) {
            sent.startAt = sent.startAt.value_or(at);
        }
        ++at;
    }
    return sent;
}

class TrunkKeysTest : public TrunkPanelTest {
protected:
    // The service dialog's checked button when it opened, then OK after `choose`.
    void AnswerService(std::function<void(CDialog&)> choose = {}) {
        hb::afx::SetModalScript(IDD_SERVICE_SEARCH, [this, choose](CDialog& dialog) {
            shownChoice = -1;
            for (int i = 0; i < CServiceSearchDlg::kServices; ++i) {
                if (dialog.IsDlgButtonChecked(static_cast<int>(IDC_SERVICE_1) + i)) {
                    shownChoice = i;
                }
            }
            if (choose) {
                choose(dialog);
            }
            hb::afx::ClickButton(dialog.m_hWnd, IDOK);
        });
    }

    int shownChoice = -2;
};

class TrunkKeyTableTest : public TrunkKeysTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(TrunkKeyTableTest, TheKeyReachesTheEngineWithItsCodeAndTheRestartInItsPlace) {
    const KeyRow& row = GetParam();
    ASSERT_NE(Open(row.type), nullptr);
    AnswerService();
    view->m_manualMode = CRadioView::kOn;
    EngineSim::ClearJournal();
    view->SendMessage(WM_COMMAND, row.id);
    // "Att" and "L/O" mark the scan list changed; nothing here is to be saved.
    DYNAMIC_DOWNCAST(CRosterDoc, view->GetDocument())->SetModifiedFlag(FALSE);
    const Sent sent = Journal();
    ASSERT_EQ(sent.keys.size(), 1u);
    EXPECT_EQ(sent.keys[0].get(EngineCommandRecord::kSubCode), row.subCode);
    EXPECT_EQ(sent.keys[0].get(EngineCommandRecord::kShort), row.parameter);
    switch (row.restart) {
    case Restart::None:
        EXPECT_FALSE(sent.startAt);
        break;
    case Restart::Before:
        ASSERT_TRUE(sent.startAt);
        EXPECT_LT(*sent.startAt, *sent.keyAt);
        break;
    case Restart::After:
        ASSERT_TRUE(sent.startAt);
        EXPECT_GT(*sent.startAt, *sent.keyAt);
        break;
    }
}

std::vector<KeyRow> KeyTable() {
    std::vector<KeyRow> rows{
        {63, IDC_KEY_SCAN, 0, 0, Restart::After},
        {63, IDC_KEY_WEATHER, 1, 0, Restart::Before},
        {63, IDC_KEY_SEARCH, 2, 0, Restart::Before},
        {63, IDC_KEY_RESUME, 4, 0, Restart::After},
        {63, IDC_KEY_LIMIT, 5, 0, Restart::None},
        {63, IDC_KEY_TRUNK, 6, 0, Restart::None},
        // The stored default service is the second button.
        {63, IDC_KEY_SERVICE, 7, 2, Restart::Before},
        {35, IDC_KEY_MANUAL, 10, 0, Restart::None},
        {63, IDC_KEY_11, 11, 0, Restart::None},
        {63, IDC_KEY_12, 12, 0, Restart::None},
        {63, IDC_ENTER_MHZ, 15, 0, Restart::None},
        {63, IDC_DIGIT_POINT, 16, 0, Restart::None},
        {99, IDC_KEY_DELAY, 23, 0, Restart::None},
        // Without a current channel the rig's last record decides.
        {63, IDC_KEY_ATTENUATOR, 17, 0, Restart::None},
        {63, IDC_KEY_LOCK_OUT, 8, 0, Restart::None},
    };
    for (std::uint16_t digit = 0; digit < 10; ++digit) {
        rows.push_back({63, IDC_DIGIT_0 + digit, 14, digit, Restart::None});
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(EveryKey, TrunkKeyTableTest, ::testing::ValuesIn(KeyTable()),
                         [](const ::testing::TestParamInfo<KeyRow>& info) {
                             return "Type" + std::to_string(info.param.type) + "Key" +
                                    std::to_string(info.param.id);
                         });

TEST_F(TrunkKeysTest, TheServiceSearchOpensOnTheStoredButtonAndSendsAndStoresTheChoice) {
    ASSERT_NE(Open(63), nullptr);
    UserValue(kSection, "ServiceSearch", 12);
    AnswerService([](CDialog& dialog) {
        dialog.CheckDlgButton(static_cast<int>(IDC_SERVICE_1) + 1, BST_UNCHECKED);
        dialog.CheckDlgButton(static_cast<int>(IDC_SERVICE_1), BST_CHECKED);
    });
    EngineSim::ClearJournal();
    view->SendMessage(WM_COMMAND, IDC_KEY_SERVICE);
    // A stored value outside the buttons opens on the second.
    EXPECT_EQ(shownChoice, 1);
    Sent sent = Journal();
    ASSERT_EQ(sent.keys.size(), 1u);
    EXPECT_EQ(sent.keys[0].get(EngineCommandRecord::kSubCode), 7);
    EXPECT_EQ(sent.keys[0].get(EngineCommandRecord::kShort), 1);
    EXPECT_EQ(Profile("ServiceSearch"), 0);

    // OK with no button chosen sends and stores nothing.
    AnswerService([](CDialog& dialog) {
        for (int i = 0; i < CServiceSearchDlg::kServices; ++i) {
            dialog.CheckDlgButton(static_cast<int>(IDC_SERVICE_1) + i, BST_UNCHECKED);
        }
    });
    EngineSim::ClearJournal();
    view->SendMessage(WM_COMMAND, IDC_KEY_SERVICE);
    EXPECT_EQ(shownChoice, 0);
    EXPECT_TRUE(Journal().keys.empty());
    EXPECT_EQ(Profile("ServiceSearch"), 0);
}

TEST_F(TrunkKeysTest, TheServiceButtonsAreNamedByTheRadiosType) {
    std::vector<std::string> names;
    bool promptShown = true;
    hb::afx::SetModalScript(IDD_SERVICE_SEARCH, [&](CDialog& dialog) {
        names.clear();
        for (int i = 0; i < CServiceSearchDlg::kServices; ++i) {
            CString text;
            dialog.GetDlgItemText(static_cast<int>(IDC_SERVICE_1) + i, text);
            names.push_back(text.str());
        }
        promptShown = dialog.GetDlgItem(static_cast<int>(IDC_SERVICE_PROMPT))->IsWindowVisible();
        hb::afx::ClickButton(dialog.m_hWnd, IDCANCEL);
    });
    ASSERT_NE(Open(99), nullptr);
    view->SendMessage(WM_COMMAND, IDC_KEY_SERVICE);
    const std::vector<std::string> highway{"Police",   "Weather",  "Fire/EMS", "News Media", "CB",
                                           "Aircraft", "Railroad", "Marine",   "Hiway Maint"};
    EXPECT_EQ(names, highway);
    EXPECT_FALSE(promptShown);
}

TEST_F(TrunkKeysTest, TheFirstServiceButtonOfTypeFortyFiveIsSpecial) {
    std::string first;
    hb::afx::SetModalScript(IDD_SERVICE_SEARCH, [&](CDialog& dialog) {
        CString text;
        dialog.GetDlgItemText(static_cast<int>(IDC_SERVICE_1), text);
        first = text.str();
        EXPECT_TRUE(dialog.GetDlgItem(static_cast<int>(IDC_SERVICE_PROMPT))->IsWindowVisible());
        hb::afx::ClickButton(dialog.m_hWnd, IDCANCEL);
    });
    ASSERT_NE(Open(45), nullptr);
    EngineSim::ClearJournal();
    view->SendMessage(WM_COMMAND, IDC_KEY_SERVICE);
    EXPECT_EQ(first, "Special");
    EXPECT_TRUE(Journal().keys.empty());
}

} // namespace
} // namespace hb::radioview::test
