#pragma once
// Template controls that name a class id ("{...}") are instrument controls. The instrument layer
// registers the factory that makes them from their class id and start properties; without one, or
// for a class id it does not know, the control cannot be made and the form fails.
#include "platform/afx/res/DialogTemplate.h"

#include <functional>
#include <string_view>

namespace hb::afx {

// Makes the control as a child of `parent` at `pixels`; returns 0 when it cannot.
using InstrumentFactory =
    std::function<HWND(HWND parent, const DialogControl& control, const RECT& pixels)>;

void SetInstrumentFactory(InstrumentFactory factory);

bool IsClassId(std::string_view className);

} // namespace hb::afx
