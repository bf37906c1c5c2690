#include "radioview/TrunkTrackerView.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CTrunkTrackerView, CRadioView)

CTrunkTrackerView::CTrunkTrackerView() : CTrunkTrackerView(IDD_TRUNKTRACKER_VIEW) {}

CTrunkTrackerView::CTrunkTrackerView(UINT nIDTemplate) : CRadioView(nIDTemplate) {}
