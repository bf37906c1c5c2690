#include "app/mainframe/StyleCheckButtonTheme.h"

#include "platform/toolkit/CXTPButton.h"

namespace {

constexpr COLORREF kCheckedFill = 0x0000FF;
constexpr COLORREF kPlainBorder = 0x000000;

} // namespace

void CStyleCheckButtonTheme::DrawButtonBackground(CDC* pDC, CXTPButton* pButton) {
    const int style = VisualStyle();
    if (style == 0 && !pButton->GetChecked()) {
        CXTPButtonTheme::DrawButtonBackground(pDC, pButton);
        return;
    }
    const COLORREF fill = pButton->GetChecked() ? kCheckedFill
                          : pButton->IsPushed() ? Color(kPushedFill)
                                                : Color(kFill);
    const COLORREF border = style == 0
                                ? kPlainBorder
                                : Color(pButton->IsHighlighted() ? kHighlightBorder : kPushedFill);
    FillFramed(pDC, pButton, fill, border);
}

void CStyleCheckButtonTheme::DrawPushButtonText(CDC* pDC, CXTPButton* pButton) {
    if (!pButton->GetChecked()) {
        CStyleButtonTheme::DrawPushButtonText(pDC, pButton);
        return;
    }
    DrawStyledText(pDC, pButton, Color(kText));
}
