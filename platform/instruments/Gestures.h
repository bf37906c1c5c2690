#pragma once
// What a user does to an instrument, for tests and for whatever shows the instruments on screen
// (the instrument windows turn their mouse and key messages into these). Each gesture changes the
// instrument's value first, then fires the kind's events for it, every alias of the event in table
// order. Each returns false when the instrument does not take the gesture: a window that is not an
// instrument or is disabled, a label that is not editable, and for all but the mouse gestures a
// kind without that gesture.
//
// Buttons are 1 left, 2 right, 4 middle; shift bits are 1 Shift, 2 Ctrl, 4 Alt.
#include "platform/win/WinTypes.h"

namespace hb::instruments {

enum class MouseAction { Down, Move, Up };

// A knob, slider, switch slider or rotary switch moved to `position` (held inside its range; the
// switches take whole positions): the position-change events (a rotary switch's change event),
// when the position changed.
bool UserSetPosition(HWND hwnd, double position);
// A toggle switch or LED switch turned on or off: its change or click events, when it changed.
bool UserSetActive(HWND hwnd, bool active);
// Down, move and up in client coordinates: the mouse events of the kind. A knob turns while the
// button is held (clockwise raises it, one full travel of its rotation covering its range) and
// fires its drag end after the mouse up. An up inside the instrument after a down on it is a
// click: an LED rectangle fires its click events, a switch toggles, a rotary switch turns to its
// next position (after the last, the first), a four-way switch fires the event of the arrow under
// the point, a phone pad presses the key under the point. A
// slider's pointer follows the mouse while the button is held.
bool UserMouse(HWND hwnd, MouseAction action, short button, short shift, long x, long y);
// Down then up at the point.
bool UserClick(HWND hwnd, short button, short shift, long x, long y);
// A knob's double click (its reset event).
bool UserDoubleClick(HWND hwnd, short button, short shift, long x, long y);
// A key pressed on the instrument (a virtual-key code): the arrow keys turn a knob by its
// increment; space flips a toggle switch; digits, VK_DECIMAL (key 10) and VK_BACK (key 11) press
// phone pad keys; an editable label fires its key event (whose handler may clear the key), then
// Enter fires its change event and Backspace deletes the last character of its caption; Enter on
// a numeric entry fires its commit event.
bool UserKey(HWND hwnd, short key, short shift);

} // namespace hb::instruments
