#include "platform/toolkit/CXTListView.h"

IMPLEMENT_DYNAMIC(CXTListView, CView)

BEGIN_MESSAGE_MAP(CXTListView, CView)
ON_WM_PAINT()
ON_WM_DESTROY()
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CXTListView::OnCustomDrawRows)
END_MESSAGE_MAP()

BOOL CXTListView::PreCreateWindow(CREATESTRUCT& cs) {
    cs.lpszClass = WC_LISTVIEW;
    return CView::PreCreateWindow(cs);
}

void CXTListView::OnDraw(CDC*) {}

BOOL CXTListView::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return CXTListBase::OnNotify(wParam, lParam, pResult);
}

void CXTListView::OnPaint() {
    Default();
}

void CXTListView::OnDestroy() {
    CXTListBase::OnDestroy();
    CView::OnDestroy();
}

void CXTListView::OnCustomDrawRows(NMHDR* pNMHDR, LRESULT* pResult) {
    OnCustomDraw(pNMHDR, pResult);
}
