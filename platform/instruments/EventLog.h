#pragma once
#include "platform/afx/EventSinkMap.h"
#include "platform/win/WinTypes.h"

#include <vector>

namespace hb::instruments {

// One event an instrument fired at its container's sink map.
struct FiredEvent {
    HWND control;
    UINT controlId = 0;
    long dispid = 0;
    // As the handler left them.
    std::vector<hb::afx::EventArg> args;
    // Whether a sink entry took it.
    bool handled = false;
};

// The events fired into `container`, oldest first. The log keeps only the latest events of all
// containers, so that a long session does not grow it without end.
std::vector<FiredEvent> FiredEvents(HWND container);

} // namespace hb::instruments
