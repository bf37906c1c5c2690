#pragma once
// The band scope's view: sweeps the band of its document with the radio.
#include "spectrum/SweepView.h"

class CRFBandScopeView : public CSweepView {
    DECLARE_DYNCREATE(CRFBandScopeView)

public:
    static constexpr UINT kTemplateId = 27301;

    CRFBandScopeView();
};
