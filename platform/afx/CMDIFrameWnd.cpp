#include "platform/afx/CMDIFrameWnd.h"

#include "platform/afx/CDocument.h"
#include "platform/afx/CMDIChildWnd.h"
#include "platform/afx/WindowFaults.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*) {
    return CreateClient(lpcs, GetWindowMenuPopup(::GetMenu(m_hWnd)));
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, HMENU hWindowMenu) {
    CRect client;
    GetClientRect(&client);
    if (hb::afx::detail::TakeChildWindowFault(AFX_IDW_PANE_FIRST)) {
        return FALSE;
    }
    CLIENTCREATESTRUCT ccs{hWindowMenu, AFX_IDM_FIRST_MDICHILD};
    m_hWndMDIClient = ::CreateWindowEx(
        WS_EX_CLIENTEDGE, MDICLIENT_CLASS, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
        client.Width(), client.Height(), m_hWnd, AFX_IDW_PANE_FIRST, &ccs);
    return m_hWndMDIClient ? TRUE : FALSE;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU menu) {
    const int count = ::GetMenuItemCount(menu);
    for (int index = 0; index < count; ++index) {
        const HMENU popup = ::GetSubMenu(menu, index);
        const int items = ::GetMenuItemCount(popup);
        for (int item = 0; popup && item < items; ++item) {
            const UINT id = ::GetMenuItemID(popup, item);
            if (id >= ID_WINDOW_NEW && id <= ID_WINDOW_SPLIT) {
                return popup;
            }
        }
    }
    return {};
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        return ::DefFrameProc(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
    }
    return CFrameWnd::DefWindowProc(message, wParam, lParam);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const {
    if (pbMaximized) {
        *pbMaximized = FALSE;
    }
    if (!m_hWndMDIClient) {
        return nullptr;
    }
    const LRESULT active =
        ::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(pbMaximized));
    return DYNAMIC_DOWNCAST(CMDIChildWnd, FromHandlePermanent(hb::win::HwndFromParam(
                                              static_cast<std::uintptr_t>(active))));
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate) {
    if (pWndActivate) {
        ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE,
                      static_cast<WPARAM>(hb::win::ParamFromHwnd(pWndActivate->m_hWnd)), 0);
    }
}

void CMDIFrameWnd::MDINext() {
    ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd) {
    if (pWnd) {
        ::SendMessage(m_hWndMDIClient, WM_MDIMAXIMIZE,
                      static_cast<WPARAM>(hb::win::ParamFromHwnd(pWnd->m_hWnd)), 0);
    }
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd) {
    if (pWnd) {
        ::SendMessage(m_hWndMDIClient, WM_MDIRESTORE,
                      static_cast<WPARAM>(hb::win::ParamFromHwnd(pWnd->m_hWnd)), 0);
    }
}

void CMDIFrameWnd::MDITile(int nType) {
    ::SendMessage(m_hWndMDIClient, WM_MDITILE, static_cast<WPARAM>(nType), 0);
}

void CMDIFrameWnd::MDICascade() {
    ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
    CMDIChildWnd* child = MDIGetActive();
    return child ? static_cast<CFrameWnd*>(child) : this;
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if (!(GetStyle() & FWS_ADDTOTITLE)) {
        return;
    }
    CString name;
    if (CMDIChildWnd* child = MDIGetActive(); bAddToTitle && child) {
        const CDocument* doc = child->GetActiveDocument();
        name = doc ? doc->GetTitle() : child->GetTitle();
    }
    UpdateFrameTitleForDocument(name.IsEmpty() ? nullptr : name.GetString());
    // The window list shows the children's titles as they are now.
    if (m_hWndMDIClient) {
        ::SendMessage(m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) {
        return TRUE;
    }
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) {
        return FALSE;
    }
    if (::TranslateMDISysAccel(m_hWndMDIClient, pMsg)) {
        return TRUE;
    }
    const CMDIChildWnd* child = MDIGetActive();
    if (child && child->m_hAccelTable &&
        ::TranslateAccelerator(m_hWnd, child->m_hAccelTable, pMsg)) {
        return TRUE;
    }
    return m_hAccelTable && ::TranslateAccelerator(m_hWnd, m_hAccelTable, pMsg);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CMDIChildWnd* child = MDIGetActive();
        child && RouteThroughChild(child, nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
