#include "spectrum/RFAnalyzerFrame.h"

IMPLEMENT_DYNCREATE(CRFAnalyzerFrame, CMDIChildWnd)
