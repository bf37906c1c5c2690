#pragma once
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"

#include <functional>

namespace hb::afx {

// Where bitmap resources come from: the resource chain plugs itself in here. The loader makes a
// new bitmap that the caller owns, or returns none. Without a loader the resource chain answers.
using BitmapLoader = std::function<HBITMAP(UINT id)>;
void SetBitmapLoader(BitmapLoader loader);
HBITMAP LoadResourceBitmap(UINT id);

} // namespace hb::afx
