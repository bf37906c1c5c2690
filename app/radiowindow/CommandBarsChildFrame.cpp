#include "app/radiowindow/CommandBarsChildFrame.h"

#include "platform/toolkit/CXTPCommandBars.h"

IMPLEMENT_DYNCREATE(CCommandBarsChildFrame, CDeviceFrame)

CCommandBarsChildFrame::~CCommandBarsChildFrame() {
    delete m_pCommandBars;
}

BOOL CCommandBarsChildFrame::InitCommandBars(CRuntimeClass* pCommandBarsClass) {
    delete m_pCommandBars;
    m_pCommandBars = CXTPCommandBars::CreateCommandBars(pCommandBarsClass);
    if (!m_pCommandBars) {
        return FALSE;
    }
    m_pCommandBars->SetSite(this);
    m_pCommandBars->EnableDocking();
    return TRUE;
}

void CCommandBarsChildFrame::LoadCommandBars(LPCSTR lpszProfileName) {
    if (m_pCommandBars) {
        m_pCommandBars->LoadOptions(lpszProfileName);
        m_pCommandBars->LoadBarState(lpszProfileName);
        m_pCommandBars->GetShortcutManager()->LoadShortcuts(lpszProfileName);
    }
}

void CCommandBarsChildFrame::SaveCommandBars(LPCSTR lpszProfileName) {
    if (m_pCommandBars) {
        m_pCommandBars->SaveOptions(lpszProfileName);
        m_pCommandBars->SaveBarState(lpszProfileName);
        m_pCommandBars->GetShortcutManager()->SaveShortcuts(lpszProfileName);
    }
}
