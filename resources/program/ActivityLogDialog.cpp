// The radio window's activity log dialog; the log gives it its caption.
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

DialogTemplate ActivityLogDialog() {
    DialogTemplate dialog =
        Form(IDD_ACTIVITY_LOG, 220, 60,
             WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER,
             {Caption("The hits of scan list entries marked for logging are written to the "
                      "day's text and CSV logs.",
                      {7, 7, 206, 20}),
              DefaultButton(IDOK, "Close", {163, 39, 50, 14})});
    dialog.caption = "Scan Logging";
    return dialog;
}

} // namespace hb::resources
