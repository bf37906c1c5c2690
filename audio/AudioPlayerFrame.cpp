#include "audio/AudioPlayerFrame.h"

IMPLEMENT_DYNCREATE(CAudioPlayerFrame, CGenericFrame)
