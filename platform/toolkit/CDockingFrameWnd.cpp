#include "platform/toolkit/CDockingFrameWnd.h"

IMPLEMENT_DYNCREATE(CDockingFrameWnd, CFrameWnd)
