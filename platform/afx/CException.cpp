#include "platform/afx/CException.h"

IMPLEMENT_DYNAMIC(CException, CObject)
