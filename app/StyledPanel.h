#pragma once
// A panel window taken over for a moment so that the styles can colour it. Like every instrument
// wrapper it is not deleted with its window: whoever made it deletes it.

#include "platform/instruments/CiPanelX.h"

class CStyledPanel : public CiPanelX {
    DECLARE_DYNAMIC(CStyledPanel)
};
