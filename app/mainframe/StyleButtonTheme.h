#pragma once
// The push buttons of the program's styled forms: under style 1 with theme 2 or 3 they are filled
// and framed in the colour table's colours, otherwise they keep the toolkit's look.

#include "platform/toolkit/CXTPButtonTheme.h"

class CStyleButtonTheme : public CXTPButtonTheme {
public:
    CStyleButtonTheme();

    void DrawButtonBackground(CDC* pDC, CXTPButton* pButton) override;
    void DrawPushButtonText(CDC* pDC, CXTPButton* pButton) override;

protected:
    // The colour table entries the buttons use.
    static constexpr int kPushedText = 0;
    static constexpr int kText = 12;
    static constexpr int kPushedFill = 14;
    static constexpr int kFill = 18;
    static constexpr int kHighlightBorder = 24;

    // Fills the client rectangle and frames it with a border two pixels wide.
    static void FillFramed(CDC* pDC, CXTPButton* pButton, COLORREF fill, COLORREF border);
    // The caption in the colour, a pixel down and right while pushed unless visual styles draw.
    void DrawStyledText(CDC* pDC, CXTPButton* pButton, COLORREF color);
    static int VisualStyle();
    static COLORREF Color(int index);
};
