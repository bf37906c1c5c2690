#include "radioview/BCT8View.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CBCT8View, CTrunkTrackerView)

CBCT8View::CBCT8View() : CTrunkTrackerView(IDD_BCT8_VIEW) {}
