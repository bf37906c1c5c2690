// The recordings player: transport along the bottom, the recording's channel and time on the
// left, the catalog's filters on the right.
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Window.h"
#include "resources/ResourceIds.h"
#include "resources/pellam/PellamForms.h"

namespace hb::resources {

namespace {

Controls ChannelInformation() {
    Controls c{GroupBox("Channel Information:", {4, 4, 260, 70})};
    for (UINT n = 0; n < 3; ++n) {
        c.push_back(Label(IDC_TEXT_LINE_1 + n, "", {10, 14 + static_cast<int>(n) * 11, 150, 10}));
    }
    Append(c, {Label(IDC_AUDIO_RADIO_NAME, "", {166, 14, 92, 10}),
               Label(IDC_AUDIO_FILE_NAME, "", {166, 25, 92, 10}),
               Label(IDC_AUDIO_FILE_TITLE, "", {166, 36, 92, 10}),
               FrequencyDisplay(IDC_AUDIO_FREQUENCY, {10, 50, 120, 20}, 10, 4),
               FrequencyDisplay(IDC_AUDIO_ID, {136, 50, 80, 20}, 7, 1)});
    const std::pair<UINT, const char*> kinds[] = {{IDC_KIND_PL, "PL"},   {IDC_KIND_DPL, "DPL"},
                                                  {IDC_KIND_LTR, "LTR"}, {IDC_KIND_M1, "M1"},
                                                  {IDC_KIND_M2, "M2"},   {IDC_KIND_ED, "ED"}};
    for (int i = 0; i < 6; ++i) {
        c.push_back(Lamp(kinds[i].first, kinds[i].second, {4 + i * 30, 78, 28, 9}));
    }
    Append(c, {Lamp(IDC_AUDIO_KIND_LAMP, "ID", {186, 78, 24, 9}),
               Lamp(IDC_AUDIO_STATE_LAMP, "REC", {212, 78, 24, 9}),
               Lamp(IDC_AUDIO_INDICATOR, "", {238, 78, 26, 9})});
    return c;
}

Controls TimeAndLevels() {
    return {
        ClockDisplay(IDC_AUDIO_CLOCK, {270, 4, 80, 20}),
        CountDisplay(IDC_AUDIO_DAY, {270, 26, 18, 14}, 2),
        CountDisplay(IDC_AUDIO_MONTH, {290, 26, 18, 14}, 2),
        CountDisplay(IDC_AUDIO_YEAR, {310, 26, 40, 14}, 4),
        Caption("Index:", {270, 44, 30, 8}),
        CountDisplay(IDC_AUDIO_INDEX, {302, 42, 48, 12}, 5),
        Caption("Position:", {270, 58, 30, 8}),
        CountDisplay(IDC_AUDIO_POSITION, {302, 56, 48, 12}, 8),
        Knob(IDC_VOLUME_KNOB, {356, 4, 40, 40}, 0, 100, 50),
        SlideSwitch(IDC_AUDIO_MODE, {356, 48, 40, 16}, 3),
        LevelBar(IDC_SIGNAL_BAR, {402, 4, 10, 60}, 255, 16),
        Caption("SIG", {400, 66, 14, 8}, SS_CENTER),
        LevelBar(IDC_VU_BAR, {418, 4, 10, 60}, 100, 16),
        Caption("VU", {416, 66, 14, 8}, SS_CENTER),
        Caption("ALC:", {436, 4, 30, 8}),
        SlideSwitch(IDC_PLAYBACK_AUTO_LEVEL, {436, 14, 30, 16}, 2),
        Caption("Auto Level", {436, 32, 40, 8}),
        Text(IDC_AUDIO_MESSAGE, "", {270, 74, 200, 10}),
    };
}

Controls Transport() {
    const std::pair<UINT, const char*> buttons[] = {
        {IDC_AUDIO_STOP, "Stop"},         {IDC_AUDIO_PAUSE, "Pause"},
        {IDC_AUDIO_PLAY, "Play"},         {IDC_AUDIO_REWIND, "Rewind"},
        {IDC_AUDIO_BACK, "Back"},         {IDC_AUDIO_FORWARD, "Forward"},
        {IDC_AUDIO_END, "End"},           {IDC_AUDIO_MUTE, "Mute"},
        {IDC_AUDIO_SKIP, "Skip"},         {IDC_AUDIO_CHAIN, "Chain"},
        {IDC_AUDIO_FILE, "File"},         {IDC_AUDIO_AUTO_FILE, "Auto File"},
        {IDC_AUDIO_SETTINGS, "Settings"}, {IDC_AUDIO_SPEAKERS, "Speakers"}};
    Controls c;
    for (int i = 0; i < 14; ++i) {
        const Box box{4 + i * 34, 132, 32, 22};
        const UINT id = buttons[i].first;
        const bool checkable =
            id == IDC_AUDIO_MUTE || id == IDC_AUDIO_SKIP || id == IDC_AUDIO_CHAIN;
        c.push_back(checkable ? ToggleButton(id, buttons[i].second, box)
                              : IconButton(id, buttons[i].second, box));
    }
    return c;
}

Controls CatalogFilters() {
    return {
        GroupBox("History Scope:", {484, 4, 170, 46}),
        DropList(IDC_CATALOG_SCOPE, {490, 14, 158, 60}),
        Caption("From:", {490, 30, 20, 8}),
        DatePicker(IDC_CATALOG_FROM, {512, 28, 60, 12}),
        Caption("To:", {576, 30, 14, 8}),
        DatePicker(IDC_CATALOG_TO, {590, 28, 58, 12}),
        GroupBox("Sort By:", {484, 52, 170, 36}),
        DropList(IDC_CATALOG_SORT, {490, 62, 72, 50}),
        CheckBox(IDC_CATALOG_GROUP_HEADERS, "Show Group Headers", {566, 62, 84, 12}),
        GroupBox("Search Term:", {484, 90, 170, 24}),
        EditBox(IDC_CATALOG_SEARCH, {490, 99, 158, 12}),
        GroupBox("Selected Speaker:", {484, 116, 170, 36}),
        DropList(IDC_PLAYER_SPEAKER, {490, 128, 158, 28}),
    };
}

} // namespace

DialogTemplate AudioPlayerForm() {
    Controls c = ChannelInformation();
    Append(c, TimeAndLevels());
    Append(c, Transport());
    Append(c, CatalogFilters());
    return Form(IDD_AUDIO_PLAYER, 658, 158, kPanelStyle, std::move(c));
}

DialogTemplate CustomizeToolsForm() {
    DialogTemplate form = Form(
        IDD_CUSTOMIZE_TOOLS, 234, 182, WS_CHILD | WS_CAPTION | WS_DISABLED | DS_SETFONT,
        {ListBox(IDC_TOOLS_LIST, {4, 5, 226, 93}),
         Caption("To add a new custom command, place the cursor in the box above and press the "
                 "Insert key. To delete a custom command, select the command from the list above "
                 "and press the Delete key.",
                 {4, 100, 226, 24}),
         Text(IDC_TOOLS_COMMAND_LABEL, "&Command:", {4, 128, 60, 8}),
         EditBox(IDC_TOOLS_COMMAND, {66, 126, 164, 12}),
         Text(IDC_TOOLS_ARGUMENTS_LABEL, "&Arguments:", {4, 144, 60, 8}),
         EditBox(IDC_TOOLS_ARGUMENTS, {66, 142, 164, 12}),
         Text(IDC_TOOLS_DIRECTORY_LABEL, "&Initial Directory:", {4, 160, 60, 8}),
         EditBox(IDC_TOOLS_DIRECTORY, {66, 158, 164, 12})});
    form.caption = "Tools";
    return form;
}

} // namespace hb::resources
