#pragma once
// The window of a database document: a plain MDI child frame.
#include "platform/afx/CMDIChildWnd.h"

class CDbaseFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CDbaseFrame)
};
