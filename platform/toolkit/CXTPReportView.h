#pragma once
// A view that is one report control (child id 100) filling its client area. It prints the
// report's rows, page after page, through the view's print protocol.
#include "platform/afx/CView.h"
#include "platform/toolkit/CXTPReportControl.h"

inline constexpr UINT XTP_ID_REPORT_CONTROL = 100;

class CXTPReportView : public CView {
    DECLARE_DYNAMIC(CXTPReportView)

public:
    CXTPReportControl& GetReportCtrl() { return m_wndReport; }

protected:
    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

    CXTPReportControl m_wndReport;

private:
    int m_rowsPerPage = 1;
};
