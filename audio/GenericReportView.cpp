#include "audio/GenericReportView.h"

#include "audio/LogSearchBar.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/win/core/Hooks.h"

IMPLEMENT_DYNCREATE(CGenericReportView, CXTPReportView)

BEGIN_MESSAGE_MAP(CGenericReportView, CXTPReportView)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

CScanApp* App() {
    return CScanApp::GetScanApp();
}

} // namespace

void CGenericReportView::OnInitialUpdate() {
    CXTPReportView::OnInitialUpdate();
    if (CScanApp* app = App()) {
        m_childRecords = app->GetProfileIntA(m_section, "ChildRecords", 1);
        m_group = app->GetProfileIntA(m_section, "Group", 1);
        m_sort = static_cast<BYTE>(app->GetProfileIntA(m_section, "Sort", 0));
        m_reverse = static_cast<BYTE>(app->GetProfileIntA(m_section, "Reverse", 0));
    }
}

void CGenericReportView::OnActivateView(BOOL bActivate, CView* pActivateView,
                                        CView* pDeactiveView) {
    CXTPReportView::OnActivateView(bActivate, pActivateView, pDeactiveView);
    if (!m_searchBar || !m_searchBar->GetSafeHwnd()) {
        return;
    }
    if (bActivate) {
        m_searchBar->ShowWindow(SW_SHOW);
    } else if (pDeactiveView == this) {
        m_searchBar->ShowWindow(SW_HIDE);
    }
}

void CGenericReportView::OnDestroy() {
    if (m_searchBar) {
        m_searchBar->m_view = nullptr;
        if (m_searchBar->GetSafeHwnd()) {
            m_searchBar->ShowWindow(SW_HIDE);
        }
        m_searchBar = nullptr;
    }
    CXTPReportView::OnDestroy();
}

void CGenericReportView::ReapplySort(BYTE, BOOL) {}

void CGenericReportView::SetFilterText(LPCSTR text) {
    hb::win::BeginWaitCursor();
    const CString wanted = text ? text : "";
    if (wanted.CompareNoCase(m_wndReport.GetFilterText()) != 0) {
        m_wndReport.SetFilterText(wanted);
        m_wndReport.Populate();
    }
    hb::win::EndWaitCursor();
}

void CGenericReportView::SetGroup(int group) {
    hb::win::BeginWaitCursor();
    m_group = group;
    m_wndReport.GetReportHeader()->ShowItemsInGroups(group != 0);
    if (CScanApp* app = App()) {
        app->WriteProfileInt(m_section, "Group", group);
    }
    ReapplySort(m_sort, TRUE);
    hb::win::EndWaitCursor();
}

void CGenericReportView::SetChildRecords(int value) {
    if (value == m_childRecords) {
        return;
    }
    m_childRecords = value;
    m_wndReport.GetPaintManager()->m_bChildRecords = value != 0;
    if (CScanApp* app = App()) {
        app->WriteProfileInt(m_section, "ChildRecords", value);
    }
    ReapplySort(m_sort, TRUE);
}
