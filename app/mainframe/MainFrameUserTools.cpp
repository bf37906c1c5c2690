// The user tools on the Main tool bar, and running one.
#include "app/mainframe/ControlTools.h"
#include "app/mainframe/CustomizePageTools.h"
#include "app/mainframe/MainFrame.h"
#include "app/mainframe/UserTool.h"
#include "platform/toolkit/CXTPCommandBar.h"
#include "platform/toolkit/CXTPCustomizeSheet.h"
#include "platform/toolkit/CXTPToolBar.h"
#include "platform/win/sys/Shell.h"

void CMainFrame::AddUserToolsPlace() {
    if (!m_pMainToolBar) {
        return;
    }
    CXTPControls* controls = m_pMainToolBar->GetControls();
    for (int index = 0; CXTPControl* control = controls->GetAt(index); ++index) {
        if (control->GetClassName() == CControlTools::kClassName) {
            return;
        }
    }
    controls->Add(std::make_unique<CControlTools>())->SetBeginGroup(TRUE);
}

BOOL CMainFrame::OnUserTool(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* notify = reinterpret_cast<const NMXTPCONTROL*>(pNMHDR);
    // A button made before the list was last rebuilt names a record that is gone.
    const CUserTool* tool =
        notify->pControl
            ? hb::app::FindUserTool(reinterpret_cast<const void*>(notify->pControl->GetTag()))
            : nullptr;
    if (!tool) {
        return FALSE;
    }
    ShellExecute({}, "open", tool->m_strCommand, tool->m_strArguments, tool->m_strInitialDirectory,
                 SW_SHOW);
    *pResult = 1;
    return TRUE;
}

LRESULT CMainFrame::OnCustomizeSheet(WPARAM, LPARAM lParam) {
    if (auto* sheet = reinterpret_cast<CXTPCustomizeSheet*>(lParam)) {
        sheet->AddOwnedPage(std::make_unique<CCustomizePageTools>());
    }
    return 0;
}
