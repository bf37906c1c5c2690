#pragma once
// The core library's MDI child window, base of the group, search range and database windows.
#include "platform/afx/CMDIChildWnd.h"

class CMDIChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CMDIChildFrame)
};
