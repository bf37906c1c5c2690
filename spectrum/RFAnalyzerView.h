#pragma once
// The spectrum analyzer's view: sweeps the band of its document with the radio.
#include "spectrum/SweepView.h"

class CRFAnalyzerView : public CSweepView {
    DECLARE_DYNCREATE(CRFAnalyzerView)

public:
    static constexpr UINT kTemplateId = 27299;

    CRFAnalyzerView();
};
