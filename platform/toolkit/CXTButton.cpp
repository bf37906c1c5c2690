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

void CXTButton::SetChecked(BOOL bChecked) {
    m_bChecked = bChecked ? TRUE : FALSE;
    if (m_hWnd) {
        ::SendMessage(m_hWnd, BM_SETCHECK, m_bChecked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void CXTButton::RedrawNoErase() {
    if (m_hWnd) {
        Invalidate(FALSE);
    }
}
