#include "audio/AudioView.h"

IMPLEMENT_DYNCREATE(CAudioView, CView)
