#include "spectrum/RFAnalyzerView.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CRFAnalyzerView, CSweepView)

CRFAnalyzerView::CRFAnalyzerView()
    : CSweepView({IDD_SPECTRUM_ANALYZER, kTemplateId, 27022, 27023, "SpectrumAnalyzerFile"}) {}
