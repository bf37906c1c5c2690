#pragma once
// User input the way the program receives it, for modal scripts and tests.
#include "platform/win/WinTypes.h"

namespace hb::afx {

// One key press at `target`, with `modifiers` (FSHIFT, FCONTROL, FALT) held down meanwhile: Alt
// makes it WM_SYSKEYDOWN. It is offered to the pre-translation of the loop it would come through:
// the application's (from the target up to the main window) when the target lies in the main
// window, else the walk from the target up to its top-level window (a modal dialog's loop); when
// nobody consumed it, it is translated and dispatched. Returns whether it was consumed.
bool PressKey(HWND target, UINT vk, UINT modifiers = 0);

// The mouse moving to (x, y) of `target`'s client area: offered to the pre-translate walk (which
// shows windows' tooltips the mouse) as the program's loop does, then dispatched when no window
// consumed it. Returns whether one did.
bool MoveMouse(HWND target, int x, int y);

// What a click on the parent's control `id` reports: WM_COMMAND with BN_CLICKED, through the
// control's reflection and the parent's routing. Nothing for a missing or disabled control;
// returns whether the click was sent.
bool ClickButton(HWND parent, int id);

} // namespace hb::afx
