// The program's icons and images, each with the picture (resources/icons) that shows it.
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

#include <string>
#include <utility>

namespace hb::resources {

std::vector<hb::afx::IconResource> ProgramIcons() {
    const std::vector<std::pair<UINT, std::string>> pictures{
        {IDR_MAINFRAME, "program"},
        // Configuration buttons.
        {IDC_CONFIG_ENGINE_4, "decoder-devices"},
        {IDC_CONFIG_ENGINE_3, "port-settings"},
        {IDC_CONFIG_RADIOS, "radio-settings"},
        {IDC_CONFIG_ENGINE_2, "special-settings"},
        {IDC_CONFIG_ENGINE_5, "remote-radios"},
        {IDC_CONFIG_LOGGER, "logger-settings"},
        {IDC_CONFIG_TONE_READERS, "tone-readers"},
        {IDC_CONFIG_REMOTE, "remote-access"},
        {IDC_CONFIG_DATABASES, "databases"},
        {IDC_CONFIG_AUDIO, "audio-settings"},
        {IDC_CONFIG_DISPLAY, "display"},
        {IDC_CONFIG_SCAN_OPTIONS, "scan-options"},
        // Band selection and recording mark buttons of the front panels.
        {IDC_BAND_SELECT, "band-select"},
        {IDI_RECORDING_MARK, "recording-mark"},
        // Trunk-tracker keys.
        {IDI_KEY_SCAN_LIST, "key-scan-list"},
        {IDC_KEY_MINI_BAR, "key-mini-bar"},
        {IDC_KEY_RECORD, "key-record"},
        {IDI_KEY_TRUNK, "key-trunk"},
        {IDC_KEY_DELAY, "key-delay"},
        {IDI_KEY_SEARCH, "search"},
        {IDC_KEY_RESET, "key-reset"},
        {ID_RADIO_LOCK_OUT, "key-lock-out"},
        {IDI_KEY_HOLD, "pause"},
        {IDI_KEY_LOCK_OUT, "key-lock-out"},
        {IDI_KEY_SCAN, "key-scan"},
        {IDI_KEY_LIMIT, "key-limit"},
        {IDI_KEY_WEATHER, "key-weather"},
        {IDI_KEY_SERVICE, "key-service"},
        {IDI_KEY_RESUME, "play"},
        {IDI_KEY_MANUAL, "key-manual"},
        {IDI_KEY_ATTENUATOR, "key-attenuator"},
        {IDC_KEY_11, "key-11"},
        {IDC_KEY_12, "key-12"},
        {IDC_KEY_HOME_ROAM, "key-home-roam"},
        // Audio recorder and player buttons.
        {IDI_AUDIO_COMMAND, "audio-command"},
        {IDC_AUDIO_STOP, "stop"},
        {IDC_AUDIO_PAUSE, "pause"},
        {IDC_AUDIO_PLAY, "play"},
        {IDC_AUDIO_REWIND, "rewind"},
        {IDC_AUDIO_FORWARD, "forward"},
        {IDC_AUDIO_BACK, "back"},
        {IDC_AUDIO_END, "end"},
        {IDC_AUDIO_FILE, "audio-file"},
        {IDC_AUDIO_AUTO_FILE, "audio-auto-file"},
        {IDI_AUDIO_NO_ACTION, "audio-no-action"},
        {IDC_AUDIO_MUTE, "mute"},
        {IDI_AUDIO_MUTE_PEERS, "audio-mute-peers"},
        {ID_SETTINGS_WINDOWS_VOLUME, "volume"},
        {ID_SETTINGS_WINDOWS_RECORDING, "recording-volume"},
        {IDI_AUDIO_FOLDER, "audio-folder"},
        {IDI_PLAYER_MUTED, "muted"},
        {IDI_PLAYER_PLAY, "play"},
        {IDI_PLAYER_REWIND, "rewind"},
        {IDI_PLAYER_FORWARD, "forward"},
        {IDI_PLAYER_BACK, "back"},
        {IDI_PLAYER_END, "end"},
        // The radio window's tabs.
        {IDI_HISTORY, "history"},
        // The tool-bar buttons the setup wizard points at.
        {IDR_WEB_GRABBER, "web-grabber"},
        {IDR_SPECTRUM_ANALYZER, "spectrum-analyzer"},
        {IDR_BAND_SCOPE, "band-scope"},
        {IDI_START_SCANNING, "radio-control"},
        {IDR_AUDIO_PLAYER, "audio-player"},
        {ID_TOOLS_WIZARD, "wizard"},
        {IDI_NEW_GROUP, "new-group"},
    };
    std::vector<hb::afx::IconResource> icons;
    // Icons come in the large and the small size.
    const std::vector<SIZE> sizes{{32, 32}, {16, 16}};
    for (const auto& [id, picture] : pictures) {
        icons.push_back({id, sizes, picture});
    }
    for (UINT n = 0; n < IDI_RADIO_COUNT; ++n) {
        // Radio 4's icon is also the setup wizard's start-scanning picture, registered above.
        if (IDI_RADIO_1 + n != IDI_START_SCANNING) {
            icons.push_back({IDI_RADIO_1 + n, sizes, "radio-" + std::to_string(n + 1)});
        }
    }
    return icons;
}

namespace {

// One strip of 16-pixel row images. The radio selection list shows its first cells: a radio,
// "Dial-Up", "Network", "Remote", "IEEE-488", "Cancel" and a Multi-Radio pair at the cells the list
// uses. The recordings catalog shows the mark of a marked segment at 27 and the play button at 49;
// the cells between stay blank.
hb::afx::BitmapResource RowImageStrip() {
    std::vector<std::string> cells{"radio-1",    "radio-2",        "network",       "dial-up",
                                   "ieee-488",   "radio-3",        "radio-4",       "remote-radios",
                                   "radio-5",    "radio-settings", "radio-control", "cancel",
                                   "multi-radio"};
    cells.resize(IDB_MANIFEST_ROW_COUNT);
    cells[IDB_MANIFEST_MARKED] = "recording-mark";
    cells[IDB_MANIFEST_PLAY] = "play";
    return {IDB_RADIO_SELECT, 16 * IDB_MANIFEST_ROW_COUNT, 16, IDB_MANIFEST_ROW_COUNT, cells};
}

} // namespace

std::vector<hb::afx::BitmapResource> ProgramBitmaps() {
    return {
        // The main tool bar, in the order of its buttons.
        {IDR_MAINFRAME,
         576,
         32,
         18,
         {"exit", "wizard", "open", "new-group", "radio-control", "spectrum-analyzer", "band-scope",
          "audio-player", "web-grabber", "programming-manager", "trunk-id-format",
          "scanner-manager", "volume", "recording-volume", "mute", "configuration", "help",
          "beep"}},
        {IDB_SPLASH, 601, 398, 1, {"splash"}},
        RowImageStrip(),
    };
}

} // namespace hb::resources
