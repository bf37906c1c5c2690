#include "platform/tessary/app/DbaseView.h"

#include "platform/tessary/app/DbaseDoc.h"

IMPLEMENT_DYNCREATE(CDbaseView, CView)

BEGIN_MESSAGE_MAP(CDbaseView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

int CDbaseView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    constexpr UINT kGridId = 1234;
    CRect client;
    GetClientRect(&client);
    return m_grid.CreateGrid(WS_CHILD | WS_VISIBLE, client, this, kGridId) ? 0 : -1;
}

void CDbaseView::OnInitialUpdate() {
    m_grid.m_table = dynamic_cast<CDbaseDoc*>(GetDocument());
    CView::OnInitialUpdate();
    m_grid.SetupGrid();
}

void CDbaseView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    if (m_grid.m_hWnd) {
        m_grid.MoveWindow(0, 0, cx, cy);
        m_grid.RedrawAll();
    }
}
