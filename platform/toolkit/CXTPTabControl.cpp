#include "platform/toolkit/CXTPTabControl.h"

#include "platform/afx/CPaintDC.h"
#include "platform/toolkit/Drawing.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTPTabControl, CWnd)

BEGIN_MESSAGE_MAP(CXTPTabControl, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_SETFONT, &CXTPTabControl::OnSetFont)
ON_MESSAGE(WM_GETFONT, &CXTPTabControl::OnGetFont)
END_MESSAGE_MAP()

BOOL CXTPTabControl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!CreateEx(0, nullptr, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID)) {
        return FALSE;
    }
    GetPaintManager()->m_bHotTracking = (dwStyle & TCS_HOTTRACK) != 0;
    return TRUE;
}

CXTPTabManagerItem* CXTPTabControl::InsertItem(int nItem, LPCSTR lpszItem, HWND hwndChild,
                                               int nImage) {
    if (hwndChild) {
        ::ShowWindow(hwndChild, SW_HIDE);
    }
    return AddItem(nItem, lpszItem, hwndChild, nImage);
}

CRect CXTPTabControl::GetPageRect() const {
    CRect client;
    GetClientRect(&client);
    client.top = std::min<LONG>(client.top + GetTabRowHeight(), client.bottom);
    return client;
}

void CXTPTabControl::Reposition() {
    if (!m_hWnd) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    LayoutRow(CRect(client.left, client.top, client.right, GetPageRect().top));
    if (const CXTPTabManagerItem* selected = GetSelectedItem(); selected && selected->GetHandle()) {
        const CRect page = GetPageRect();
        ::MoveWindow(selected->GetHandle(), page.left, page.top, page.Width(), page.Height(), TRUE);
    }
    Invalidate();
}

void CXTPTabControl::OnSelectionChanged() {
    const CXTPTabManagerItem* selected = GetSelectedItem();
    for (int index = 0; const CXTPTabManagerItem* item = GetItem(index); ++index) {
        if (item != selected && item->GetHandle()) {
            ::ShowWindow(item->GetHandle(), SW_HIDE);
        }
    }
    if (selected && selected->GetHandle()) {
        ::ShowWindow(selected->GetHandle(), SW_SHOW);
    }
}

HFONT CXTPTabControl::GetTabFont() const {
    return hb::toolkit::detail::FontFor(m_font);
}

void CXTPTabControl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawRow(dc, CRect(client.left, client.top, client.right, GetPageRect().top));
}

void CXTPTabControl::OnSize(UINT, int, int) {
    Reposition();
}

void CXTPTabControl::OnLButtonDown(UINT, CPoint point) {
    const int hit = HitTest(point);
    if (hit < 0 || hit == GetCurSel() || Notify(TCN_SELCHANGING) != 0) {
        return;
    }
    SetCurSel(hit);
    Notify(TCN_SELCHANGE);
}

void CXTPTabControl::OnMouseMove(UINT, CPoint point) {
    if (TrackHot(point)) {
        Invalidate();
    }
}

LRESULT CXTPTabControl::Notify(UINT code) {
    const HWND parent = ::GetParent(m_hWnd);
    NMHDR header{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), code};
    return parent ? ::SendMessage(parent, WM_NOTIFY, static_cast<WPARAM>(header.idFrom),
                                  reinterpret_cast<LPARAM>(&header))
                  : 0;
}

LRESULT CXTPTabControl::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_font = hb::win::HandleFromParam<HFONT>(wParam);
    Reposition();
    if (lParam) {
        UpdateWindow();
    }
    return 0;
}

LRESULT CXTPTabControl::OnGetFont(WPARAM, LPARAM) {
    return static_cast<LRESULT>(hb::win::ParamFromHandle(m_font));
}
