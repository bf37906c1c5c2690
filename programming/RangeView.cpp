#include "programming/RangeView.h"

IMPLEMENT_DYNCREATE(CRangeView, CView)
