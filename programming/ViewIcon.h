#pragma once
// The big and small icon of a document view, from the program's icon resource.
#include "platform/win/WinTypes.h"

class CWnd;

namespace hb::programming {

void SetViewIcon(CWnd& view, UINT icon);

} // namespace hb::programming
