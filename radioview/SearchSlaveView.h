#pragma once
// The "Multi-Radio" tab of a radio window with a second rig: the channels the first radio's
// engine holds for the second. It shows nothing yet.

#include "platform/tessary/app/TemplateClasses.h"

class CSearchSlaveView : public CShellView {
    DECLARE_DYNCREATE(CSearchSlaveView)
};
