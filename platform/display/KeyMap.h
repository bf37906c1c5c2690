#pragma once
#include "platform/win/WinTypes.h"

namespace hb::display {

// The virtual-key code of an X key symbol; 0 for a key the program has no code for. Letters give
// their upper-case code and digits their own, whichever case or shift produced the symbol.
UINT VirtualKeyOf(unsigned long keysym);

} // namespace hb::display
