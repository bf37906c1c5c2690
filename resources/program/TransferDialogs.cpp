// The memory transfer dialogs: the options, the two summaries, the bank choice and the progress
// window with its Stop button; and the text of the transfer error boxes.
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/program/ProgramParts.h"
#include "resources/program/TransferIds.h"

#include <string>

namespace hb::resources {

namespace {

using namespace transfer;

constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;

DialogTemplate Dialog(UINT id, std::string caption, int cx, int cy, Controls controls) {
    DialogTemplate dialog = Form(id, cx, cy, kDialogStyle, std::move(controls));
    dialog.caption = std::move(caption);
    return dialog;
}

DialogTemplate OptionsDialog() {
    return Dialog(kOptionsDialog, "Transfer Options", 220, 62,
                  {Caption("Switch the radio on and leave it idle: the transfer takes it over "
                           "until it ends. Press OK to begin.",
                           {7, 7, 206, 27}),
                   DefaultButton(IDOK, "OK", {109, 41, 50, 14}),
                   PushButton(IDCANCEL, "Cancel", {163, 41, 50, 14})});
}

// Reading adds the choice of what happens to the group's banks.
DialogTemplate InfoDialog(UINT id, bool reading) {
    constexpr DWORD kNumber = ES_AUTOHSCROLL;
    Controls controls{
        Text(kSummary, "", {7, 7, 246, 30}),
        GroupBox("Radio", {7, 41, 120, 48}),
        Caption("Start bank:", {14, 54, 58, 8}),
        EditBox(kRadioStartBank, {76, 52, 44, 12}, kNumber),
        Caption("Start channel:", {14, 70, 58, 8}),
        EditBox(kRadioStartChannel, {76, 68, 44, 12}, kNumber),
        GroupBox("Group", {133, 41, 120, 48}),
        Caption("Start bank:", {140, 54, 58, 8}),
        EditBox(kDocStartBank, {202, 52, 44, 12}, kNumber),
        Caption("Start channel:", {140, 70, 58, 8}),
        EditBox(kDocStartChannel, {202, 68, 44, 12}, kNumber),
        Caption("Memories to transfer:", {7, 97, 90, 8}),
        EditBox(kTotal, {100, 95, 44, 12}, kNumber),
    };
    int buttonsTop = 115;
    if (reading) {
        Append(controls, {GroupBox("Into the group", {7, 113, 246, 26}),
                          RadioButton(kModeReplace, "Replace", {14, 124, 70, 10}, true),
                          RadioButton(kModeInsert, "Insert", {92, 124, 70, 10}, false),
                          RadioButton(kModeMerge, "Merge", {170, 124, 70, 10}, false)});
        buttonsTop = 147;
    }
    Append(controls, {PushButton(kRestoreDefaults, "Defaults", {7, buttonsTop, 50, 14}),
                      DefaultButton(IDOK, "OK", {149, buttonsTop, 50, 14}),
                      PushButton(IDCANCEL, "Cancel", {203, buttonsTop, 50, 14})});
    return Dialog(id, reading ? "Radio to PC" : "PC to Radio", 260, buttonsTop + 21,
                  std::move(controls));
}

// The bank boxes are hidden: the transfer shows as many as the radio has.
DialogTemplate BankDialog() {
    Controls controls{GroupBox("Banks", {7, 7, 206, 80})};
    for (UINT n = 0; n < kBankCount; ++n) {
        const int column = static_cast<int>(n / 5);
        const int row = static_cast<int>(n % 5);
        DialogControl box = CheckBox(kBankA + n, std::string("Bank ") + char('A' + n),
                                     {14 + column * 50, 19 + row * 13, 46, 10});
        box.style &= ~WS_VISIBLE;
        controls.push_back(box);
    }
    Append(controls, {CheckBox(kSettings, "Settings", {7, 93, 80, 10}),
                      PushButton(kCheckAll, "Select All", {109, 91, 50, 14}),
                      PushButton(kClearAll, "Clear All", {163, 91, 50, 14}),
                      DefaultButton(IDOK, "OK", {109, 112, 50, 14}),
                      PushButton(IDCANCEL, "Cancel", {163, 112, 50, 14})});
    return Dialog(kBankDialog, "Transfer", 220, 133, std::move(controls));
}

DialogTemplate ProgressDialog() {
    const DialogControl icon{.id = kIcon,
                             .className = "Static",
                             .style = WS_CHILD | WS_VISIBLE | SS_ICON,
                             .x = 7,
                             .y = 7,
                             .cx = 20,
                             .cy = 20};
    constexpr int kLabelX = 34;
    constexpr int kValueX = 84;
    constexpr int kValueWidth = 162;
    Controls controls{
        icon,
        Text(kNotice, "", {kLabelX, 7, 212, 27}),
        Text(kDirection, "", {kLabelX, 38, 212, 9}),
        Caption("Radio:", {kLabelX, 51, 48, 8}),
        Text(kRigName, "", {kValueX, 51, kValueWidth, 9}),
        Caption("File:", {kLabelX, 63, 48, 8}),
        Text(kDocument, "", {kValueX, 63, kValueWidth, 9}),
        Caption("Bank:", {kLabelX, 75, 48, 8}),
        Text(kBank, "", {kValueX, 75, kValueWidth, 9}),
        Text(kItemLabel, "Channel:", {kLabelX, 87, 48, 8}),
        Text(kChannel, "", {kValueX, 87, kValueWidth, 9}),
        Caption("Frequency:", {kLabelX, 99, 48, 8}),
        Text(kFrequency, "", {kValueX, 99, kValueWidth, 9}),
        Text(kItem, "", {kLabelX, 113, 212, 9}),
        DefaultButton(IDCANCEL, "Stop", {196, 128, 50, 14}),
    };
    return Dialog(kProgressDialog, "Data Transfer", 253, 149, std::move(controls));
}

} // namespace

std::vector<DialogTemplate> TransferDialogs() {
    return {OptionsDialog(), InfoDialog(kWriteInfoDialog, false), InfoDialog(kReadInfoDialog, true),
            BankDialog(), ProgressDialog()};
}

std::vector<hb::afx::StringResource> TransferStrings() {
    return {{kTransferErrorString, "Data could not be exchanged with the radio."}};
}

} // namespace hb::resources
