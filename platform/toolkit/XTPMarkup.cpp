#include "platform/toolkit/XTPMarkup.h"

CString XTPMarkupPlainText(const CString& markup) {
    CString text;
    bool inTag = false;
    for (int i = 0; i < markup.GetLength(); ++i) {
        const char c = markup[i];
        if (c == '<') {
            inTag = true;
        } else if (c == '>' && inTag) {
            inTag = false;
        } else if (!inTag) {
            text += c;
        }
    }
    return text;
}

void XTPMarkupDrawText(CDC* pDC, const CString& markup, const CRect& rect, UINT nFormat) {
    CRect box = rect;
    pDC->DrawText(XTPMarkupPlainText(markup), box, nFormat);
}

BOOL XTPMarkupIsMarkup(const CString& text) {
    return !text.IsEmpty() && text[0] == '<' ? TRUE : FALSE;
}
