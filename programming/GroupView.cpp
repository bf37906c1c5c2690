#include "programming/GroupView.h"

IMPLEMENT_DYNCREATE(CGroupView, CView)
