#include "app/ConfigurationDlg.h"
#include "app/HfFreqDisplayDlg.h"
#include "platform/afx/Input.h"
#include "platform/engine/CRadioConfig.h"
#include "platform/records/StatusCodes.h"
#include "resources/ResourceIds.h"
#include "tests/app/ProgramTest.h"

#include <algorithm>

namespace hb::app::test {
namespace {

using hb::afx::ModalLog;
using hb::afx::SetModalScript;

std::vector<std::string> ModalsShown() {
    std::vector<std::string> shown;
    for (const hb::afx::ModalRecord& modal : ModalLog()) {
        shown.push_back(modal.templateId ? std::to_string(modal.templateId) : modal.className);
    }
    return shown;
}

void Answer(UINT templateId, int result) {
    SetModalScript(templateId, [result](CDialog& dialog) { dialog.EndDialog(result); });
}

using ConfigurationTest = ProgramTest;

TEST_F(ConfigurationTest, AnAcceptedConfigurationStartsWithoutADialog) {
    Settings(kTwoRadios);
    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_TRUE(ModalLog().empty());
    EXPECT_EQ(Rigs(), (std::vector<std::string>{"Receiver", "Tracker"}));
}

TEST_F(ConfigurationTest, ARejectedConfigurationIsOfferedUntilTheRadiosAreConfigured) {
    // Nothing configured: the user adds a radio in the engine's dialog.
    Answer(IDD_CONFIGURATION_PROMPT, IDOK);
    SetModalScript("CRadioConfig", [](CDialog& dialog) {
        hb::afx::ClickButton(dialog, CRadioConfig::IDC_ADD_SIMULATED);
        dialog.EndDialog(IDOK);
    });
    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_EQ(ModalsShown(), (std::vector<std::string>{"27286", "CRadioConfig"}));
    EXPECT_EQ(Rigs(), std::vector<std::string>{"Simulated Radio"});
}

TEST_F(ConfigurationTest, NoRadioIsWrittenIntoTheSettingsWithoutTheUsersOk) {
    // An empty file and a damaged one; the user closes the engine's dialog without adding.
    for (const char* text : {"", "\x01\x02[[Radios\nRadio#1\n=\n"}) {
        NewApp();
        Settings(text);
        const std::string before = hb::win::ini::Dump(SettingsFile());
        int prompts = 0;
        SetModalScript(IDD_CONFIGURATION_PROMPT, [&prompts](CDialog& dialog) {
            dialog.EndDialog(++prompts == 1 ? IDOK : IDCANCEL);
        });
        SetModalScript("CRadioConfig", [](CDialog& dialog) { dialog.EndDialog(IDOK); });
        testing::internal::CaptureStderr();
        EXPECT_EQ(Start(), std::optional<int>(CHalbridgeApp::kStartupFailed));
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "halbridge: start-up ended: the radio configuration in " + SettingsFile() +
                      " is not complete and was not completed\n");
        EXPECT_EQ(prompts, 2);
        EXPECT_EQ(hb::win::ini::Dump(SettingsFile()), before);
        EXPECT_EQ(app->m_pMainWnd, nullptr);
    }
}

TEST_F(ConfigurationTest, WithoutADisplayAnIncompleteConfigurationEndsStartUpAndSaysWhy) {
    hb::win::SetStrictMode(false);
    const std::string before = hb::win::ini::Dump(SettingsFile());
    testing::internal::CaptureStderr();
    EXPECT_EQ(Start(), std::optional<int>(CHalbridgeApp::kStartupFailed));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "halbridge: dialog \"Radio Configuration\" answered with its default button\n"
                    "halbridge: start-up ended: the radio configuration in " +
                        SettingsFile() + " is not complete and was not completed\n");
    EXPECT_EQ(ModalsShown(), std::vector<std::string>{"27286"});
    EXPECT_EQ(ModalLog().back().result, IDCANCEL);
    EXPECT_EQ(hb::win::ini::Dump(SettingsFile()), before);
}

TEST_F(ConfigurationTest, CancellingThePromptOrLackingAccessEndsStartUp) {
    Settings(kTwoRadios);
    EngineSim::SetConfigVerdict(hb::records::kStatusNotSupported);
    int prompts = 0;
    SetModalScript(IDD_CONFIGURATION_PROMPT, [&prompts](CDialog& dialog) {
        dialog.EndDialog(++prompts < 3 ? IDOK : IDCANCEL);
    });
    SetModalScript("CRadioConfig", [](CDialog& dialog) { dialog.EndDialog(IDOK); });
    EXPECT_EQ(Start(), std::optional<int>(CHalbridgeApp::kStartupFailed));
    EXPECT_EQ(app->m_pMainWnd, nullptr);
    EXPECT_EQ(ModalsShown(), (std::vector<std::string>{"27286", "CRadioConfig", "27286",
                                                       "CRadioConfig", "27286"}));
    EXPECT_EQ(EngineSim::Calls("scan_config_init").size(), 2u);

    NewApp();
    app->SetAccessResult(2, 1);
    EXPECT_EQ(Start(), std::optional<int>(CHalbridgeApp::kStartupFailed));
    EXPECT_EQ(ModalLog().size(), 5u);
}

