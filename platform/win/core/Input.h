#pragma once
// The user's mouse and keyboard, as whoever drives them (a display connection) queues them. Input
// waits in the message queue in order with the posted messages. A mouse message goes to the window
// it names; a key message is addressed only when a loop takes it from the queue: to the window
// with the focus then, else to the active window, else to the window it came through. So keys
// typed after one whose handling moves the focus (a Tab, a key that opens a box to type in, a
// button that opens a dialog) follow the focus, however fast they came.
#include "platform/win/WinTypes.h"

namespace hb::win {

// Whether input may reach the window: it exists and neither it nor a window around it is
// disabled. That is how an owner stays out of reach while its modal dialog runs.
bool TakesInput(HWND hwnd);

// Mouse input for `hwnd`. Returns false, queuing nothing, when it is no window.
bool PostMouseInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// A key message (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP) that came through the
// top-level window `from`. It is dropped when taken if its window then takes no input.
void PostKeyInput(HWND from, UINT message, WPARAM wParam, LPARAM lParam);
// Whether input is queued that no loop has taken yet.
bool InputWaiting();

} // namespace hb::win
