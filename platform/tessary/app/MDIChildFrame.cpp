#include "platform/tessary/app/MDIChildFrame.h"

IMPLEMENT_DYNCREATE(CMDIChildFrame, CMDIChildWnd)
