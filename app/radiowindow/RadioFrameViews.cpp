// The radio window's commands that open other windows or change how it shows: sweep windows, the
// history, diagnostics, the activity log, the radio's group settings, the view type and the bar
// lock.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/EngineView.h"
#include "app/rig/Rig.h"
#include "platform/afx/CCmdUI.h"
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CWinApp.h"
#include "platform/tessary/app/RadioGroupSettings.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Roster.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/CXTPToolBar.h"
#include "platform/win/core/MessageBox.h"
#include "radioview/HistView.h"
#include "radioview/RadioView.h"
#include "resources/ResourceIds.h"

namespace {

using Kind = hb::records::ObjectKind;

constexpr UINT kFirstBandScope = 27024;
constexpr UINT kDiagnosticsControl = 27523;
constexpr LPCSTR kViewTypeChanged = "The view type for this radio has been changed, but will not "
                                    "take effect until this window is closed and re-opened.";

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

CDocTemplate* FindTemplate(UINT resourceId) {
    CWinApp* app = AfxGetApp();
    POSITION position = app->GetFirstDocTemplatePosition();
    while (position) {
        CDocTemplate* found = app->GetNextDocTemplate(position);
        if (found && found->m_nIDResource == resourceId) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

void CRadioFrame::OnOpenSweepWindow(UINT nID) {
    if (!m_rig) {
        return;
    }
    CRig::s_selection[0] = m_rig;
    m_skipStartPair = 0xFF;
    m_rig->m_opener = nID;
    CDocTemplate* sweep =
        FindTemplate(nID >= kFirstBandScope ? IDR_BAND_SCOPE : IDR_SPECTRUM_ANALYZER);
    // Without a sweep window the radio stays with this window, and its next start must send the
    // start pair.
    if (!sweep || !sweep->OpenDocumentFile(nullptr, TRUE)) {
        m_skipStartPair = 0;
    }
}

void CRadioFrame::OnClearHistory() {
    if (m_historyView) {
        m_historyView->ClearHistory();
    }
}

void CRadioFrame::AddDiagnosticsTab(LPCSTR caption, CRig* rig, CEngineView*& view) {
    const int next = m_tabs.GetItemCount();
    m_tabs.AddView(RUNTIME_CLASS(CEngineView), nullptr, caption, -1);
    view = DYNAMIC_DOWNCAST(CEngineView, m_tabs.GetView(next));
    if (view) {
        view->m_rig = rig;
    }
}

void CRadioFrame::OnDiagnostics() {
    if (!m_searchDiagnostics) {
        AddDiagnosticsTab(m_rig2 ? "Monitor Diagnostics" : "Search Diagnostics", m_rig,
                          m_searchDiagnostics);
    }
    if (m_rig2 && !m_monitorDiagnostics) {
        AddDiagnosticsTab("Search Diagnostics", m_rig2, m_monitorDiagnostics);
    }
    if (CWnd* control = m_frontPanel ? m_frontPanel->GetDlgItem(kDiagnosticsControl) : nullptr) {
        control->ShowWindow(SW_SHOW);
    }
}

void CRadioFrame::OnActivityLog() {
    m_activityLog.DoModal();
}

void CRadioFrame::OnRadioGlobalSettings() {
    CRosterDoc* doc = ScanListDoc();
    Roster* roster = doc ? doc->GetRoster() : nullptr;
    if (!roster || roster->entries().empty() || !m_rig) {
        return;
    }
    const RosterEntry& entry = *roster->entries().front();
    if (entry.tag != static_cast<std::uint32_t>(Kind::Group) || !entry.object()) {
        return;
    }
    if (CRadioGroupSettings(entry.object(), m_rig->m_radio, this).Run() == 1) {
        doc->SetModifiedFlag(TRUE);
    }
}

void CRadioFrame::ChangeViewType(std::uint8_t viewType, LPCSTR caption) {
    m_rig->m_view_type = viewType;
    App().WriteProfileInt(m_rig->m_section, "ViewType", viewType);
    MessageBeep(MB_ICONASTERISK);
    MessageBox(m_hWnd, kViewTypeChanged, caption, MB_ICONASTERISK);
}

void CRadioFrame::OnViewTypeScan() {
    if (!m_rig || m_rig->m_trunk) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    ChangeViewType(0, "View Type Changed to Scan");
}

void CRadioFrame::OnViewTypeBrowse() {
    if (m_rig) {
        ChangeViewType(1, "View Type Changed to Browse");
    }
}

void CRadioFrame::OnViewType2() {
    // A trunk radio always shows the standard view.
    if (!m_rig || m_rig->m_trunk) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    ChangeViewType(2, "View Type Changed to Browse");
}

void CRadioFrame::OnUpdateViewTypeScan(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_viewType == 0 ? 1 : 0);
}

void CRadioFrame::OnUpdateViewTypeBrowse(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_viewType == 1 ? 1 : 0);
}

void CRadioFrame::OnUpdateViewType2(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_viewType == 2 ? 1 : 0);
}

void CRadioFrame::OnToolBarLock() {
    if (!m_rig) {
        return;
    }
    m_toolBarLock = m_toolBarLock ? FALSE : TRUE;
    App().WriteProfileInt(m_rig->m_section, "ToolBarLock", m_toolBarLock);
    // Trunk and compact windows have no bars: only the setting changes.
    if (!m_scanToolBar) {
        return;
    }
    GetCommandBars()->EnableCustomization(m_toolBarLock ? FALSE : TRUE);
    m_scanToolBar->OnInitialUpdate();
    m_scanToolBar->DelayRedraw();
    if (m_toolBarLock) {
        SaveCommandBars(m_rig->m_section);
    }
}

void CRadioFrame::OnUpdateToolBarLock(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_toolBarLock ? 1 : 0);
}
