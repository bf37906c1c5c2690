#pragma once
// A report view that keeps its sort, group and child-record settings in a section its creator
// names, and shows its search bar while it is the active view. The view and its bar know each
// other; whichever goes first unlinks the other.
#include "platform/toolkit/CXTPReportView.h"

class CLogSearchBar;

class CGenericReportView : public CXTPReportView {
    DECLARE_DYNCREATE(CGenericReportView)

public:
    // A view that sorts fills this; this one keeps the rows as they are.
    virtual void ReapplySort(BYTE sort, BOOL force);
    virtual void SetFilterText(LPCSTR text);
    virtual void SetGroup(int group);
    virtual void SetChildRecords(int value);

    CLogSearchBar* m_searchBar = nullptr;
    CString m_section;
    int m_childRecords = 1;
    int m_group = 1;
    BYTE m_sort = 0;
    BYTE m_reverse = 0;

protected:
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnDestroy();

    DECLARE_MESSAGE_MAP()
};
