// The main menu.
#include "platform/win/menu/Menus.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

#include <string>

namespace hb::resources {

namespace {

using Item = hb::afx::MenuItemResource;

const Item kSeparator{.flags = MF_SEPARATOR};

Item Popup(std::string text, std::vector<Item> items) {
    return {.text = std::move(text), .items = std::move(items)};
}

// The text colours of the selected rows, from Black on.
Item ColorMenu() {
    const char* const colors[] = {"Black", "Red",    "Green",   "Blue",
                                  "Cyan",  "Yellow", "Magenta", "Orange"};
    std::vector<Item> items;
    for (UINT index = 0; index < std::size(colors); ++index) {
        items.push_back({ID_GRID_COLOR_BLACK + index, colors[index]});
    }
    return Popup("Change c&olor", std::move(items));
}

Item FileMenu() {
    return Popup(
        "&File",
        {Popup("New...", {{ID_FILE_NEW_GROUP, "&Group"}, {ID_FILE_NEW_RANGE, "Search &Range"}}),
         Popup("Ope&n",
               {Popup("&Scanning Files",
                      {{ID_FILE_OPEN_GROUP, "&Group Files"},
                       {ID_FILE_OPEN_SCAN_LIST, "&Scan List Files"},
                       {ID_FILE_OPEN_RANGE, "Search &Range Files"},
                       {ID_FILE_OPEN_MONITORING_ASSISTANT, "&Monitoring Assistant Files"}}),
                Popup("Spectrum &Analysis Files",
                      {{ID_FILE_OPEN_SPECTRUM_ANALYZER, "&Spectrum Analyzer Files"},
                       {ID_FILE_OPEN_BAND_SCOPE, "&Band Scope Filess"}}),
                Popup("&Traffic Analyzer Files",
                      {{ID_FILE_OPEN_TRAFFIC_ANALYZER, "&Traffic Analyzer Files"},
                       {ID_FILE_OPEN_SIGNAL_DATA_RECORDER, "&Signal Data Recorder Files"},
                       {ID_FILE_OPEN_INTERFERENCE_CORRELATOR, "&Interferance Correlator Files"},
                       {ID_FILE_OPEN_BAND_OCCUPANCY_SCOPE, "&Band Occupancy Scope Files"}}),
                Popup("&Database Files", {{ID_FILE_OPEN_DBASE, "&DBase Files"},
                                          {ID_FILE_OPEN_ACCESS, "&Access Files"},
                                          {ID_FILE_OPEN_PARADOX, "&Paradox Files"}}),
                Popup("S&preadsheet Files", {{ID_FILE_OPEN_EXCEL, "&Excel Files"},
                                             {ID_FILE_OPEN_LOTUS, "&Lotus 123 Files"}})}),
         {ID_FILE_OPEN, "&Open Any File...\tCtrl+O"},
         kSeparator,
         {ID_FILE_SAVE, "&Save\tCtrl+S"},
         {ID_FILE_PRINT, "&Print...\tCtrl+P"},
         kSeparator,
         {ID_APP_EXIT, "E&xit"}});
}

Item ToolsMenu() {
    return Popup("&Tools", {{ID_TOOLS_RADIO_CONTROL, "&Radio Control"},
                            {ID_TOOLS_SPECTRUM_ANALYZER, "&Spectrum Analyzer"},
                            {ID_TOOLS_BAND_SCOPE, "&Band Scope"},
                            kSeparator,
                            {ID_TOOLS_AUDIO_PLAYER, "Audio &Player"},
                            {ID_TOOLS_PROGRAMMING_MANAGER, "Radio Programming &Manager"},
                            {ID_TOOLS_SCANNER_MANAGER, "&PRO-96 V Scanner Manager"},
                            {ID_TOOLS_WEB_GRABBER, "&Web Grabber"},
                            kSeparator,
                            {ID_TOOLS_WIZARD, "Halbridge Pro &Wizard"}});
}

Item ViewMenu() {
    return Popup("&View", {{ID_VIEW_SIMPLE_MODE, "&Simple Mode"},
                           {ID_VIEW_COMPACT, "&Compact View"},
                           {ID_VIEW_SHOW_MODE, "S&how Mode\tCtrl+T"},
                           {ID_VIEW_ENGINE_TRACE, "&Engine Trace\tCtrl+Alt+D"},
                           {ID_VIEW_DIAGNOSTICS, "&Diagnostics\tCtrl+D"},
                           {ID_VIEW_CLOSE_VOLUME_PANE, "Close &Volume Pane"},
                           Popup("Visual St&yle", {{ID_VIEW_STYLE_1, "Style &1"},
                                                   {ID_VIEW_STYLE_2, "Style &2"},
                                                   {ID_VIEW_STYLE_3, "Style &3"},
                                                   {ID_VIEW_STYLE_4, "Style &4"}})});
}

Item SettingsMenu() {
    std::vector<Item> colors{{ID_COLOR_RESET, "&Reset Color Values"}, kSeparator};
    for (UINT id = ID_COLOR_FIRST; id <= ID_COLOR_LAST; ++id) {
        colors.push_back({id, "Color " + std::to_string(id - ID_COLOR_FIRST)});
    }
    return Popup("&Settings",
                 {{ID_SETTINGS_CONFIGURATION, "&Halbridge Pro Configuration"},
                  {ID_SETTINGS_RADIO_FILES_DIRECTORY, "&Shared radio files directory"},
                  kSeparator,
                  {ID_SETTINGS_WINDOWS_VOLUME, "Windows Volume Control"},
                  {ID_SETTINGS_WINDOWS_RECORDING, "Windows Recording Control"},
                  {ID_SETTINGS_AUDIO_LOGGER, "Digital &Audio Logger"},
                  kSeparator,
                  Popup("&Color values", std::move(colors)),
                  Popup("&Font selection", {{ID_FONT_DEFAULT, "&Default font"},
                                            {ID_FONT_GRID, "&Grid font"},
                                            {ID_FONT_HISTORY, "&History font"},
                                            {ID_FONT_TACTICAL, "&Tactical font"}}),
                  {ID_SETTINGS_TRUNK_ID_FORMAT, "&Trunking ID code format"},
                  Popup("Tool &Bar", {{ID_TOOLBAR_HIDE_CONFIGURATION, "Hide &Configuration"},
                                      {ID_TOOLBAR_HIDE_ADVANCED_TOOLS, "Hide &Advanced Tools"},
                                      {ID_TOOLBAR_LOCK, "&Lock Tool Bars"}})});
}

} // namespace

hb::afx::MenuResource MainMenu() {
    return {IDR_MAINFRAME,
            {FileMenu(), ToolsMenu(), ViewMenu(), SettingsMenu(),
             Popup("&Window", {{ID_WINDOW_CASCADE, "&Cascade"},
                               {ID_WINDOW_TILE_HORZ, "Tile &Horizontally"},
                               {ID_WINDOW_TILE_VERT, "Tile &Vertically"},
                               {ID_WINDOW_TABBED, "Ta&bbed"}}),
             Popup("&Help", {{ID_HELP_USER_MANUAL, "&User Manual\tF1"}})}};
}

std::vector<hb::afx::MenuResource> WindowMenus() {
    return {
        {IDR_RADIO,
         {Popup("&Radio", {{ID_RADIO_START, "&Start"},
                           {ID_RADIO_STOP, "S&top"},
                           {ID_RADIO_LOCK_OUT, "   Locked out"},
                           {ID_RADIO_TEMP_LOCK_OUT, "   Temp lock out"},
                           {ID_RADIO_UPLOAD_SCAN_LIST, "&Upload Scan List from Radio"},
                           {ID_RADIO_GLOBAL_SETTINGS, "&Radio Global Settings"}}),
          // Joins the main menu's "View" while a radio window is active.
          Popup("&View", {{ID_RADIO_MINI_STATUS, "&Mini Status DIsplay"}})}},
        {IDR_CONTEXT_MENUS,
         {Popup("Scan List", {{ID_GRID_INSERT_ROW_BEFORE, "Insert new row &before"},
                              {ID_GRID_INSERT_ROW_AFTER, "Insert new row &after"}}),
          Popup("Range", {{ID_RANGE_LOCK_OUT_MAP, "Lock Out &Map"}})}},
        {IDR_GRID_MENU,
         {Popup("Grid", {{ID_EDIT_COPY, "&Copy selection\t^C"},
                         {ID_EDIT_CUT, "Cu&t selection\t^X"},
                         {ID_EDIT_PASTE, "&Paste selection\t^V"},
                         {ID_GRID_CLEAR_SELECTION, "C&lear selection"},
                         {ID_GRID_CLEAR_ALL, "C&lear all"},
                         kSeparator,
                         {ID_GRID_SELECT_ALL, "Select &all"},
                         {ID_GRID_DESELECT_ALL, "&Deselect all"},
                         {ID_GRID_FIND, "&Find"},
                         {ID_GRID_REPLACE, "&Replace"},
                         kSeparator,
                         {ID_GRID_INSERT_ROW_AFTER, "Insert new row &after"},
                         {ID_GRID_INSERT_ROW_BEFORE, "Insert new row &before"},
                         {ID_GRID_CLONE_ROWS, "Clone rows"},
                         ColorMenu(),
                         kSeparator,
                         {ID_GRID_REMOVE_EMPTY_ROWS, "Remove all &empty rows"},
                         {ID_GRID_REMOVE_SELECTED_ROWS, "Remove all &selected rows"},
                         kSeparator,
                         {ID_FILE_PRINT, "&Print"},
                         {ID_FILE_PRINT_PREVIEW, "Print pre&view"},
                         kSeparator,
                         {ID_GROUP_CHANGE_RADIO_TYPE, "&Change radio type"},
                         {ID_RADIO_GLOBAL_SETTINGS, "&Radio Global Settings"}})}},
    };
}

} // namespace hb::resources
