#include "radioview/BC780View.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CBC780View, CTrunkTrackerView)

CBC780View::CBC780View() : CTrunkTrackerView(IDD_BC780_VIEW) {}
