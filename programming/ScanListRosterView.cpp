#include "programming/ScanListRosterView.h"

#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "programming/ViewIcon.h"
#include "resources/program/ScanListIds.h"

IMPLEMENT_DYNCREATE(CScanListRosterView, CScanListView)

BEGIN_MESSAGE_MAP(CScanListRosterView, CScanListView)
ON_WM_CREATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

constexpr UINT kGridId = 1234;

} // namespace

int CScanListRosterView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CScanListView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    m_grid.m_doc = GetRosterDoc();
    m_grid.CreateGrid(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), this, kGridId);
    hb::programming::SetViewIcon(*this, hb::resources::scanlist::kIcon);
    return 0;
}

void CScanListRosterView::OnSize(UINT nType, int cx, int cy) {
    CScanListView::OnSize(nType, cx, cy);
    if (m_grid.m_hWnd) {
        m_grid.MoveWindow(0, 0, cx, cy);
        m_grid.RedrawAll();
    }
}

void CScanListRosterView::OnInitialUpdate() {
    CScanListView::OnInitialUpdate();
    m_grid.SetupColumns();
}

void CScanListRosterView::Refresh() {
    OnInitialUpdate();
}

void CScanListRosterView::OpenFile(CString fileName) {
    OpenScanList(fileName);
}

int CScanListRosterView::ChooseNewGroup() {
    return 1;
}

int CScanListRosterView::OpenGroup() {
    return 1;
}

CGrid* CScanListRosterView::GetGrid() {
    return &m_grid;
}

void CScanListRosterView::OpenScanList(const CString& fileName) {
    CRosterDoc* doc = GetRosterDoc();
    if (!doc) {
        return;
    }
    doc->ShareClose(nullptr);
    doc->GetRoster()->Unload();
    // Without a path of its own the list would be written nowhere.
    if (!doc->GetPathName().IsEmpty()) {
        doc->OnSaveDocument(doc->GetPathName());
    }
    CString path = fileName;
    CScanApp::GetScanApp()->MakeDocPath(path);
    if (doc->OnOpenDocument(path)) {
        doc->SetModifiedFlag(TRUE);
    } else {
        // The list stays the one it was, with its files read again.
        doc->GetRoster()->Load(0);
        MessageBeep(MB_ICONASTERISK);
    }
    m_grid.SetupColumns();
}
