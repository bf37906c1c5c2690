// The radio selection dialog and the engine progress dialog.
#include "platform/win/controls/ListViewMessages.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;

DialogTemplate Dialog(UINT id, std::string caption, int cx, int cy, Controls controls) {
    DialogTemplate dialog = Form(id, cx, cy, kDialogStyle, std::move(controls));
    dialog.caption = std::move(caption);
    return dialog;
}

DialogTemplate RadioSelectDialog() {
    DialogControl wizard =
        CheckBox(IDC_RUN_WIZARD, "Run the setup wizard for this radio", {7, 112, 140, 10});
    // Shown only when the wizard is offered.
    wizard.style &= ~WS_VISIBLE;
    return Dialog(
        IDD_RADIO_SELECT, "Select Radio", 220, 145,
        {ListView(IDC_RADIO_LIST, {7, 7, 140, 100}, LVS_LIST | LVS_SINGLESEL | LVS_SHOWSELALWAYS),
         Caption("Connections:", {153, 7, 60, 8}),
         ListView(IDC_RADIO_LEGEND, {153, 18, 60, 89}, LVS_LIST | LVS_NOCOLUMNHEADER), wizard,
         DefaultButton(IDOK, "OK", {109, 124, 50, 14}),
         PushButton(IDCANCEL, "Cancel", {163, 124, 50, 14})});
}

DialogTemplate EngineProgressDialog() {
    return Dialog(IDD_ENGINE_PROGRESS, "Restarting Radio", 200, 50,
                  {Text(IDC_RADIO_NAME, "", {7, 7, 186, 10}),
                   ProgressBar(IDC_ENGINE_PROGRESS, {7, 20, 186, 10}),
                   PushButton(IDCANCEL, "Cancel", {75, 34, 50, 12})});
}

} // namespace

std::vector<DialogTemplate> ShellDialogs() {
    return {RadioSelectDialog(), EngineProgressDialog()};
}

std::vector<DialogTemplate> ConfigurationDialogs() {
    const std::pair<UINT, const char*> buttons[] = {
        {IDC_CONFIG_ENGINE_4, "Decoder Devices"},  {IDC_CONFIG_ENGINE_3, "Port Settings"},
        {IDC_CONFIG_RADIOS, "Radio Settings"},     {IDC_CONFIG_ENGINE_2, "Special Settings"},
        {IDC_CONFIG_ENGINE_5, "Remote Radios"},    {IDC_CONFIG_LOGGER, "Logger Settings"},
        {IDC_CONFIG_TONE_READERS, "Tone Readers"}, {IDC_CONFIG_REMOTE, "Remote Access"},
        {IDC_CONFIG_DATABASES, "Databases"},       {IDC_CONFIG_AUDIO, "Audio Settings"},
        {IDC_CONFIG_DISPLAY, "Display"},           {IDC_CONFIG_SCAN_OPTIONS, "Scan Options"}};
    Controls menu;
    for (int i = 0; i < 12; ++i) {
        menu.push_back(IconButton(buttons[i].first, buttons[i].second,
                                  {7 + (i % 3) * 90, 7 + (i / 3) * 30, 86, 26}));
    }
    Append(menu, {DefaultButton(IDOK, "OK", {170, 128, 50, 14}),
                  PushButton(IDCANCEL, "Cancel", {224, 128, 50, 14})});
    return {
        Dialog(IDD_CONFIGURATION, "Configuration", 281, 149, std::move(menu)),
        Dialog(IDD_CONFIGURATION_PROMPT, "Radio Configuration", 220, 70,
               {Caption("The radio configuration is not complete. Press OK to configure your "
                        "radios, or Cancel to quit.",
                        {7, 7, 206, 30}),
                // Nothing is configured without the user's own OK: Cancel is the default and
                // comes first, so that it also has the focus.
                DefaultButton(IDCANCEL, "Cancel", {163, 49, 50, 14}),
                PushButton(IDOK, "OK", {109, 49, 50, 14})}),
        Dialog(IDD_HF_FREQ_DISPLAY, "HF Frequency Display", 180, 80,
               {GroupBox("Show frequencies below 30 MHz in", {7, 7, 166, 40}),
                RadioButton(IDC_HF_DISPLAY_KHZ, "&kHz", {15, 19, 60, 10}, true),
                RadioButton(IDC_HF_DISPLAY_MHZ, "&MHz", {15, 31, 60, 10}, false),
                DefaultButton(IDOK, "OK", {69, 59, 50, 14}),
                PushButton(IDCANCEL, "Cancel", {123, 59, 50, 14})}),
        Dialog(IDD_CONFIGURATION_PANEL, "Configuration", 272, 166,
               {IconButton(IDC_CONFIG_PANEL_RADIOS,
                           "Radio Settings - Add and remove radios and decoder devices, change "
                           "port settings, special radio options.",
                           {7, 7, 258, 36}),
                IconButton(IDC_CONFIG_PANEL_SPECIAL,
                           "Special Settings - Global settings and configuration reset.",
                           {7, 47, 258, 36}),
                IconButton(IDC_CONFIG_AUDIO, "Application-wide audio settings.", {7, 87, 258, 36}),
                DefaultButton(IDOK, "Done", {215, 145, 50, 14})}),
    };
}

} // namespace hb::resources
