#include "radioview/BC898TView.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CBC898TView, CTrunkTrackerView)

CBC898TView::CBC898TView() : CTrunkTrackerView(IDD_BC898T_VIEW) {}
