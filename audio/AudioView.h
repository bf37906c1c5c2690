#pragma once
// The audio recorder and player view. It draws nothing.
#include "platform/tessary/app/TemplateClasses.h"

class CAudioView : public CShellView {
    DECLARE_DYNCREATE(CAudioView)
};
