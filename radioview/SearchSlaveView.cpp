#include "radioview/SearchSlaveView.h"

IMPLEMENT_DYNCREATE(CSearchSlaveView, CView)
