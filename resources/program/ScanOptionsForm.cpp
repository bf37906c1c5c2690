// The scan options view's form. No window of this version opens the view, so the form only says
// where the scan options are changed.
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

DialogTemplate ScanOptionsForm() {
    return Form(
        IDD_SCAN_OPT_VIEW, 150, 40, WS_CHILD | DS_SETFONT,
        {Caption("Scan options are set with the Scan Options button of the radio window's Scan "
                 "bar.",
                 {7, 7, 136, 26})});
}

} // namespace hb::resources
