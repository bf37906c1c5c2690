#include "app/Wizard.h"

#include "platform/afx/CWnd.h"
#include "platform/win/core/MessageBox.h"

CWizard::CWizard(int, CWnd* parent, CRig*) : m_parent(parent) {}

int CWizard::DoModal() {
    MessageBox(m_parent ? m_parent->m_hWnd : HWND{},
               "The setup wizard is not available in this version of Halbridge Pro.",
               "Setup Wizard", MB_OK | MB_ICONINFORMATION);
    return IDCANCEL;
}
