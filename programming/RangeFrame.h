#pragma once
// The window of a search range document: a plain MDI child frame.
#include "platform/afx/CMDIChildWnd.h"

class CRangeFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CRangeFrame)
};
