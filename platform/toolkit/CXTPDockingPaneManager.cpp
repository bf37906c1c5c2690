#include "platform/toolkit/CXTPDockingPaneManager.h"

#include "platform/toolkit/CXTPDockingPaneLayout.h"
#include "platform/toolkit/PaneWindow.h"

#include <algorithm>

CXTPDockingPaneManager::CXTPDockingPaneManager() = default;

CXTPDockingPaneManager::~CXTPDockingPaneManager() = default;

BOOL CXTPDockingPaneManager::InstallDockingPanes(CFrameWnd* pSite, BOOL) {
    if (!pSite || !pSite->m_hWnd) {
        return FALSE;
    }
    m_pSite = pSite;
    return TRUE;
}

CXTPDockingPane* CXTPDockingPaneManager::CreatePane(UINT nID, CRect rc,
                                                    XTPDockingPaneDirection direction,
                                                    CXTPDockingPane*) {
    if (!m_pSite || FindPane(static_cast<int>(nID))) {
        return nullptr;
    }
    std::unique_ptr<CXTPDockingPane> pane(
        new CXTPDockingPane(*this, static_cast<int>(nID), direction, rc.Size()));
    if (!pane->m_window->Create(m_pSite)) {
        return nullptr;
    }
    m_panes.push_back(std::move(pane));
    RecalcFrameLayout(m_panes.back().get());
    return m_panes.back().get();
}

CXTPDockingPane* CXTPDockingPaneManager::FindPane(int nID) const {
    const auto found =
        std::ranges::find_if(m_panes, [nID](const auto& pane) { return pane->GetID() == nID; });
    return found != m_panes.end() ? found->get() : nullptr;
}

std::vector<CXTPDockingPane*> CXTPDockingPaneManager::GetPaneList() const {
    std::vector<CXTPDockingPane*> panes;
    for (const auto& pane : m_panes) {
        panes.push_back(pane.get());
    }
    return panes;
}

void CXTPDockingPaneManager::ShowPane(int nID) {
    if (CXTPDockingPane* pane = FindPane(nID)) {
        pane->EnsureVisible();
    }
}

void CXTPDockingPaneManager::GetLayout(CXTPDockingPaneLayout* pLayout) const {
    if (!pLayout) {
        return;
    }
    std::vector<CXTPDockingPaneLayout::PaneState> states;
    for (const auto& pane : m_panes) {
        states.push_back(
            {pane->GetID(), pane->GetDirection(), pane->GetSize(), pane->IsHidden() != FALSE});
    }
    pLayout->SetPanes(std::move(states));
}

void CXTPDockingPaneManager::SetLayout(const CXTPDockingPaneLayout* pLayout) {
    if (!pLayout) {
        return;
    }
    for (const auto& state : pLayout->GetPanes()) {
        CXTPDockingPane* pane = FindPane(state.id);
        if (!pane) {
            continue;
        }
        pane->m_direction = static_cast<XTPDockingPaneDirection>(state.direction);
        pane->m_size = state.size;
        if (state.hidden) {
            pane->Hide();
        } else {
            // Its content, if missing, is asked for at the next idle time.
            pane->Show();
        }
    }
    RecalcFrameLayout(nullptr);
}

void CXTPDockingPaneManager::RecalcFrameLayout(CXTPDockingPane* pPane, BOOL bDelay) {
    if (!m_pSite || !m_pSite->m_hWnd) {
        return;
    }
    if (bDelay) {
        m_pSite->DelayRecalcLayout();
    } else if (m_bInLayout) {
        // Only a pane's notification runs within a layout: there is a pane to post to.
        CXTPDockingPane* poster = pPane ? pPane : m_panes.front().get();
        poster->m_window->PostMessage(hb::toolkit::detail::WM_PANE_RELAYOUT);
    } else {
        m_pSite->RecalcLayout();
        // What a pane left, took or gave up shows anew: moving windows marks nothing dirty.
        ::RedrawWindow(m_pSite->m_hWnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

void CXTPDockingPaneManager::RedrawPanes() {
    for (const auto& pane : m_panes) {
        if (!pane->IsHidden()) {
            ::RedrawWindow(pane->m_window->m_hWnd, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
    }
}
