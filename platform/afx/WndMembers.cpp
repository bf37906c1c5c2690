#include "platform/afx/CDC.h"
#include "platform/afx/CDataExchange.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/NumberText.h"

#include <cstdio>
#include <optional>
#include <string>

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_hWnd ? ::SendMessage(m_hWnd, message, wParam, lParam) : 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_hWnd ? ::PostMessage(m_hWnd, message, wParam, lParam) : FALSE;
}

CWnd* CWnd::GetParent() const {
    return m_hWnd ? FromHandle(::GetParent(m_hWnd)) : nullptr;
}

BOOL CWnd::IsFrameWnd() const {
    return FALSE;
}

CFrameWnd* CWnd::GetParentFrame() const {
    for (CWnd* wnd = GetParent(); wnd; wnd = wnd->GetParent()) {
        if (wnd->IsFrameWnd()) {
            return DYNAMIC_DOWNCAST(CFrameWnd, wnd);
        }
    }
    return nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return m_hWnd ? FromHandle(::GetDlgItem(m_hWnd, nID)) : nullptr;
}

int CWnd::GetDlgCtrlID() const {
    return m_hWnd ? ::GetDlgCtrlID(m_hWnd) : 0;
}

void CWnd::SetOwner(CWnd* pOwnerWnd) {
    m_hWndOwner = pOwnerWnd ? pOwnerWnd->m_hWnd : HWND{};
}

CWnd* CWnd::GetOwner() const {
    return m_hWndOwner ? FromHandle(m_hWndOwner) : GetParent();
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
    return m_hWnd ? ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer) : 0;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    return m_hWnd ? ::KillTimer(m_hWnd, nIDEvent) : FALSE;
}

void CWnd::Invalidate(BOOL bErase) {
    InvalidateRect(nullptr, bErase);
}

void CWnd::InvalidateRect(const RECT* lpRect, BOOL bErase) {
    if (m_hWnd) {
        ::InvalidateRect(m_hWnd, lpRect, bErase);
    }
}

void CWnd::UpdateWindow() {
    if (m_hWnd) {
        ::UpdateWindow(m_hWnd);
    }
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    return m_hWnd ? ::ShowWindow(m_hWnd, nCmdShow) : FALSE;
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    return m_hWnd ? ::EnableWindow(m_hWnd, bEnable) : FALSE;
}

BOOL CWnd::IsWindowVisible() const {
    return m_hWnd ? ::IsWindowVisible(m_hWnd) : FALSE;
}

BOOL CWnd::IsWindowEnabled() const {
    return m_hWnd ? ::IsWindowEnabled(m_hWnd) : FALSE;
}

CWnd* CWnd::SetFocus() {
    return m_hWnd ? FromHandle(::SetFocus(m_hWnd)) : nullptr;
}

CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}

void CWnd::SetWindowText(LPCSTR lpszString) {
    if (m_hWnd) {
        ::SetWindowText(m_hWnd, lpszString);
    }
}

void CWnd::GetWindowText(CString& rString) const {
    const int length = GetWindowTextLength();
    LPSTR buffer = rString.GetBufferSetLength(length);
    rString.ReleaseBuffer(GetWindowText(buffer, length + 1));
}

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const {
    if (!m_hWnd) {
        if (lpszStringBuf && nMaxCount > 0) {
            *lpszStringBuf = '\0';
        }
        return 0;
    }
    return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
}

int CWnd::GetWindowTextLength() const {
    return m_hWnd ? ::GetWindowTextLength(m_hWnd) : 0;
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    if (m_hWnd) {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
}

void CWnd::MoveWindow(const RECT* lpRect, BOOL bRepaint) {
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    if (!m_hWnd) {
        return FALSE;
    }
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : HWND{}, x, y, cx, cy,
                          nFlags);
}

void CWnd::GetWindowRect(RECT* lpRect) const {
    if (!m_hWnd || !::GetWindowRect(m_hWnd, lpRect)) {
        *lpRect = RECT{};
    }
}

void CWnd::GetClientRect(RECT* lpRect) const {
    if (!m_hWnd || !::GetClientRect(m_hWnd, lpRect)) {
        *lpRect = RECT{};
    }
}

void CWnd::ScreenToClient(POINT* lpPoint) const {
    if (m_hWnd) {
        ::ScreenToClient(m_hWnd, lpPoint);
    }
}

void CWnd::ScreenToClient(RECT* lpRect) const {
    if (m_hWnd) {
        ::MapWindowPoints(HWND{}, m_hWnd, reinterpret_cast<POINT*>(lpRect), 2);
    }
}

