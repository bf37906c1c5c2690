#include "spectrum/RFBandScopeView.h"

IMPLEMENT_DYNCREATE(CRFBandScopeView, CView)
