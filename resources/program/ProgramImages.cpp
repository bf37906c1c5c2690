// The program's icons and images.
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

// Icons come in the large and the small size.
hb::afx::IconResource Icon(UINT id) {
    return {id, {{32, 32}, {16, 16}}};
}

} // namespace

std::vector<hb::afx::IconResource> ProgramIcons() {
    std::vector<UINT> ids{
        IDR_MAINFRAME,
        // Configuration buttons.
        IDC_CONFIG_ENGINE_4, IDC_CONFIG_ENGINE_3, IDC_CONFIG_RADIOS, IDC_CONFIG_ENGINE_2,
        IDC_CONFIG_ENGINE_5, IDC_CONFIG_LOGGER, IDC_CONFIG_TONE_READERS, IDC_CONFIG_REMOTE,
        IDC_CONFIG_DATABASES, IDC_CONFIG_AUDIO, IDC_CONFIG_DISPLAY, IDC_CONFIG_SCAN_OPTIONS,
        // Band selection and recording mark buttons of the front panels.
        IDC_BAND_SELECT, IDI_RECORDING_MARK,
        // Trunk-tracker keys.
        IDI_KEY_SCAN_LIST, IDC_KEY_MINI_BAR, IDC_KEY_RECORD, IDI_KEY_TRUNK, IDC_KEY_DELAY,
        IDI_KEY_SEARCH, IDC_KEY_RESET, IDI_KEY_HOLD, IDI_KEY_LOCK_OUT, IDI_KEY_SCAN, IDI_KEY_LIMIT,
        IDI_KEY_WEATHER, IDI_KEY_SERVICE, IDI_KEY_RESUME, IDI_KEY_MANUAL, IDI_KEY_ATTENUATOR,
        IDC_KEY_11, IDC_KEY_12, IDC_KEY_HOME_ROAM,
        // Audio recorder and player buttons.
        IDI_AUDIO_COMMAND, IDC_AUDIO_STOP, IDC_AUDIO_PAUSE, IDC_AUDIO_PLAY, IDC_AUDIO_REWIND,
        IDC_AUDIO_FORWARD, IDC_AUDIO_BACK, IDC_AUDIO_END, IDC_AUDIO_FILE, IDC_AUDIO_AUTO_FILE,
        IDI_AUDIO_NO_ACTION, IDC_AUDIO_MUTE, IDI_AUDIO_MUTE_PEERS, ID_SETTINGS_WINDOWS_VOLUME,
        ID_SETTINGS_WINDOWS_RECORDING, IDI_AUDIO_FOLDER, IDI_PLAYER_MUTED, IDI_PLAYER_PLAY,
        IDI_PLAYER_REWIND, IDI_PLAYER_FORWARD, IDI_PLAYER_BACK, IDI_PLAYER_END};
    for (UINT n = 0; n < IDI_RADIO_COUNT; ++n) {
        ids.push_back(IDI_RADIO_1 + n);
    }
    std::vector<hb::afx::IconResource> icons;
    for (UINT id : ids) {
        icons.push_back(Icon(id));
    }
    return icons;
}

std::vector<hb::afx::BitmapResource> ProgramBitmaps() {
    return {
        {IDR_MAINFRAME, 576, 32, 18}, {IDB_SPLASH, 601, 398, 1}, {IDB_RADIO_SELECT, 208, 16, 13}};
}

} // namespace hb::resources
