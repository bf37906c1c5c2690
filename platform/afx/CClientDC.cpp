#include "platform/afx/CClientDC.h"

#include "platform/afx/CWnd.h"

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : HWND{}) {
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC() {
    if (m_hDC) {
        ::ReleaseDC(m_hWnd, Detach());
    }
}
