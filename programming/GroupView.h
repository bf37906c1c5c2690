#pragma once
// The editor view of a group document. It draws nothing.
#include "platform/tessary/app/TemplateClasses.h"

class CGroupView : public CShellView {
    DECLARE_DYNCREATE(CGroupView)
};
