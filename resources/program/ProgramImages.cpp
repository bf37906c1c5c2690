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
        IDC_BAND_SELECT, 28703,
        // Trunk-tracker keys.
        27767, 27169, 27036, 28501, 28638, 28053, 27029, 27421, 28498, 27350, 27271, 27450, 28499,
        27872, 28520, 27531, 28543, 28544, 28636,
        // Audio recorder and player buttons.
        26008, 26006, 26005, 26007, 26018, 26001, 26003, 26002, 26009, 26010, 28730, 26015, 26049,
        27017, 28343, 27362, 28504, 27420, 28517, 28516, 28519, 28518};
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
