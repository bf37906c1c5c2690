#include "platform/toolkit/CXTPPopupBar.h"

IMPLEMENT_DYNAMIC(CXTPPopupBar, CXTPCommandBar)
