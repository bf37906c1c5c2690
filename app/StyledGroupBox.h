#pragma once
// The group boxes of the program's forms, painted as titled frames. The styles attach one to a
// group box that has no object of its own; it is deleted with its window.

#include "platform/tessary/app/EnhancedGroupBox.h"

class CStyledGroupBox : public CEnhancedGroupBox {
    DECLARE_DYNAMIC(CStyledGroupBox)

protected:
    void PostNcDestroy() override { delete this; }
};
