#include "radioview/MiniStatusWnd.h"

IMPLEMENT_DYNAMIC(CMiniStatusWnd, CWnd)
