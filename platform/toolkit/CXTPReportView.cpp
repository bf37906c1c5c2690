#include "platform/toolkit/CXTPReportView.h"

#include "platform/afx/CPrintInfo.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTPReportView, CView)

BEGIN_MESSAGE_MAP(CXTPReportView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

int CXTPReportView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    CRect client;
    GetClientRect(&client);
    return m_wndReport.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, client, this,
                              XTP_ID_REPORT_CONTROL)
               ? 0
               : -1;
}

void CXTPReportView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    if (m_wndReport.m_hWnd) {
        m_wndReport.MoveWindow(0, 0, cx, cy);
    }
}

void CXTPReportView::OnSetFocus(CWnd*) {
    if (m_wndReport.m_hWnd) {
        m_wndReport.SetFocus();
    }
}

BOOL CXTPReportView::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CXTPReportView::OnDraw(CDC*) {}

BOOL CXTPReportView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

void CXTPReportView::OnBeginPrinting(CDC*, CPrintInfo* pInfo) {
    CXTPReportPaintManager& paint = *m_wndReport.GetPaintManager();
    m_rowsPerPage =
        std::max(1, (pInfo->m_rectDraw.Height() - paint.GetHeaderHeight()) / paint.GetRowHeight());
    const int rows = m_wndReport.GetRowCount();
    pInfo->SetMaxPage(static_cast<UINT>(std::max(1, (rows + m_rowsPerPage - 1) / m_rowsPerPage)));
}

void CXTPReportView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    m_wndReport.DrawRows(*pDC, pInfo->m_rectDraw,
                         static_cast<int>(pInfo->m_nCurPage - 1) * m_rowsPerPage);
}
