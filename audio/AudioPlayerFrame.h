#pragma once
// The audio player's window: a plain frame of the core library.
#include "platform/tessary/app/GenericFrame.h"

class CAudioPlayerFrame : public CGenericFrame {
    DECLARE_DYNCREATE(CAudioPlayerFrame)
};
