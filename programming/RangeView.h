#pragma once
// The editor view of a search range document. It draws nothing.
#include "platform/tessary/app/TemplateClasses.h"

class CRangeView : public CShellView {
    DECLARE_DYNCREATE(CRangeView)
};
