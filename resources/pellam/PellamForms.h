#pragma once
// The forms of the resource library, by family.
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"

namespace hb::resources {

// Receiver panels.
std::vector<DialogTemplate> GenericReceiverForms();
std::vector<DialogTemplate> OptoForms();
std::vector<DialogTemplate> PcrForms();
std::vector<DialogTemplate> RSeriesForms();
DialogTemplate Nrd535Form();
// Trunk-tracker panels.
std::vector<DialogTemplate> TrunkTrackerForms();
// The audio player and the tool bar customize page.
DialogTemplate AudioPlayerForm();
DialogTemplate CustomizeToolsForm();
// Panels that travel with the library but that no window creates.
std::vector<DialogTemplate> SparePanelForms();

// Style of the front panel forms.
inline constexpr DWORD kPanelStyle = WS_CHILD | DS_SETFONT | DS_FIXEDSYS;

} // namespace hb::resources
