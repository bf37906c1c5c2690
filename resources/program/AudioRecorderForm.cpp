// The radio window's "Audio Recorder" tab: the recorder's lamp, file, messages and ID kinds on the
// left; the channel, the segment's date and times, counters, position and level in the middle;
// the level bars; then the command buttons, switches, knobs and the voice-inversion presets.
#include "platform/win/controls/CommonControls.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

DialogControl Hidden(DialogControl control) {
    control.style &= ~WS_VISIBLE;
    return control;
}

Controls FileAndChannel() {
    Controls c{Lamp(IDC_AUDIO_STATE_LAMP, "MON", {4, 4, 26, 10}),
               Label(IDC_AUDIO_FILE_NAME, "", {34, 4, 116, 10}),
               Label(IDC_AUDIO_FILE_TITLE, "", {4, 16, 146, 10}),
               Text(IDC_AUDIO_MESSAGE, "", {4, 28, 146, 34})};
    // Each kind lamp as wide as its caption wants, the row as wide as the message.
    struct KindLamp {
        UINT id;
        const char* caption;
        int width;
    };
    const KindLamp kinds[] = {
        {IDC_AUDIO_KIND_PL, "PL", 16},         {IDC_AUDIO_KIND_DPL, "DPL", 19},
        {IDC_AUDIO_KIND_LTR, "LTR", 19},       {IDC_AUDIO_KIND_TYPE1, "Type I", 28},
        {IDC_AUDIO_KIND_TYPE2, "Type II", 32}, {IDC_AUDIO_KIND_EDACS, "EDACS", 27}};
    int x = 4;
    for (const KindLamp& kind : kinds) {
        c.push_back(Lamp(kind.id, kind.caption, {x, 64, kind.width, 10}));
        x += kind.width + 1;
    }
    Append(c, {Lamp(IDC_AUDIO_KIND_LAMP, "ID Code", {4, 76, 40, 10}),
               Lamp(IDC_AUDIO_INDICATOR, "", {48, 76, 14, 10}),
               Hidden(Lamp(IDC_AUDIO_LIVE_LAMP, "LIVE", {66, 76, 26, 10})),
               Hidden(Text(IDC_AUDIO_LIVE_TEXT, "Live reception", {96, 77, 54, 8})),
               Label(IDC_AUDIO_RADIO_NAME, "", {4, 88, 146, 10}),
               Label(IDC_AUDIO_NAME_1, "", {4, 100, 146, 10}),
               Label(IDC_AUDIO_NAME_2, "", {4, 112, 146, 10}),
               Label(IDC_AUDIO_NAME_3, "", {4, 124, 146, 10})});
    return c;
}

Controls TimeAndPosition() {
    Controls c{FrequencyDisplay(IDC_AUDIO_FREQUENCY, {156, 4, 86, 18}, 9, 4),
               ClockDisplay(IDC_AUDIO_CLOCK, {246, 4, 70, 18}),
               FrequencyDisplay(IDC_AUDIO_ID, {156, 25, 86, 16}, 7, 0),
               CountDisplay(IDC_AUDIO_DAY, {246, 25, 18, 16}, 2),
               CountDisplay(IDC_AUDIO_MONTH, {266, 25, 18, 16}, 2),
               CountDisplay(IDC_AUDIO_YEAR, {286, 25, 30, 16}, 4),
               Label(IDC_AUDIO_FREQUENCY_TEXT, "", {156, 44, 86, 10}),
               ClockDisplay(IDC_AUDIO_ELAPSED, {246, 44, 70, 14}),
               Label(IDC_AUDIO_ID_TEXT, "", {156, 56, 86, 10}),
               Caption("Index:", {156, 72, 26, 8}),
               CountDisplay(IDC_AUDIO_INDEX, {184, 70, 58, 12}, 5),
               Caption("Position:", {246, 72, 30, 8}),
               CountDisplay(IDC_AUDIO_POSITION, {278, 70, 38, 12}, 8),
               Slider(IDC_AUDIO_POSITION_SLIDER, {156, 86, 160, 14}),
               LinearGauge(IDC_AUDIO_LEVEL_GAUGE, {156, 104, 160, 12}, 100),
               LevelBar(IDC_SIGNAL_BAR, {322, 4, 8, 130}, 255, 16),
               LevelBar(IDC_VU_BAR, {332, 4, 8, 130}, 100, 16),
               LevelBar(IDC_AUDIO_VU_RIGHT, {342, 4, 8, 130}, 100, 16)};
    const std::pair<UINT, const char*> transport[] = {
        {IDC_AUDIO_STOP, "Stop"},  {IDC_AUDIO_PAUSE, "Pause"}, {IDC_AUDIO_PLAY, "Play"},
        {IDC_AUDIO_REWIND, "Rew"}, {IDC_AUDIO_FORWARD, "Fwd"}, {IDC_AUDIO_BACK, "Back"},
        {IDC_AUDIO_END, "End"}};
    for (int i = 0; i < 7; ++i) {
        c.push_back(
            IconButton(transport[i].first, transport[i].second, {156 + i * 23, 120, 22, 16}));
    }
    return c;
}

