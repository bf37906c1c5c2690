#include "platform/afx/CPen.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
    CreatePen(nPenStyle, nWidth, crColor);
}

CPen* CPen::FromHandle(HPEN hPen) {
    return hb::afx::detail::GdiWrapperOf<CPen>(HGDIOBJ(hPen));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return Take(::CreatePen(nPenStyle, nWidth, crColor));
}
