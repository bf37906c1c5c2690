#include "radioview/BC895View.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CBC895View, CTrunkTrackerView)

CBC895View::CBC895View() : CTrunkTrackerView(IDD_BC895_VIEW) {}
