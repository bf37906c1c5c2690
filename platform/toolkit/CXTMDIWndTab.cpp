#include "platform/toolkit/CXTMDIWndTab.h"

#include "platform/afx/CMDIChildWnd.h"
#include "platform/afx/CPaintDC.h"
#include "platform/toolkit/CXTPTabControl.h"
#include "platform/toolkit/Drawing.h"
#include "platform/toolkit/Strips.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CXTMDIWndTab, CWnd)

BEGIN_MESSAGE_MAP(CXTMDIWndTab, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_SIZEPARENT, &CXTMDIWndTab::OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CXTMDIWndTab::OnIdleUpdate)
END_MESSAGE_MAP()

BOOL CXTMDIWndTab::Install(CMDIFrameWnd* pMDIFrameWnd, DWORD dwTabStyle, BOOL bShowIcons) {
    if (m_hWnd || !pMDIFrameWnd || !pMDIFrameWnd->m_hWndMDIClient ||
        !CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, CRect(),
                  pMDIFrameWnd, 0)) {
        return FALSE;
    }
    m_pFrame = pMDIFrameWnd;
    m_bShowIcons = bShowIcons;
    GetPaintManager()->m_bHotTracking = (dwTabStyle & TCS_HOTTRACK) != 0;
    UpdateTabs();
    m_pFrame->RecalcLayout();
    return TRUE;
}

void CXTMDIWndTab::UnInstall() {
    if (!m_hWnd) {
        return;
    }
    DestroyWindow();
    DeleteAllItems();
    if (m_pFrame && m_pFrame->m_hWnd) {
        m_pFrame->RecalcLayout();
    }
    m_pFrame = nullptr;
}

void CXTMDIWndTab::UpdateTabs() {
    if (!m_pFrame || !::IsWindow(m_pFrame->m_hWndMDIClient)) {
        return;
    }
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(m_pFrame->m_hWndMDIClient, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    for (int index = GetItemCount() - 1; index >= 0; --index) {
        if (std::ranges::find(children, GetItem(index)->GetHandle()) == children.end()) {
            DeleteItem(index);
        }
    }
    for (const HWND child : children) {
        CString title;
        CWnd::FromHandle(child)->GetWindowText(title);
        if (CXTPTabManagerItem* item = FindItem(child)) {
            item->SetCaption(title);
        } else {
            AddItem(GetItemCount(), title, child, -1);
        }
    }
    if (const CMDIChildWnd* active = m_pFrame->MDIGetActive()) {
        if (const CXTPTabManagerItem* item = FindItem(active->m_hWnd)) {
            SetCurSel(item->GetIndex());
        }
    }
}

void CXTMDIWndTab::OnItemsChanged() {
    if (!m_hWnd) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    LayoutRow(CRect(client.left, client.top, client.right, client.top + GetTabRowHeight()));
    Invalidate();
}

HFONT CXTMDIWndTab::GetTabFont() const {
    return hb::toolkit::detail::FontFor(HFONT{});
}

HICON CXTMDIWndTab::GetItemIcon(int nIndex) const {
    const CXTPTabManagerItem* item = GetItem(nIndex);
    if (!m_bShowIcons || !item) {
        return {};
    }
    const LRESULT small = ::SendMessage(item->GetHandle(), WM_GETICON, ICON_SMALL, 0);
    const LRESULT icon = small ? small : ::SendMessage(item->GetHandle(), WM_GETICON, ICON_BIG, 0);
    return hb::win::HandleFromParam<HICON>(static_cast<std::uintptr_t>(icon));
}

void CXTMDIWndTab::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, ::GetSysColor(COLOR_BTNFACE));
    DrawRow(dc, CRect(client.left, client.top, client.right, client.top + GetTabRowHeight()));
    if (m_bShowBorder) {
        dc.DrawEdge(client, EDGE_SUNKEN, BF_RECT);
    }
}

void CXTMDIWndTab::OnSize(UINT, int, int) {
    OnItemsChanged();
}

void CXTMDIWndTab::OnLButtonDown(UINT, CPoint point) {
    const CXTPTabManagerItem* item = GetItem(HitTest(point));
    if (item && m_pFrame) {
        m_pFrame->MDIActivate(CWnd::FromHandle(item->GetHandle()));
        UpdateTabs();
    }
}

void CXTMDIWndTab::OnMouseMove(UINT, CPoint point) {
    if (TrackHot(point)) {
        Invalidate();
    }
}

LRESULT CXTMDIWndTab::OnSizeParent(WPARAM, LPARAM lParam) {
    MoveWindow(hb::toolkit::detail::TakeStrip(*reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam),
                                              hb::toolkit::detail::Edge::Top,
                                              GetTabRowHeight() + m_nBorderGap));
    return 0;
}

LRESULT CXTMDIWndTab::OnIdleUpdate(WPARAM, LPARAM) {
    UpdateTabs();
    return 0;
}
