#include "programming/RangeFrame.h"

IMPLEMENT_DYNCREATE(CRangeFrame, CMDIChildWnd)
