// Configuration: the configuration menu, the engine's radio configuration, and the start-up check
// that keeps the program from starting until the engine accepts its configuration.
#include "app/ConfigurationDlg.h"
#include "app/HalbridgeApp.h"
#include "platform/engine/CRadioConfig.h"
#include "platform/engine/EngineApi.h"
#include "resources/ResourceIds.h"

namespace {

constexpr LPCSTR kSource = "Orvane";
constexpr int kConfigurationAccess = 2;

} // namespace

int CHalbridgeApp::RunConfiguration(LPCSTR settingsFile, BYTE mode) {
    CRadioConfig radios(settingsFile, nullptr);
    CConfigurationDlg menu(settingsFile, nullptr);
    switch (mode) {
    case kConfigurationMenu:
        menu.DoModal();
        m_mixerRebuild = TRUE;
        return 0;
    case kRadioConfiguration:
        return radios.DoModal();
    default:
        return CheckConfiguration(settingsFile, radios);
    }
}

int CHalbridgeApp::CheckConfiguration(LPCSTR settingsFile, CRadioConfig& radios) {
    if (scan_config_check(settingsFile) == 0) {
        return 0;
    }
    // The user can only go on by configuring the radios.
    for (;;) {
        if (AccessCheck(kConfigurationAccess, __LINE__, kSource) != 0) {
            return 1;
        }
        CDialog prompt(IDD_CONFIGURATION_PROMPT);
        if (prompt.DoModal() != IDOK) {
            return 1;
        }
        radios.DoModal();
        scan_config_init(settingsFile);
        if (scan_config_check(settingsFile) == 0) {
            return 0;
        }
    }
}
