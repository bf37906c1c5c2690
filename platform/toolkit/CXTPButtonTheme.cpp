#include "platform/toolkit/CXTPButtonTheme.h"

#include "platform/afx/CFont.h"
#include "platform/toolkit/CXTPButton.h"
#include "platform/toolkit/Drawing.h"
#include "platform/toolkit/XTPMarkup.h"

namespace {

constexpr int kMargin = 6;
constexpr int kArrowWidth = 12;
constexpr int kFocusInset = 3;

} // namespace

void CXTPButtonTheme::DrawButton(CDC* pDC, CXTPButton* pButton) {
    CFont* font = pButton->GetFont();
    pDC->SelectObject(
        CFont::FromHandle(hb::toolkit::detail::FontFor(font ? HFONT(*font) : HFONT{})));
    DrawButtonBackground(pDC, pButton);
    DrawPushButtonIcon(pDC, pButton);
    DrawPushButtonText(pDC, pButton);
    const int style = pButton->GetPushButtonStyle();
    if (style >= xtpButtonDropDown && style <= xtpButtonSplitDropDown) {
        DrawPushButtonDropDown(pDC, pButton);
    }
    if (pButton->IsFocused() && pButton->GetShowFocus()) {
        CRect focus;
        pButton->GetClientRect(&focus);
        focus.DeflateRect(kFocusInset, kFocusInset);
        pDC->DrawFocusRect(focus);
    }
}

void CXTPButtonTheme::DrawButtonBackground(CDC* pDC, CXTPButton* pButton) {
    CRect client;
    pButton->GetClientRect(&client);
    hb::toolkit::detail::DrawFace(*pDC, client,
                                  {pButton->IsPushed() != FALSE, pButton->GetChecked() != FALSE,
                                   pButton->IsWindowEnabled() != FALSE});
}

void CXTPButtonTheme::DrawPushButtonText(CDC* pDC, CXTPButton* pButton) {
    CRect text;
    CalcRects(pDC, pButton, &text, nullptr);
    if (m_bOffsetHiliteText && pButton->IsPushed()) {
        text.OffsetRect(1, 1);
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(pButton->IsWindowEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawCaption(pDC, pButton, text);
}

void CXTPButtonTheme::DrawCaption(CDC* pDC, CXTPButton* pButton, const CRect& rect) {
    CString caption;
    pButton->GetWindowText(caption);
    if (pButton->GetEnableMarkup() && XTPMarkupIsMarkup(caption)) {
        caption = XTPMarkupPlainText(caption);
    }
    if (pButton->GetButtonIcon()) {
        hb::toolkit::detail::DrawWrappedText(*pDC, rect, caption);
    } else {
        hb::toolkit::detail::DrawCentredText(*pDC, rect, caption);
    }
}

void CXTPButtonTheme::DrawPushButtonIcon(CDC* pDC, CXTPButton* pButton) {
    const HICON icon = pButton->GetButtonIcon();
    if (!icon) {
        return;
    }
    CRect place;
    CalcRects(pDC, pButton, nullptr, &place);
    ::DrawIconEx(*pDC, place.left, place.top, icon, place.Width(), place.Height(), 0, HBRUSH{},
                 DI_NORMAL);
}

void CXTPButtonTheme::DrawPushButtonDropDown(CDC* pDC, CXTPButton* pButton) {
    CRect client;
    pButton->GetClientRect(&client);
    // A small downward triangle, one line shorter each row.
    const int middle = client.top + client.Height() / 2;
    const int left = client.right - kArrowWidth;
    for (int row = 0; row < 3; ++row) {
        pDC->MoveTo(left + row, middle - 1 + row);
        pDC->LineTo(left + 5 - row, middle - 1 + row);
    }
}

void CXTPButtonTheme::CalcRects(CDC*, CXTPButton* pButton, CRect* pTextRect, CRect* pIconRect) {
    CRect client;
    pButton->GetClientRect(&client);
    CString caption;
    pButton->GetWindowText(caption);
    const CSize iconSize = pButton->GetButtonIcon() ? pButton->GetIconSize() : CSize();
    CRect icon;
    CRect text = client;
    text.DeflateRect(2, 2);
    if (iconSize.cx > 0 && caption.IsEmpty()) {
        icon = CRect(CPoint(client.left + (client.Width() - iconSize.cx) / 2,
                            client.top + (client.Height() - iconSize.cy) / 2),
                     iconSize);
    } else if (iconSize.cx > 0) {
        icon =
            CRect(CPoint(client.left + kMargin, client.top + (client.Height() - iconSize.cy) / 2),
                  iconSize);
        text.left = icon.right + pButton->GetTextImageGap().value_or(m_nTextImageGap);
        text.right = client.right - kMargin;
    }
    if (pTextRect) {
        *pTextRect = text;
    }
    if (pIconRect) {
        *pIconRect = icon;
    }
}

BOOL CXTPButtonTheme::IsVisualThemeUsed(CXTPButton*) {
    return FALSE;
}
