#include "platform/toolkit/CXTPMDIFrameWnd.h"

#include "platform/afx/CMDIChildWnd.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/CXTPMenuBar.h"

IMPLEMENT_DYNCREATE(CXTPMDIFrameWnd, CMDIFrameWnd)

CXTPMDIFrameWnd::~CXTPMDIFrameWnd() {
    delete m_pCommandBars;
}

BOOL CXTPMDIFrameWnd::InitCommandBars(CRuntimeClass* pCommandBarsClass) {
    delete m_pCommandBars;
    m_pCommandBars = CXTPCommandBars::CreateCommandBars(
        pCommandBarsClass ? pCommandBarsClass : RUNTIME_CLASS(CXTPCommandBars));
    if (!m_pCommandBars) {
        return FALSE;
    }
    m_pCommandBars->SetSite(this);
    m_pCommandBars->EnableDocking();
    return TRUE;
}

void CXTPMDIFrameWnd::LoadCommandBars(LPCSTR lpszProfileName) {
    if (m_pCommandBars) {
        m_pCommandBars->LoadOptions(lpszProfileName);
        m_pCommandBars->LoadBarState(lpszProfileName);
    }
}

void CXTPMDIFrameWnd::SaveCommandBars(LPCSTR lpszProfileName) {
    if (m_pCommandBars) {
        m_pCommandBars->SaveOptions(lpszProfileName);
        m_pCommandBars->SaveBarState(lpszProfileName);
        m_pCommandBars->GetShortcutManager()->SaveShortcuts(lpszProfileName);
    }
}

void CXTPMDIFrameWnd::OnUpdateFrameMenu() {
    CXTPMenuBar* menuBar = m_pCommandBars ? m_pCommandBars->GetMenuBar() : nullptr;
    if (menuBar) {
        const CMDIChildWnd* child = MDIGetActive();
        menuBar->ShowDocumentMenu(child ? child->GetSharedMenuId() : 0);
    }
}

BOOL CXTPMDIFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (CMDIFrameWnd::PreTranslateMessage(pMsg)) {
        return TRUE;
    }
    return pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_pCommandBars &&
           m_pCommandBars->GetShortcutManager()->TranslateAccelerator(m_hWnd, pMsg);
}