Controls Commands() {
    const std::pair<UINT, const char*> top[] = {
        {IDC_AUDIO_COMMAND, "Main"},   {IDC_AUDIO_FILE, "File"},
        {IDC_AUDIO_AUTO_FILE, "Auto"}, {IDC_AUDIO_SETTINGS, "Set"},
        {IDC_AUDIO_SPEAKERS, "Vol"},   {IDC_AUDIO_RECORDING_MIXER, "Rec"},
        {IDC_AUDIO_EXPLORE, "Folder"}};
    Controls c;
    for (int i = 0; i < 7; ++i) {
        c.push_back(IconButton(top[i].first, top[i].second, {356 + i * 26, 4, 24, 24}));
    }
    const std::pair<UINT, const char*> second[] = {
        {IDI_AUDIO_MUTE_PEERS, "Solo"}, {IDI_AUDIO_NO_ACTION, ""},  {IDC_AUDIO_SKIP, "Skip"},
        {IDC_AUDIO_MUTE, "Mute"},       {IDC_AUDIO_CHAIN, "Chain"}, {IDC_AUDIO_SPARE, ""}};
    for (int i = 0; i < 6; ++i) {
        const Box box{356 + i * 26, 32, 24, 24};
        const UINT id = second[i].first;
        c.push_back(id == IDC_AUDIO_SKIP || id == IDC_AUDIO_CHAIN
                        ? ToggleButton(id, second[i].second, box)
                        : IconButton(id, second[i].second, box));
    }
    return c;
}

Controls Levels() {
    return {SlideSwitch(IDC_AUDIO_MODE, {356, 62, 42, 14}, 3),
            Caption("Off Rec Play", {354, 78, 46, 8}, SS_CENTER),
            Knob(IDC_VOLUME_KNOB, {404, 58, 34, 34}, 0, 100, 100),
            Caption("Volume", {404, 93, 34, 8}, SS_CENTER),
            Knob(IDC_AUDIO_INPUT_LEVEL, {442, 58, 34, 34}, 0, 65535, 32768),
            Caption("Input", {442, 93, 34, 8}, SS_CENTER),
            SlideSwitch(IDC_AUDIO_MANUAL_LEVEL, {480, 60, 24, 10}, 2),
            Caption("Manual", {506, 61, 34, 8}),
            SlideSwitch(IDC_AUDIO_RECORD_AUTO_LEVEL, {480, 74, 24, 10}, 2),
            Caption("Rec ALC", {506, 75, 34, 8}),
            SlideSwitch(IDC_PLAYBACK_AUTO_LEVEL, {480, 88, 24, 10}, 2),
            Caption("Play ALC", {506, 89, 34, 8})};
}

Controls Inversion() {
    return {Hidden(Text(IDC_AUDIO_INVERSION_TITLE, "Voice Inversion", {356, 104, 80, 8})),
            Hidden(Knob(IDC_INVERT_FREQUENCY, {356, 114, 26, 26}, 2000, 4000, 3300)),
            Hidden(SlideSwitch(IDC_INVERT_MODE, {386, 118, 36, 12}, 3)),
            Hidden(ModeBox(IDC_AUDIO_PRESETS, {426, 104, 62, 12})),
            Hidden(SpinButton(IDC_AUDIO_PRESET_SPIN, {490, 104, 10, 12})),
            Hidden(PushButton(IDC_AUDIO_PRESET_ADD, "Add", {426, 120, 30, 12})),
            Hidden(PushButton(IDC_AUDIO_PRESET_REMOVE, "Remove", {458, 120, 36, 12})),
            Hidden(Text(IDC_AUDIO_INVERSION_MODES, "Off On Auto", {384, 132, 44, 8})),
            Hidden(Text(IDC_AUDIO_PRESET_TITLE, "Presets", {504, 106, 34, 8}))};
}

} // namespace

DialogTemplate AudioRecorderForm() {
    Controls c = FileAndChannel();
    Append(c, TimeAndPosition());
    Append(c, Commands());
    Append(c, Levels());
    Append(c, Inversion());
    return Form(IDD_AUDIO_RECORDER, 544, 142, WS_CHILD | DS_SETFONT, std::move(c));
}

} // namespace hb::resources
