#include "platform/afx/CSpinButtonCtrl.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(UPDOWN_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::SetRange(short nLower, short nUpper) {
    SendMessage(UDM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(nUpper), static_cast<WORD>(nLower)));
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) {
    SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
}

void CSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const {
    nLower = 0;
    nUpper = 0;
    SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower),
                reinterpret_cast<LPARAM>(&nUpper));
}

int CSpinButtonCtrl::SetPos(int nPos) {
    return static_cast<int>(SendMessage(UDM_SETPOS32, 0, nPos));
}

int CSpinButtonCtrl::GetPos() const {
    return static_cast<int>(SendMessage(UDM_GETPOS32));
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) {
    const LRESULT previous = SendMessage(UDM_SETBUDDY, pWndBuddy ? pWndBuddy->m_hWnd.id() : 0);
    return FromHandle(hb::win::HwndFromParam(static_cast<WPARAM>(previous)));
}

CWnd* CSpinButtonCtrl::GetBuddy() const {
    return FromHandle(hb::win::HwndFromParam(static_cast<WPARAM>(SendMessage(UDM_GETBUDDY))));
}
