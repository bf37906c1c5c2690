#include "radioview/BC2052View.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CBC2052View, CTrunkTrackerView)

CBC2052View::CBC2052View() : CTrunkTrackerView(IDD_BC2052_VIEW) {}
