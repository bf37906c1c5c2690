#pragma once
// The toolkit's colours: the system colours by their index (15 is the button face).
#include "platform/win/WinTypes.h"

class CXTPColorManager {
public:
    static COLORREF GetColor(int index);
};
