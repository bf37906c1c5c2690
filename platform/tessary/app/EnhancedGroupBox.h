#pragma once
#include "platform/afx/CButton.h"

// A group box that paints itself as a titled frame in the application's colours: a rounded frame
// in the frame colour, and the caption, with a space on either side, over its top edge in the
// application's list font.
class CEnhancedGroupBox : public CButton {
    DECLARE_DYNAMIC(CEnhancedGroupBox)

public:
    // The colour table entries it paints with.
    static constexpr int kFrameColor = 17;
    static constexpr int kBackColor = 18;
    static constexpr int kTextColor = 29;

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
