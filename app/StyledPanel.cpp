#include "app/StyledPanel.h"

IMPLEMENT_DYNAMIC(CStyledPanel, CiPanelX)
