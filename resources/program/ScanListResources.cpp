// The scan list tab's resources: the entry picker, the views' icon and the grid's heading hints.
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/program/ProgramParts.h"
#include "resources/program/ScanListIds.h"

#include <string>

namespace hb::resources {

namespace {

using namespace scanlist;

constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;

DialogControl Hidden(DialogControl control) {
    control.style &= ~static_cast<DWORD>(WS_VISIBLE);
    return control;
}

// A kind's list of files under its caption, with the button of its file dialog below.
Controls FileColumn(int x, std::string caption, UINT list, UINT button, std::string text) {
    return {Caption(std::move(caption), {x, 20, 100, 9}), ListBox(list, {x, 30, 100, 96}),
            PushButton(button, std::move(text), {x, 129, 100, 14})};
}

} // namespace

DialogTemplate ScanListEntryDialog() {
    Controls controls{
        Caption("Folder:", {7, 7, 30, 9}),
        Text(kFolder, "", {40, 7, 283, 9}),
        Caption("File name:", {7, 152, 40, 9}),
        EditBox(kFileName, {50, 150, 271, 12}),
        Caption("Kind:", {7, 168, 40, 9}),
        EditBox(kKind, {50, 166, 100, 12}, ES_READONLY),
        PushButton(kClear, "Clear", {7, 186, 50, 14}),
        DefaultButton(IDOK, "OK", {217, 186, 50, 14}),
        PushButton(IDCANCEL, "Cancel", {271, 186, 50, 14}),
    };
    Append(controls, FileColumn(7, "Groups", kGroupList, kChooseGroup, "Group File..."));
    Append(controls, FileColumn(114, "Search Ranges", kRangeList, kChooseRange, "Range File..."));
    Append(controls, FileColumn(221, "Channels", kChannelList, kChooseChannel, "Channel File..."));
    for (UINT id = kFirstSilentButton; id <= kLastSilentButton; ++id) {
        controls.push_back(Hidden(PushButton(id, "", {0, 0, 10, 10})));
    }
    DialogTemplate dialog = Form(kEntryDialog, 328, 207, kDialogStyle, std::move(controls));
    dialog.caption = "Scan List Entry";
    return dialog;
}

std::vector<hb::afx::IconResource> ScanListIcons() {
    return {{kIcon, {{32, 32}, {16, 16}}, "key-scan-list"}};
}

std::vector<hb::afx::StringResource> ScanListStrings() {
    return {
        {kRowHint, "The entry's place in the scan list"},
        {kTypeHint, "What the entry's file holds; the button chooses another file"},
        {kLogHint, "On: the entry's hits go to the activity log"},
        {kAudioHint, "Which of the entry's hits are recorded: None, Record Field or All"},
        {kFileHint, "The entry's file; the button opens it"},
        {kTitleHint, "The name of the entry's group, channel or search range"},
        {kInfoHint, "The description of the entry's group, channel or search range"},
    };
}

} // namespace hb::resources
