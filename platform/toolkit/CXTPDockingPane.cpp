#include "platform/toolkit/CXTPDockingPane.h"

#include "platform/records/ToolkitMessages.h"
#include "platform/toolkit/CXTPDockingPaneManager.h"
#include "platform/toolkit/PaneWindow.h"

#include <utility>

CXTPDockingPane::CXTPDockingPane(CXTPDockingPaneManager& manager, int nID,
                                 XTPDockingPaneDirection direction, CSize size)
    : m_pManager(&manager), m_nID(nID), m_direction(direction), m_size(size),
      m_window(std::make_unique<hb::toolkit::detail::PaneWindow>(*this)) {}

CXTPDockingPane::~CXTPDockingPane() = default;

void CXTPDockingPane::SetTitle(LPCSTR lpszTitle) {
    m_strTitle = lpszTitle;
    m_window->SetWindowText(lpszTitle);
    m_window->Invalidate();
}

void CXTPDockingPane::SetOptions(DWORD dwOptions) {
    m_dwOptions = dwOptions;
    m_window->Invalidate();
}

BOOL CXTPDockingPane::IsValid() const {
    return GetChild() != nullptr;
}

CWnd* CXTPDockingPane::GetChild() const {
    const HWND child = m_window->m_hWnd ? ::GetWindow(m_window->m_hWnd, GW_CHILD) : HWND{};
    return child ? CWnd::FromHandle(child) : nullptr;
}

void CXTPDockingPane::Attach(CWnd* pWnd) {
    if (!pWnd || !pWnd->m_hWnd || !m_window->m_hWnd) {
        return;
    }
    ::SetParent(pWnd->m_hWnd, m_window->m_hWnd);
    pWnd->MoveWindow(m_window->ContentRect());
    pWnd->ShowWindow(SW_SHOW);
}

void CXTPDockingPane::Hide() {
    if (!m_bShown) {
        return;
    }
    m_bShown = false;
    m_bAnnounced = false;
    m_window->ShowWindow(SW_HIDE);
    m_pManager->RecalcFrameLayout(this);
}

void CXTPDockingPane::EnsureVisible() {
    Show();
    Announce();
    m_pManager->RecalcFrameLayout(this);
}

void CXTPDockingPane::Show() {
    if (!m_bShown) {
        m_bShown = true;
        m_bAnnounced = false;
        m_window->ShowWindow(SW_SHOW);
    }
}

void CXTPDockingPane::Announce() {
    CFrameWnd* site = m_pManager->GetSite();
    if (!m_bShown || m_bAnnounced || IsValid() || !site) {
        return;
    }
    m_bAnnounced = true;
    site->SendMessage(WM_DOCKING_PANE_NOTIFY, DOCKING_PANE_SHOW_WINDOW,
                      reinterpret_cast<LPARAM>(this));
}

void CXTPDockingPane::NoteSized() {
    CFrameWnd* site = m_pManager->GetSite();
    if (!site) {
        return;
    }
    XTP_DOCKINGPANE_ACTION action;
    action.action = DOCKING_PANE_ACTION_SIZING;
    action.pane = this;
    const bool wasInLayout = std::exchange(m_pManager->m_bInLayout, true);
    site->SendMessage(WM_DOCKING_PANE_NOTIFY, DOCKING_PANE_ACTION,
                      reinterpret_cast<LPARAM>(&action));
    m_pManager->m_bInLayout = wasInLayout;
}

void CXTPDockingPane::SetMinTrackSize(CSize size) {
    m_minTrack = size;
}

void CXTPDockingPane::SetMaxTrackSize(CSize size) {
    m_maxTrack = size;
}

CRect CXTPDockingPane::GetPaneRect() const {
    if (!m_bShown || !m_window->m_hWnd) {
        return {};
    }
    CRect rect;
    m_window->GetWindowRect(&rect);
    if (CFrameWnd* site = m_pManager->GetSite()) {
        site->ScreenToClient(&rect);
    }
    return rect;
}
