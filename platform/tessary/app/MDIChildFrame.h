#pragma once
#include "platform/afx/CMDIChildWnd.h"

// The MDI child frame the core library's document windows derive from.
class CMDIChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CMDIChildFrame)
};