void CWnd::ClientToScreen(POINT* lpPoint) const {
    if (m_hWnd) {
        ::ClientToScreen(m_hWnd, lpPoint);
    }
}

void CWnd::ClientToScreen(RECT* lpRect) const {
    if (m_hWnd) {
        ::MapWindowPoints(m_hWnd, HWND{}, reinterpret_cast<POINT*>(lpRect), 2);
    }
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    if (!m_hWnd) {
        return;
    }
    const HWND parent = (GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd) : HWND{};
    const HWND over = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetParent(m_hWnd);
    CRect area;
    if (over && over == parent) {
        ::GetClientRect(over, &area);
        ::MapWindowPoints(over, HWND{}, reinterpret_cast<POINT*>(&area), 2);
    } else if (over) {
        ::GetWindowRect(over, &area);
    } else {
        area.SetRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    CRect rect;
    GetWindowRect(&rect);
    POINT topLeft{area.CenterPoint().x - rect.Width() / 2,
                  area.CenterPoint().y - rect.Height() / 2};
    if (parent) {
        ::ScreenToClient(parent, &topLeft);
    }
    ::SetWindowPos(m_hWnd, HWND{}, topLeft.x, topLeft.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return hb::win::HandleFromParam<HICON>(static_cast<std::uintptr_t>(SendMessage(
        WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, hb::win::ParamFromHandle(hIcon))));
}

HICON CWnd::GetIcon(BOOL bBigIcon) const {
    return hb::win::HandleFromParam<HICON>(
        static_cast<std::uintptr_t>(SendMessage(WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL)));
}

CDC* CWnd::GetDC() {
    return m_hWnd ? CDC::FromHandle(::GetDC(m_hWnd)) : nullptr;
}

int CWnd::ReleaseDC(CDC* pDC) {
    return m_hWnd && pDC ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0;
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    SendMessage(WM_SETFONT, pFont ? static_cast<WPARAM>(pFont->m_hObject.id()) : 0, bRedraw);
}

CFont* CWnd::GetFont() const {
    return CFont::FromHandle(
        hb::win::HandleFromParam<HFONT>(static_cast<std::uintptr_t>(SendMessage(WM_GETFONT))));
}

DWORD CWnd::GetStyle() const {
    return m_hWnd ? static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE)) : 0;
}

DWORD CWnd::GetExStyle() const {
    return m_hWnd ? static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_EXSTYLE)) : 0;
}

namespace {

BOOL ModifyLong(HWND hwnd, int index, DWORD remove, DWORD add, UINT flags) {
    if (!hwnd) {
        return FALSE;
    }
    const auto old = static_cast<DWORD>(::GetWindowLong(hwnd, index));
    const DWORD changed = (old & ~remove) | add;
    if (changed == old) {
        return FALSE;
    }
    ::SetWindowLong(hwnd, index, static_cast<LONG>(changed));
    if (flags) {
        ::SetWindowPos(hwnd, HWND{}, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    }
    return TRUE;
}

} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    if (!m_hWnd) {
        return FALSE;
    }
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const hb::afx::DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::SetDlgItemText(int nID, LPCSTR lpszString) {
    if (m_hWnd) {
        ::SetWindowText(::GetDlgItem(m_hWnd, nID), lpszString);
    }
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
    rString.Empty();
    if (CWnd* item = GetDlgItem(nID)) {
        item->GetWindowText(rString);
    }
    return rString.GetLength();
}

int CWnd::GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const {
    if (lpStr && nMaxCount > 0) {
        *lpStr = '\0';
    }
    return m_hWnd ? ::GetWindowText(::GetDlgItem(m_hWnd, nID), lpStr, nMaxCount) : 0;
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_hWnd ? ::SendMessage(::GetDlgItem(m_hWnd, nID), message, wParam, lParam) : 0;
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
    SendDlgItemMessage(nIDButton, BM_SETCHECK, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
    return static_cast<UINT>(SendDlgItemMessage(nIDButton, BM_GETCHECK));
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) {
    char text[16];
    if (bSigned) {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(nValue));
    } else {
        std::snprintf(text, sizeof text, "%u", nValue);
    }
    SetDlgItemText(nID, text);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
    CString text;
    GetDlgItemText(nID, text);
    std::optional<UINT> value;
    if (!bSigned) {
        value = hb::afx::ParseNumber<UINT>(text.GetString());
    } else if (const auto signedValue = hb::afx::ParseNumber<int>(text.GetString())) {
        value = static_cast<UINT>(*signedValue);
    }
    if (lpTrans) {
        *lpTrans = value.has_value();
    }
    return value.value_or(0);
}
