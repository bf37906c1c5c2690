// The logging dialogs of the activity logs: 1609 for a radio window's, 1623 for a band scope's.
#include "platform/tessary/app/LogControls.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;

DialogTemplate ActivityLogDialog(UINT id) {
    using namespace hb::tessary::log;
    DialogTemplate dialog = Form(
        id, 250, 167, kDialogStyle,
        {Label(kCaptionLabel, "", {7, 7, 236, 14}), GroupBox("Log to", {7, 25, 236, 82}),
         CheckBox(kTextLog, "Text file", {14, 37, 86, 10}), Text(kTextFile, "", {104, 38, 132, 9}),
         CheckBox(kCsvLog, "CSV file", {14, 50, 86, 10}), Text(kCsvFile, "", {104, 51, 132, 9}),
         CheckBox(kDatabaseLog, "dBASE table", {14, 63, 86, 10}),
         EditBox(kDatabaseFile, {14, 76, 168, 12}, ES_READONLY | ES_AUTOHSCROLL),
         PushButton(kBrowse, "Browse...", {186, 75, 50, 14}), Text(kStatus, "", {7, 113, 236, 9}),
         Text(kProblem, "", {7, 125, 236, 17}), PushButton(kStartStop, "Start", {139, 146, 50, 14}),
         DefaultButton(IDCANCEL, "Close", {193, 146, 50, 14})});
    dialog.caption = "Activity Log";
    return dialog;
}

} // namespace

std::vector<DialogTemplate> ActivityLogDialogs() {
    using namespace hb::tessary::log;
    return {ActivityLogDialog(kRadioWindowTemplate), ActivityLogDialog(kBandScopeTemplate)};
}

} // namespace hb::resources
