#include "spectrum/RFBandScopeView.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CRFBandScopeView, CSweepView)

CRFBandScopeView::CRFBandScopeView()
    : CSweepView({IDD_BAND_SCOPE, kTemplateId, 27024, 27025, "BandScopeFile"}) {}
