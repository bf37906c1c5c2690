// The Volume pane's form. The sound card's rows of controls are not shown in this version.
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

DialogTemplate MixerForm() {
    return Form(IDD_MIXER, 150, 40, WS_CHILD | DS_SETFONT,
                {Caption("The sound card's volume controls are not available in this version.",
                         {7, 7, 136, 26})});
}

} // namespace hb::resources
