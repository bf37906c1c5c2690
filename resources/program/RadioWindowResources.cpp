// The radio window's own resources: the "Scan" bar with its pictures and tooltips, and the tool
// view's strip of four large buttons.
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

struct ScanButton {
    UINT id;
    const char* picture;
    const char* text;
};

// In the bar's order.
const std::vector<ScanButton>& ScanButtons() {
    static const std::vector<ScanButton> buttons{
        {ID_RADIO_START, "play", "Start scanning\nStart"},
        {ID_RADIO_STOP, "pause", "Pause scanning\nPause"},
        {ID_RADIO_LOCK_OUT, "key-lock-out", "Lock out the current channel or ID\nLock Out"},
        {ID_RADIO_TEMP_LOCK_OUT, "clear",
         "Lock out the current channel or ID until the scan list is reloaded\nTemporary Lock Out"},
        {IDC_KEY_RESET, "key-reset", "Restore the stored lock-outs and start again\nReset"},
        {27031, "key-trunk", "Store the active ID as locked out\nStore ID Locked Out"},
        {27033, "save", "Store the active ID\nStore ID"},
        {27039, "key-scan", "Switch the engine's ID setting\nID Setting"},
        {IDC_KEY_RECORD, "key-record", "Hold or release the current channel\nHold"},
        {28442, "audio-command", "Send the audio logger a request\nAudio Request"},
        {IDI_AUDIO_NO_ACTION, "audio-no-action", "No audio action\nNo Action"},
        {IDC_AUDIO_AUTO_FILE, "audio-auto-file", "Record each hit to a file of its own\nAuto File"},
        {27007, "new-group", "Save the scan list's group under another name\nSave As"},
        {28033, "recording-mark", "Log the current hit now\nLog Now"},
        {27041, "history", "History options\nHistory"},
        {27187, "display", "Display options\nDisplay"},
        {27022, "spectrum-analyzer", "Open a spectrum analyzer on this radio\nSpectrum Analyzer"},
        {27023, "spectrum-analyzer",
         "Open a spectrum analyzer around the current channel\nAnalyze Channel"},
        {27024, "band-scope", "Open a band scope on this radio\nBand Scope"},
        {27025, "band-scope", "Open a band scope around the current channel\nScope Channel"},
        {27232, "search", "Search options\nSearch"},
        {27021, "logger-settings", "Show the radio's activity log\nActivity Log"},
        {27875, "forward", "Next channel\nNext"},
        {27876, "back", "Previous channel\nPrevious"},
        {IDC_CONFIG_SCAN_OPTIONS, "scan-options", "Change the scan options\nScan Options"},
    };
    return buttons;
}

constexpr int kScanButtonSize = 16;

} // namespace

hb::afx::ToolBarResource ScanToolBar() {
    hb::afx::ToolBarResource bar{.id = IDR_SCAN_BAR,
                                 .bitmapId = IDR_SCAN_BAR,
                                 .buttonCx = kScanButtonSize,
                                 .buttonCy = kScanButtonSize};
    for (const ScanButton& button : ScanButtons()) {
        bar.buttons.push_back(button.id);
    }
    return bar;
}

hb::afx::BitmapResource ScanToolBarBitmap() {
    hb::afx::BitmapResource strip{.id = IDR_SCAN_BAR,
                                  .cx = kScanButtonSize * static_cast<int>(ScanButtons().size()),
                                  .cy = kScanButtonSize,
                                  .cells = static_cast<int>(ScanButtons().size())};
    for (const ScanButton& button : ScanButtons()) {
        strip.pictures.emplace_back(button.picture);
    }
    return strip;
}

std::vector<hb::afx::StringResource> ScanToolBarStrings() {
    std::vector<hb::afx::StringResource> strings;
    for (const ScanButton& button : ScanButtons()) {
        strings.push_back({button.id, button.text});
    }
    return strings;
}

DialogTemplate ToolViewForm() {
    constexpr int kWidth = 30;
    constexpr int kButton = 24;
    const UINT buttons[] = {ID_RADIO_START, IDC_KEY_RESET, ID_RADIO_STOP, ID_RADIO_LOCK_OUT};
    Controls controls;
    int y = 3;
    for (const UINT id : buttons) {
        controls.push_back(IconButton(id, "", {3, y, kButton, kButton}));
        y += kButton + 3;
    }
    return Form(IDD_TOOL_VIEW, kWidth, y, WS_CHILD | DS_SETFONT, std::move(controls));
}

} // namespace hb::resources
