#pragma once
// The window of the spectrum analyzer and of the band scope: a plain MDI child frame.
#include "platform/afx/CMDIChildWnd.h"

class CRFAnalyzerFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CRFAnalyzerFrame)
};
