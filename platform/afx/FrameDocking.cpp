#include "platform/afx/CControlBar.h"
#include "platform/afx/CDockState.h"
#include "platform/afx/CException.h"
#include "platform/afx/CFrameWnd.h"

namespace {

struct DockEdge {
    UINT dockBar;
    DWORD align;
};

// In the order a bar docks when no edge is named.
constexpr DockEdge kEdges[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT},
};

DWORD AlignOf(UINT dockBar) {
    for (const DockEdge& edge : kEdges) {
        if (edge.dockBar == dockBar) {
            return edge.align;
        }
    }
    return 0;
}

} // namespace

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
    m_dwDockSides = dwDockStyle & CBRS_ALIGN_ANY;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID) {
    if (!pBar || !pBar->m_hWnd) {
        return;
    }
    const DWORD allowed = pBar->m_dwDockStyle & m_dwDockSides;
    if (nDockBarID == 0) {
        for (const DockEdge& edge : kEdges) {
            if (allowed & edge.align) {
                nDockBarID = edge.dockBar;
                break;
            }
        }
    }
    const DWORD align = AlignOf(nDockBarID);
    if (!(allowed & align)) {
        return;
    }
    pBar->m_nDockBarID = nDockBarID;
    pBar->m_pDockSite = this;
    pBar->m_dwStyle = (pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | align;
    RecalcLayout();
    pBar->Invalidate();
}

CControlBar* CFrameWnd::FindDockedBar(UINT nBarID) const {
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        auto* bar = DYNAMIC_DOWNCAST(CControlBar, CWnd::FromHandlePermanent(child));
        if (bar && bar->m_nDockBarID != 0 && static_cast<UINT>(bar->GetDlgCtrlID()) == nBarID) {
            return bar;
        }
    }
    return nullptr;
}

void CFrameWnd::GetDockState(CDockState& state) const {
    state.Clear();
    state.m_sizeScreen = CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const auto* bar = DYNAMIC_DOWNCAST(CControlBar, CWnd::FromHandlePermanent(child));
        if (!bar || bar->m_nDockBarID == 0) {
            continue;
        }
        // Its own visibility: the frame may be hidden while it goes.
        CRect place;
        bar->GetWindowRect(&place);
        ScreenToClient(&place);
        state.m_arrBarInfo.push_back({static_cast<UINT>(bar->GetDlgCtrlID()),
                                      (bar->GetStyle() & WS_VISIBLE) != 0, FALSE, place.TopLeft(),
                                      bar->m_nDockBarID});
    }
}

void CFrameWnd::SetDockState(const CDockState& state) {
    // Every bar is checked before any moves: a state that cannot be applied leaves all as it was.
    for (const CDockBarInfo& info : state.m_arrBarInfo) {
        const CControlBar* bar = FindDockedBar(info.nBarID);
        if (!bar) {
            throw CException("The saved layout names a bar this window lacks.");
        }
        if (info.bFloating || (info.nDockBarID != 0 &&
                               !(bar->m_dwDockStyle & m_dwDockSides & AlignOf(info.nDockBarID)))) {
            throw CException("The saved layout places a bar where it cannot dock.");
        }
    }
    for (const CDockBarInfo& info : state.m_arrBarInfo) {
        CControlBar* bar = FindDockedBar(info.nBarID);
        bar->ShowWindow(info.bVisible ? SW_SHOW : SW_HIDE);
        DockControlBar(bar, info.nDockBarID ? info.nDockBarID : bar->m_nDockBarID);
    }
    RecalcLayout();
}
