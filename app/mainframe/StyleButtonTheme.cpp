#include "app/mainframe/StyleButtonTheme.h"

#include "app/HalbridgeApp.h"
#include "platform/toolkit/CXTPButton.h"

namespace {

// A pushed caption moves by a pixel, and icon and caption stand this far apart.
constexpr BOOL kOffsetPushedText = TRUE;
constexpr int kTextImageGap = 4;

bool FilledLook() {
    const CHalbridgeApp* app = CHalbridgeApp::Get();
    return app && app->m_visualStyle == 1 && (app->m_visualTheme == 2 || app->m_visualTheme == 3);
}

} // namespace

CStyleButtonTheme::CStyleButtonTheme() {
    SetOffsetHiliteText(kOffsetPushedText);
    SetTextImageGap(kTextImageGap);
}

int CStyleButtonTheme::VisualStyle() {
    const CHalbridgeApp* app = CHalbridgeApp::Get();
    return app ? app->m_visualStyle : 0;
}

COLORREF CStyleButtonTheme::Color(int index) {
    const CHalbridgeApp* app = CHalbridgeApp::Get();
    return app ? app->Color(index) : 0;
}

void CStyleButtonTheme::FillFramed(CDC* pDC, CXTPButton* pButton, COLORREF fill, COLORREF border) {
    CRect client;
    pButton->GetClientRect(&client);
    pDC->FillSolidRect(client, fill);
    pDC->Draw3dRect(client, border, border);
    client.DeflateRect(1, 1);
    pDC->Draw3dRect(client, border, border);
}

void CStyleButtonTheme::DrawButtonBackground(CDC* pDC, CXTPButton* pButton) {
    if (!FilledLook()) {
        CXTPButtonTheme::DrawButtonBackground(pDC, pButton);
        return;
    }
    const bool down = pButton->IsPushed() || pButton->GetChecked();
    FillFramed(pDC, pButton, Color(down ? kPushedFill : kFill),
               Color(pButton->IsHighlighted() ? kHighlightBorder : kPushedFill));
}

void CStyleButtonTheme::DrawPushButtonText(CDC* pDC, CXTPButton* pButton) {
    if (VisualStyle() == 0) {
        CXTPButtonTheme::DrawPushButtonText(pDC, pButton);
        return;
    }
    const bool down = pButton->IsPushed() || pButton->GetChecked();
    DrawStyledText(pDC, pButton, Color(down ? kPushedText : kText));
}

void CStyleButtonTheme::DrawStyledText(CDC* pDC, CXTPButton* pButton, COLORREF color) {
    CRect text;
    CalcRects(pDC, pButton, &text, nullptr);
    if (pButton->IsPushed() && !IsVisualThemeUsed(pButton)) {
        text.OffsetRect(1, 1);
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(color);
    DrawCaption(pDC, pButton, text);
}
