#include "programming/DbaseFrame.h"

IMPLEMENT_DYNCREATE(CDbaseFrame, CMDIChildWnd)
