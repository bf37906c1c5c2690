#include "platform/afx/CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

TOOLINFO ToolFor(const CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFO info;
    const HWND hwnd = pWnd ? pWnd->m_hWnd : HWND{};
    if (nIDTool == 0) {
        info.uFlags = TTF_IDISHWND;
        info.hwnd = ::GetParent(hwnd);
        info.uId = static_cast<UINT_PTR>(hwnd.id());
    } else {
        info.hwnd = hwnd;
        info.uId = nIDTool;
    }
    return info;
}

} // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr, WS_POPUP | dwStyle, 0, 0, 0, 0,
                    pParentWnd ? pParentWnd->m_hWnd : HWND{}, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    if (!pWnd || !pWnd->m_hWnd) {
        return FALSE;
    }
    TOOLINFO info = ToolFor(pWnd, nIDTool);
    if (lpRectTool) {
        info.rect = *lpRectTool;
    }
    info.lpszText = const_cast<LPSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
    const TOOLINFO info = ToolFor(pWnd, nIDTool);
    SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::RelayEvent(MSG* pMsg) {
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
}

void CToolTipCtrl::Activate(BOOL bActivate) {
    SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate));
}
