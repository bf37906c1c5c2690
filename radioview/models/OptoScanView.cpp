#include "radioview/models/OptoScanView.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(COptoScanView, CRadioView)

BEGIN_MESSAGE_MAP(COptoScanView, CRadioView)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(COptoScanView, CRadioView)
ON_EVENT(COptoScanView, IDC_MODE_SWITCH, 1, &COptoScanView::OnModeSwitch)
END_EVENTSINK_MAP()

COptoScanView::COptoScanView() : OptoPanel(IDD_OPTOSCAN_VIEW, false) {}
