#pragma once
#include "platform/afx/CFrameWnd.h"

// The frame of a docking window that floats on its own. A main frame recognises it as the parent
// frame of the focus window and lets it see commands first.
class CDockingFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CDockingFrameWnd)
};
