#include "radioview/models/OptoComView.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(COptoComView, CRadioView)

BEGIN_MESSAGE_MAP(COptoComView, CRadioView)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(COptoComView, CRadioView)
ON_EVENT(COptoComView, IDC_MODE_SWITCH, 1, &COptoComView::OnModeSwitch)
ON_EVENT(COptoComView, IDC_DECODER_SWITCH, 1, &COptoComView::OnDecoderSwitch)
END_EVENTSINK_MAP()

COptoComView::COptoComView() : OptoPanel(IDD_OPTOCOM_VIEW, true) {}
