// The audio rack bar: the recorder's lamp, file and messages on the left, the channel and the
// segment's time in the middle, transport and the volume, mode and voice-inversion controls on
// the right.
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

Controls FileAndMessages() {
    return {Lamp(IDC_AUDIO_STATE_LAMP, "MON", {4, 4, 26, 10}),
            Label(IDC_AUDIO_FILE_NAME, "", {34, 4, 120, 10}),
            Text(IDC_AUDIO_MESSAGE, "", {4, 17, 150, 44}),
            Lamp(IDC_AUDIO_KIND_LAMP, "ID Code", {4, 64, 40, 10}),
            Lamp(IDC_AUDIO_INDICATOR, "", {48, 64, 16, 10}),
            Label(IDC_AUDIO_RADIO_NAME, "", {68, 64, 86, 10})};
}

Controls ChannelAndTime() {
    return {FrequencyDisplay(IDC_AUDIO_FREQUENCY, {160, 4, 86, 18}, 9, 4),
            FrequencyDisplay(IDC_AUDIO_ID, {160, 25, 86, 16}, 7, 0),
            ClockDisplay(IDC_AUDIO_CLOCK, {250, 4, 70, 18}),
            CountDisplay(IDC_AUDIO_DAY, {250, 25, 18, 16}, 2),
            CountDisplay(IDC_AUDIO_MONTH, {270, 25, 18, 16}, 2),
            CountDisplay(IDC_AUDIO_YEAR, {290, 25, 30, 16}, 4),
            Caption("Index:", {160, 46, 26, 8}),
            CountDisplay(IDC_AUDIO_INDEX, {188, 44, 58, 12}, 5),
            Caption("Position:", {250, 46, 30, 8}),
            CountDisplay(IDC_AUDIO_POSITION, {280, 44, 40, 12}, 8),
            Slider(IDC_AUDIO_POSITION_SLIDER, {160, 60, 160, 14}),
            LevelBar(IDC_SIGNAL_BAR, {324, 4, 8, 70}, 255, 16),
            LevelBar(IDC_VU_BAR, {336, 4, 8, 70}, 100, 16)};
}

Controls Transport() {
    const std::pair<UINT, const char*> buttons[] = {
        {IDC_AUDIO_STOP, "Stop"},     {IDC_AUDIO_PAUSE, "Pause"},  {IDC_AUDIO_PLAY, "Play"},
        {IDC_AUDIO_REWIND, "Rewind"}, {IDC_AUDIO_BACK, "Back"},    {IDC_AUDIO_FORWARD, "Fwd"},
        {IDC_AUDIO_END, "End"},       {IDC_AUDIO_FILE, "File"},    {IDC_AUDIO_AUTO_FILE, "Auto"},
        {IDC_AUDIO_ERASE, "Erase"},   {IDC_AUDIO_ZEROIZE, "Zero"}, {IDC_AUDIO_SETTINGS, "Set"}};
    Controls c;
    for (int i = 0; i < 12; ++i) {
        c.push_back(IconButton(buttons[i].first, buttons[i].second,
                               {350 + (i % 6) * 24, 4 + (i / 6) * 20, 22, 18}));
    }
    return c;
}

Controls Switches() {
    return {LedSwitch(IDC_AUDIO_SKIP, {350, 46, 20, 12}),
            Caption("Skip", {350, 60, 20, 8}, SS_CENTER),
            LedSwitch(IDC_AUDIO_MUTE, {374, 46, 20, 12}),
            Caption("Mute", {374, 60, 20, 8}, SS_CENTER),
            LedSwitch(IDC_AUDIO_CHAIN, {398, 46, 20, 12}),
            Caption("Chain", {398, 60, 20, 8}, SS_CENTER),
            SlideSwitch(IDC_AUDIO_MODE, {422, 46, 42, 14}, 3),
            Caption("Off Rec Play", {420, 62, 46, 8}, SS_CENTER),
            Knob(IDC_VOLUME_KNOB, {496, 4, 36, 36}, 0, 100, 100),
            Caption("Volume", {496, 42, 36, 8}, SS_CENTER),
            Knob(IDC_INVERT_FREQUENCY, {536, 4, 36, 36}, 2000, 4000, 3300),
            SlideSwitch(IDC_INVERT_MODE, {536, 46, 36, 14}, 3),
            Caption("Inversion", {536, 62, 36, 8}, SS_CENTER)};
}

} // namespace

DialogTemplate AudioRackForm() {
    Controls c = FileAndMessages();
    Append(c, ChannelAndTime());
    Append(c, Transport());
    Append(c, Switches());
    return Form(IDD_AUDIO_RACK, 576, 78, WS_CHILD | DS_SETFONT, std::move(c));
}

} // namespace hb::resources
