#include "platform/afx/CButton.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    return CWnd::Create("Button", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

int CButton::GetCheck() const {
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int nCheck) {
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
}

UINT CButton::GetState() const {
    return static_cast<UINT>(SendMessage(BM_GETSTATE));
}

void CButton::SetState(BOOL bHighlight) {
    SendMessage(BM_SETSTATE, static_cast<WPARAM>(bHighlight));
}

HICON CButton::SetIcon(HICON hIcon) {
    return hb::win::HandleFromParam<HICON>(
        static_cast<WPARAM>(SendMessage(BM_SETIMAGE, IMAGE_ICON, hb::win::ParamFromHandle(hIcon))));
}

HICON CButton::GetIcon() const {
    return hb::win::HandleFromParam<HICON>(
        static_cast<WPARAM>(SendMessage(BM_GETIMAGE, IMAGE_ICON)));
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
    SendMessage(BM_SETSTYLE, nStyle, bRedraw);
}
