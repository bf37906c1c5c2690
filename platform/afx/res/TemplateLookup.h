#pragma once
#include "platform/afx/res/DialogTemplate.h"

#include <functional>

namespace hb::afx {

// Where dialog templates come from by id: the resource chain, unless a lookup is set in its place.
using TemplateLookup = std::function<const DialogTemplate*(UINT id)>;
void SetTemplateLookup(TemplateLookup lookup);
const DialogTemplate* FindDialogTemplate(UINT id);

} // namespace hb::afx