TEST_F(ConfigurationTest, TheMenuTitlesItselfAndGivesEachButtonItHasItsIcon) {
    hb::afx::ResourceTables tables = ProgramResourceTables();
    auto menu = std::ranges::find(tables.dialogs, IDD_CONFIGURATION, &hb::afx::DialogTemplate::id);
    std::erase_if(menu->controls, [](const auto& c) { return c.id == IDC_CONFIG_DISPLAY; });
    UseProgramResources(std::move(tables));
    Settings(kTwoRadios);
    ASSERT_EQ(Start(), std::nullopt);
    const CRig* before = CRig::FindByName("Tracker");

    SetModalScript(IDD_CONFIGURATION, [this](CDialog& dialog) {
        auto& menu = dynamic_cast<CConfigurationDlg&>(dialog);
        CString title;
        menu.GetWindowText(title);
        EXPECT_EQ(title, "Halbridge Pro Configuration");
        for (std::size_t i = 0; i < CConfigurationDlg::kButtons.size(); ++i) {
            const bool present = CConfigurationDlg::kButtons[i] != IDC_CONFIG_DISPLAY;
            EXPECT_EQ(menu.m_buttons[i].m_hWnd != HWND{}, present) << i;
            EXPECT_EQ(menu.m_buttons[i].GetIconSize(), present ? CSize(32, 32) : CSize()) << i;
        }
        hb::afx::ClickButton(menu, IDC_CONFIG_ENGINE_3);
        hb::afx::ClickButton(menu, IDC_CONFIG_RADIOS);
        const auto pages = EngineSim::Calls("scan_configuration");
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages[0].value, 3u);
        EXPECT_EQ(pages[0].text, SettingsFile());
        menu.EndDialog(IDOK);
    });
    SetModalScript("CRadioConfig", [](CDialog& dialog) { dialog.EndDialog(IDCANCEL); });
    Command(ID_SETTINGS_CONFIGURATION);
    EXPECT_EQ(ModalsShown(), (std::vector<std::string>{"27285", "CRadioConfig"}));
    EXPECT_TRUE(app->m_mixerRebuild);
    // The radios are read again.
    EXPECT_EQ(Rigs(), (std::vector<std::string>{"Receiver", "Tracker"}));
    EXPECT_NE(CRig::FindByName("Tracker"), before);
}

TEST_F(ConfigurationTest, ConfigurationWaitsUntilEveryWindowIsClosedAndForAccess) {
    Settings(kTwoRadios);
    ASSERT_EQ(Start(), std::nullopt);
    // A new group of the radio type the list starts on.
    SetModalScript("CSelectRadio", [](CDialog& dialog) { hb::afx::ClickButton(dialog, IDOK); });
    Command(ID_FILE_NEW_GROUP);
    ASSERT_NE(Main().GetActiveFrame(), &Main());
    ExpectBox("You must close all windows before you can enter the configuration mode.", IDOK,
              "Close All Windows");
    ExpectBeeps(1);
    Command(ID_SETTINGS_CONFIGURATION);

    Main().GetActiveFrame()->SendMessage(WM_CLOSE);
    app->SetAccessResult(2, 1);
    Command(ID_SETTINGS_CONFIGURATION);
    EXPECT_EQ(ModalsShown(), (std::vector<std::string>{"CSelectRadio"}));
}

TEST_F(ConfigurationTest, TheHfDisplayDialogShowsTheStoredUnitAndKeepsTheChosenOne) {
    UserValue("Settings", "HFFreqDisplayMHz", 5);
    Settings(kTwoRadios);
    ASSERT_EQ(Start(), std::nullopt);
    SetModalScript(IDD_HF_FREQ_DISPLAY, [](CDialog& dialog) {
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_HF_DISPLAY_KHZ), BST_UNCHECKED);
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_HF_DISPLAY_MHZ), BST_CHECKED);
        hb::afx::ClickButton(dialog, IDOK);
    });
    Command(ID_SETTINGS_HF_FREQ_DISPLAY);
    EXPECT_EQ(app->GetProfileIntA("Settings", "HFFreqDisplayMHz", -1), 1);

    // Cancel keeps what was stored, whatever the buttons show.
    UserValue("Settings", "HFFreqDisplayMHz", 0);
    SetModalScript(IDD_HF_FREQ_DISPLAY, [](CDialog& dialog) {
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_HF_DISPLAY_KHZ), BST_CHECKED);
        dialog.CheckDlgButton(IDC_HF_DISPLAY_KHZ, BST_UNCHECKED);
        dialog.CheckDlgButton(IDC_HF_DISPLAY_MHZ, BST_CHECKED);
        hb::afx::ClickButton(dialog, IDCANCEL);
    });
    Command(ID_SETTINGS_HF_FREQ_DISPLAY);
    EXPECT_EQ(app->GetProfileIntA("Settings", "HFFreqDisplayMHz", -1), 0);
}

} // namespace
} // namespace hb::app::test
