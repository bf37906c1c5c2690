#pragma once
#include "platform/afx/CView.h"
#include "platform/toolkit/CXTListBase.h"

// A view that is a list view window ("SysListView32"), with the toolkit's list base. The list
// paints itself; OnDraw does nothing unless a derived view draws.
class CXTListView : public CView, public CXTListBase {
    DECLARE_DYNAMIC(CXTListView)

public:
    CXTListView() : CXTListBase(static_cast<CWnd&>(*this)) {}

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC* pDC) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    void OnPaint();
    // The header is let go, then the view's own handling.
    void OnDestroy();
    void OnCustomDrawRows(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};
