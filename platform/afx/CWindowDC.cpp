#include "platform/afx/CWindowDC.h"

#include "platform/afx/CWnd.h"

IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : HWND{}) {
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC() {
    if (m_hDC) {
        ::ReleaseDC(m_hWnd, Detach());
    }
}
