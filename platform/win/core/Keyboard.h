#pragma once
#include "platform/win/WinTypes.h"

// The keys held down, as whoever drives the input (a test, a presenter) sets them. The high bit
// (0x8000) is set for a key that is down.
SHORT GetKeyState(int virtualKey);
SHORT GetAsyncKeyState(int virtualKey);

namespace hb::win {

void SetKeyDown(UINT virtualKey, bool down);

} // namespace hb::win
