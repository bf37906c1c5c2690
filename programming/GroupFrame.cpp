#include "programming/GroupFrame.h"

IMPLEMENT_DYNCREATE(CGroupFrame, CMDIChildWnd)
