#pragma once
#include "platform/win/WinTypes.h"

#include <vector>

namespace hb::win {

struct TracedMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool posted = false; // dispatched from the queue rather than sent
};

// Records every message a window's procedure receives while tracing is on. The record outlives
// the window, so a test can read the messages of its destruction.
void TraceMessages(HWND hwnd, bool on);
std::vector<TracedMessage> MessageTrace(HWND hwnd);

} // namespace hb::win
