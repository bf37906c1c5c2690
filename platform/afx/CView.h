#pragma once
#include "platform/afx/CWnd.h"

class CDC;
class CDocument;
class CPrintInfo;

// A window that shows a document in a frame. It joins the document of its creation context when
// made, leaves it when deleted, and deletes itself once its window is gone. Commands reach it
// before its document. OnInitialUpdate runs once, on the first WM_INITIALUPDATE (the frame's
// initial update sends it to every view).
//
// WM_PAINT prepares a paint DC (OnPrepareDC) and draws the view into it (OnDraw).
//
// Printing (ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, mapped by the views that print) runs
// OnPreparePrinting, OnBeginPrinting, then OnPrepareDC and OnPrint for each page, and
// OnEndPrinting against a recording DC marked as the printer's (see PrintJobs.h).
class CView : public CWnd {
    DECLARE_DYNAMIC(CView)

public:
    CView() = default;
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // OnUpdate(nullptr, 0, nullptr).
    virtual void OnInitialUpdate();
    // Repaints the view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // The activated view takes the focus when its top-level window is the active one.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Draws the view, on the screen or on a printed page.
    virtual void OnDraw(CDC* pDC) = 0;
    // Sets the DC up before OnDraw or OnPrint; pInfo is null on the screen. Does nothing here.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);

    // DoPreparePrinting.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    // The print dialog's hook; FALSE cancels the job.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    // One page: OnDraw.
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    void OnFilePrint();
    void OnFilePrintPreview();

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    void PostNcDestroy() override;

    CDocument* m_pDocument = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    friend class CDocument;

    LRESULT HandleInitialUpdate(WPARAM wParam, LPARAM lParam);
    void Print(bool preview);

    bool m_bInitialUpdateDone = false;
};
