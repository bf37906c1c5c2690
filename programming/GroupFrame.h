#pragma once
// The window of a group document: a plain MDI child frame.
#include "platform/afx/CMDIChildWnd.h"

class CGroupFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CGroupFrame)
};
