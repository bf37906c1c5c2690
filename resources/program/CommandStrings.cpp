// The prompts and tooltips of the commands: "prompt\ntooltip". The status bar shows the prompt
// while the pointer is over the command's menu item or button; a tool-bar button shows the tooltip.
#include "platform/afx/res/AfxIds.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

std::vector<hb::afx::StringResource> CommandStrings() {
    return {
        {AFX_IDS_IDLEMESSAGE, "Ready"},
        {ID_FILE_NEW_GROUP, "Create a new group file\nNew Group"},
        {ID_FILE_NEW_RANGE, "Create a new search range file\nNew Search Range"},
        {ID_FILE_OPEN, "Open an existing file\nOpen"},
        {ID_FILE_SAVE, "Save the active document\nSave"},
        {ID_FILE_PRINT, "Print the active document\nPrint"},
        {ID_FILE_PRINT_PREVIEW, "Show how the active document will print\nPrint Preview"},
        {ID_APP_EXIT, "Quit the application\nExit"},
        {ID_EDIT_COPY, "Copy the selection to the clipboard\nCopy"},
        {ID_EDIT_CUT, "Cut the selection to the clipboard\nCut"},
        {ID_EDIT_PASTE, "Insert the clipboard's contents\nPaste"},
        {ID_TOOLS_RADIO_CONTROL, "Open a radio window to control a radio\nRadio Control"},
        {ID_TOOLS_SPECTRUM_ANALYZER, "Examine signal strength across a frequency range\n"
                                     "Spectrum Analyzer"},
        {ID_TOOLS_BAND_SCOPE, "Search a frequency band for activity\nBand Scope"},
        {ID_TOOLS_WEB_GRABBER, "Take frequencies and talk groups from web pages\nWeb Grabber"},
        {ID_TOOLS_WIZARD, "Let the wizard guide you through a task\nWizard"},
        {ID_VIEW_SIMPLE_MODE, "Show the radio windows in their simple form\nSimple Mode"},
        {ID_VIEW_COMPACT, "Show the radio windows in their compact form\nCompact View"},
        {ID_VIEW_SHOW_MODE, "Show the mode of each channel\nShow Mode"},
        {ID_VIEW_ENGINE_TRACE, "Show the engine's trace\nEngine Trace"},
        {ID_VIEW_DIAGNOSTICS, "Show the engine's diagnostics\nDiagnostics"},
        {ID_VIEW_CLOSE_VOLUME_PANE, "Close the volume pane\nClose Volume Pane"},
        {ID_SETTINGS_CONFIGURATION, "Change the configuration of radios, ports and features\n"
                                    "Configuration"},
        {ID_SETTINGS_RADIO_FILES_DIRECTORY,
         "Choose the folder of radio files shared between users\nShared Radio Files"},
        {ID_SETTINGS_WINDOWS_VOLUME, "Open the system's volume control\nVolume"},
        {ID_SETTINGS_WINDOWS_RECORDING, "Open the system's recording control\nRecording Volume"},
        {ID_SETTINGS_AUDIO_LOGGER, "Change the settings of the digital audio logger\n"
                                   "Audio Logger"},
        {ID_SETTINGS_TRUNK_ID_FORMAT, "Choose how trunking ID codes are shown\nTrunking ID Format"},
        {ID_COLOR_RESET, "Go back to the standard colours\nReset Colors"},
        {ID_FONT_DEFAULT, "Choose the default font\nDefault Font"},
        {ID_FONT_GRID, "Choose the font of the grids\nGrid Font"},
        {ID_FONT_HISTORY, "Choose the font of the history windows\nHistory Font"},
        {ID_FONT_TACTICAL, "Choose the tactical font\nTactical Font"},
        {ID_TOOLBAR_HIDE_CONFIGURATION, "Hide the configuration buttons of the tool bar\n"
                                        "Hide Configuration"},
        {ID_TOOLBAR_HIDE_ADVANCED_TOOLS, "Hide the advanced tools of the tool bar\n"
                                         "Hide Advanced Tools"},
        {ID_TOOLBAR_LOCK, "Keep the tool bars where they are\nLock Tool Bars"},
        {ID_WINDOW_CASCADE, "Arrange the windows so that they overlap\nCascade"},
        {ID_WINDOW_TILE_HORZ, "Arrange the windows one above the other\nTile Horizontally"},
        {ID_WINDOW_TILE_VERT, "Arrange the windows side by side\nTile Vertically"},
        {ID_WINDOW_TABBED, "Show the windows as tabs\nTabbed"},
        {ID_MASTER_MUTE, "Mute or unmute all audio\nMaster Mute"},
        {ID_BEEP, "Sound a beep\nBeep"},
    };
}

} // namespace hb::resources
