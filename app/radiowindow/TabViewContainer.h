#pragma once
// A view filled by one tab control, one page window per tab: views it creates from a runtime
// class, or windows handed to it. Choosing a tab makes its page the active view of the frame.
// The pages' windows belong to the container's tab control and go with it; views it created
// delete themselves with their windows. A container created by its runtime class deletes itself
// with its window too; one embedded in a frame is the frame's.

#include "platform/afx/CView.h"
#include "platform/toolkit/CXTPTabControl.h"

struct CCreateContext;

class CTabViewContainer : public CView {
    DECLARE_DYNAMIC(CTabViewContainer)

public:
    static CObject* CreateObject();

    static constexpr UINT kTabControlId = 28507;

    CTabViewContainer() = default;

    // The window becomes the page of a new last tab; a container already initialised sends it
    // its initial update. Returns 1.
    virtual BOOL AddControl(CWnd* pWnd, LPCSTR lpszCaption, int nImage = -1);
    // A new view of the class as the page of a new last tab, with the child id
    // AFX_IDW_PANE_FIRST plus the number of tabs before it; 0 when it cannot be made.
    virtual BOOL AddView(CRuntimeClass* pViewClass, CCreateContext* pContext, LPCSTR lpszCaption,
                         int nImage = -1);
    // The tab goes, with bDestroy its page window too; 0 for an index out of range.
    virtual BOOL RemoveView(int nIndex, BOOL bDestroy);
    // The first tab of the window goes, with bDestroy the window too; 0 when no tab holds it.
    virtual BOOL RemoveView(CWnd* pWnd, BOOL bDestroy);
    // The object of the tab's page, or null.
    virtual CWnd* GetView(int nIndex) const;
    virtual int GetItemCount() const;
    virtual CWnd* GetActiveView() const;
    // -1 without tabs.
    virtual int GetActiveIndex() const;
    // Where the pages show, in the tab control's client coordinates.
    virtual CRect GetTabClientRect() const;
    // Empty for an index out of range.
    virtual CString GetCaption(int nIndex) const;
    virtual void SetCaption(int nIndex, LPCSTR lpszText);
    // Selects the first tab of the window; 0 when no tab holds it.
    virtual BOOL ActivateView(CWnd* pWnd);
    // Selects the tab without notifying; an index out of range is ignored and answered with 0.
    virtual BOOL SetActiveIndex(int nIndex);
    // Runs before a click's selection change takes effect: the document hears of it.
    virtual void OnTabChanged();

    CXTPTabControl& GetTabControl() { return m_tabControl; }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;
    // The tab control covers the whole view.
    void OnDraw(CDC*) override {}
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnDestroy();
    void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    // The tab insertion shared by both ways of adding a page.
    void InsertPage(CWnd* pWnd, LPCSTR lpszCaption, int nImage);
    HWND PageOf(int nIndex) const;

    CXTPTabControl m_tabControl;
    BOOL m_bInitialised = FALSE;
    // Set for a container made by its runtime class.
    bool m_bAutoDelete = false;
};
