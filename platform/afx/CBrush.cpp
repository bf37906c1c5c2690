#include "platform/afx/CBrush.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush(COLORREF crColor) {
    CreateSolidBrush(crColor);
}

CBrush* CBrush::FromHandle(HBRUSH hBrush) {
    return hb::afx::detail::GdiWrapperOf<CBrush>(HGDIOBJ(hBrush));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    return Take(::CreateSolidBrush(crColor));
}
