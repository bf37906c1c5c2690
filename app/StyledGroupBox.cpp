#include "app/StyledGroupBox.h"

IMPLEMENT_DYNAMIC(CStyledGroupBox, CEnhancedGroupBox)
