#include "spectrum/RFAnalyzerView.h"

IMPLEMENT_DYNCREATE(CRFAnalyzerView, CView)
