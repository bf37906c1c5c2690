#include "platform/afx/CStatic.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("Static", lpszText, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon) {
    return hb::win::HandleFromParam<HICON>(
        static_cast<WPARAM>(SendMessage(STM_SETICON, static_cast<WPARAM>(hIcon.id()))));
}

HICON CStatic::GetIcon() const {
    return hb::win::HandleFromParam<HICON>(static_cast<WPARAM>(SendMessage(STM_GETICON)));
}
