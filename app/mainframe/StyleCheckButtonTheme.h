#pragma once
#include "app/mainframe/StyleButtonTheme.h"

// A styled button whose checked state stands out: filled red, whatever the style.
class CStyleCheckButtonTheme : public CStyleButtonTheme {
public:
    void DrawButtonBackground(CDC* pDC, CXTPButton* pButton) override;
    void DrawPushButtonText(CDC* pDC, CXTPButton* pButton) override;
};
