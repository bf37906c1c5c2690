#pragma once
// The band scope's view. It draws nothing.
#include "platform/tessary/app/TemplateClasses.h"

class CRFBandScopeView : public CShellView {
    DECLARE_DYNCREATE(CRFBandScopeView)
};
