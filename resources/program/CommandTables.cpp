// The main tool bar and the accelerator table.
#include "platform/win/core/Keys.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

hb::afx::ToolBarResource MainToolBar() {
    return {.id = IDR_MAINFRAME,
            .bitmapId = IDR_MAINFRAME,
            .buttonCx = 32,
            .buttonCy = 32,
            .buttons = {ID_APP_EXIT, ID_TOOLS_WIZARD, ID_FILE_OPEN, ID_FILE_NEW_GROUP,
                        ID_TOOLS_RADIO_CONTROL, ID_TOOLS_SPECTRUM_ANALYZER, ID_TOOLS_BAND_SCOPE,
                        ID_TOOLS_AUDIO_PLAYER, ID_TOOLS_WEB_GRABBER, ID_TOOLS_PROGRAMMING_MANAGER,
                        ID_SETTINGS_TRUNK_ID_FORMAT, ID_TOOLS_SCANNER_MANAGER,
                        ID_SETTINGS_WINDOWS_VOLUME, ID_SETTINGS_WINDOWS_RECORDING, ID_MASTER_MUTE,
                        ID_SETTINGS_CONFIGURATION, ID_HELP_USER_MANUAL, ID_BEEP}};
}

hb::afx::AcceleratorResource MainAccelerators() {
    constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
    constexpr BYTE kShift = FVIRTKEY | FSHIFT;
    const auto entry = [](BYTE flags, UINT key, UINT command) {
        return ACCEL{flags, static_cast<WORD>(key), static_cast<WORD>(command)};
    };
    std::vector<ACCEL> entries{
        entry(kCtrl, 'C', ID_EDIT_COPY),
        entry(kCtrl, VK_INSERT, ID_EDIT_COPY),
        entry(kCtrl, 'D', ID_VIEW_DIAGNOSTICS),
        entry(kCtrl | FALT, 'D', ID_VIEW_ENGINE_TRACE),
        entry(kCtrl, 'N', ID_FILE_NEW),
        entry(kCtrl, 'O', ID_FILE_OPEN),
        entry(kCtrl, 'P', ID_FILE_PRINT),
        entry(kCtrl, 'S', ID_FILE_SAVE),
        entry(kCtrl, 'T', ID_VIEW_SHOW_MODE),
        entry(kCtrl, 'V', ID_EDIT_PASTE),
        entry(kShift, VK_INSERT, ID_EDIT_PASTE),
        entry(kCtrl, 'X', ID_EDIT_CUT),
        entry(kShift, VK_DELETE, ID_EDIT_CUT),
        entry(kCtrl, 'Z', ID_EDIT_UNDO),
        entry(FVIRTKEY | FALT, VK_BACK, ID_EDIT_UNDO),
        entry(FVIRTKEY, VK_F1, ID_HELP_USER_MANUAL),
        entry(kShift, VK_F1, ID_CONTEXT_HELP),
    };
    for (UINT n = 0; n < 5; ++n) {
        entries.push_back(entry(kCtrl, VK_F1 + n, IDC_VFO_1 + n));
    }
    entries.push_back(entry(FVIRTKEY, VK_F6, ID_NEXT_PANE));
    entries.push_back(entry(kShift, VK_F6, ID_PREV_PANE));
    return {IDR_MAINFRAME, std::move(entries)};
}

} // namespace hb::resources
