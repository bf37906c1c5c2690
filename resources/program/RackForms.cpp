// The instrument racks: the radio window's tone panels and the four panels of the mini status
// window (receivers, HF receivers, and trunk trackers without and with trunk tracking on).
#include "platform/instruments/Dispids.h"
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

#include <string>

namespace hb::resources {

namespace {

constexpr DWORD kPanelStyle = WS_CHILD | DS_SETFONT;

// The current ID on a dot-matrix line.
DialogControl IdLine(UINT id, Box box, int columns) {
    DialogControl line = LedMatrix(id, box);
    line.className = ClassIdOf(hb::instruments::Kind::LCDMatrix);
    line.properties = {{hb::instruments::lcdMatrix::kColumnCount, std::int32_t{columns}}};
    return line;
}

// One lamp per digit of the frequency: 8 columns of 16 pixels.
DialogControl TuningStrip() {
    DialogControl strip = LedMatrix(IDC_TUNING_STRIP, {4, 28, 86, 7});
    strip.properties = {{hb::instruments::ledMatrix::kRowCount, std::int32_t{1}},
                        {hb::instruments::ledMatrix::kColCount, std::int32_t{8}}};
    return strip;
}

DialogTemplate TonePanel(UINT id) {
    return Form(id, 300, 26, kPanelStyle,
                {Label(IDC_RADIO_NAME, "", {4, 2, 84, 10}),
                 Lamp(IDC_AUDIO_KIND_LAMP, "", {4, 14, 36, 9}),
                 IdLine(IDC_DECODER_DISPLAY, {94, 3, 112, 20}, 12),
                 Label(IDC_DECODER_TEXT, "", {212, 7, 84, 12})});
}

// What every mini status panel has: the frequency with its tuning strip, the state lamps, the ID,
// the VFO switches, the radio's buttons, the volume and the mute buttons.
Controls MiniStatusCommon() {
    Controls controls{
        FrequencyDisplay(IDC_FREQUENCY_DISPLAY, {4, 4, 86, 22}, 9, 4),
        TuningStrip(),
        Lamp(IDC_SCANNING_LAMP, "Scan", {4, 38, 24, 9}),
        Lamp(IDC_STOPPED_LAMP, "Stop", {30, 38, 24, 9}),
        Lamp(IDC_HIT_LAMP, "Hit", {56, 38, 24, 9}),
        Lamp(IDC_SIGNAL_LAMP, "Sig", {82, 38, 24, 9}),
        Lamp(IDC_RECORDING_LAMP, "Rec", {108, 38, 24, 9}),
        IdLine(IDC_MINI_ID_DISPLAY, {4, 50, 128, 12}, 16),
        Meter(IDC_S_METER, {136, 2, 66, 60}, -130, -30, "S - dBm"),
        Label(IDC_RADIO_NAME, "", {96, 6, 36, 10}),
    };
    for (UINT n = 0; n < 5; ++n) {
        controls.push_back(LedSwitch(IDC_VFO_1 + n, {4 + static_cast<int>(n) * 18, 64, 16, 14},
                                     "V" + std::to_string(n + 1)));
    }
    const UINT buttons[] = {ID_RADIO_START, ID_RADIO_STOP, ID_RADIO_LOCK_OUT,
                            ID_RADIO_TEMP_LOCK_OUT};
    const char* texts[] = {"Start", "Stop", "L/O", "T L/O"};
    for (int n = 0; n < 4; ++n) {
        controls.push_back(PushButton(buttons[n], texts[n], {96 + n * 26, 64, 25, 14}));
    }
    Append(controls, {Knob(IDC_VOLUME_KNOB, {206, 2, 34, 34}, 0, 100, 50),
                      LevelBar(IDC_VU_BAR, {244, 4, 8, 32}, 100, 10),
                      IconButton(IDC_AUDIO_MUTE, "Mute", {206, 42, 22, 15}),
                      IconButton(IDI_AUDIO_MUTE_PEERS, "Solo", {230, 42, 22, 15})});
    return controls;
}

DialogTemplate MiniStatusPanel(UINT id) {
    return Form(id, 256, 82, kPanelStyle, MiniStatusCommon());
}

// The trunk trackers' panel adds their keys, text lines, trunk and ID-hold lamps and the ID
// buttons.
DialogTemplate TrunkMiniStatusPanel(UINT id) {
    Controls controls = MiniStatusCommon();
    const UINT keys[] = {IDC_KEY_SCAN, IDC_KEY_HOLD, IDC_KEY_RESUME, IDC_KEY_LOCK_OUT,
                         IDC_KEY_11,   IDC_KEY_12,   IDC_KEY_RESET};
    const char* texts[] = {"Scan", "Hold", "Resume", "L/O", "F1", "F2", "Reset"};
    for (int n = 0; n < 7; ++n) {
        controls.push_back(IconButton(keys[n], texts[n], {4 + n * 24, 84, 22, 15}));
    }
    Append(controls, {PushButton(ID_RADIO_HOLD_ID, "Hold ID", {4, 102, 32, 14}),
                      PushButton(ID_RADIO_LOCK_OUT_ID, "L/O ID", {38, 102, 32, 14}),
                      Lamp(IDC_TRUNK_LAMP, "Trunk", {212, 84, 40, 9}),
                      Lamp(IDC_ID_HOLD_LAMP, "ID Hold", {212, 95, 40, 9}),
                      Label(IDC_TEXT_LINE_1, "", {4, 120, 82, 10}),
                      Label(IDC_TEXT_LINE_2, "", {88, 120, 82, 10}),
                      Label(IDC_TEXT_LINE_3, "", {172, 120, 80, 10}),
                      Label(IDC_STATUS_LINE, "", {4, 132, 248, 10})});
    return Form(id, 256, 146, kPanelStyle, std::move(controls));
}

} // namespace

std::vector<hb::afx::DialogTemplate> RackForms() {
    return {TonePanel(IDD_CHANNEL_RACK),
            TonePanel(IDD_TONE_DECODER_RACK),
            MiniStatusPanel(IDD_MINI_STATUS),
            MiniStatusPanel(IDD_MINI_STATUS_HF),
            TrunkMiniStatusPanel(IDD_MINI_STATUS_TRUNK),
            TrunkMiniStatusPanel(IDD_MINI_STATUS_TRUNK_2)};
}

} // namespace hb::resources
