#pragma once
#include "platform/afx/CDC.h"

// Markup text ("<Bold>Scan</Bold> list"): shown in this toolkit as its text with the tags left
// out, in the DC's font and colour.
CString XTPMarkupPlainText(const CString& markup);
void XTPMarkupDrawText(CDC* pDC, const CString& markup, const CRect& rect, UINT nFormat);
// Whether the text is markup: it begins with a tag.
BOOL XTPMarkupIsMarkup(const CString& text);
