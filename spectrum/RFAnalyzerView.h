#pragma once
// The spectrum analyzer's view. It draws nothing.
#include "platform/tessary/app/TemplateClasses.h"

class CRFAnalyzerView : public CShellView {
    DECLARE_DYNCREATE(CRFAnalyzerView)
};
