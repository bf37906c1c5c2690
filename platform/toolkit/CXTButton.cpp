#include "platform/toolkit/CXTButton.h"

IMPLEMENT_DYNAMIC(CXTButton, CButton)

DWORD CXTButton::SetXButtonStyle(DWORD dwxStyle, BOOL bRedraw) {
    const DWORD previous = m_dwxStyle;
    m_dwxStyle = dwxStyle;
    if (bRedraw && m_hWnd) {
        Invalidate();
    }
    return previous;
}

void CXTButton::SetColorFace(COLORREF clrFace) {
    m_clrFace = clrFace;
    if (m_hWnd) {
        Invalidate();
    }
}
