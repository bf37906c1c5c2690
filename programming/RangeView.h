#pragma once
// The editor view of a search range document: the range's settings on an object grid that fills
// the view, with filling from the band table, the radio-type change and the lock-out map.
#include "platform/afx/CView.h"
#include "platform/tessary/grid/ObjectGrid.h"

class CRangeDoc;

class CRangeView : public CView {
    DECLARE_DYNCREATE(CRangeView)

public:
    CRangeDoc* GetRangeDoc() const;
    CObjectGrid& GetGrid() { return m_grid; }

    void OnInitialUpdate() override;

protected:
    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnFillFromBandTable();
    void OnChangeRadioType();
    void OnLockOutMap();

    DECLARE_MESSAGE_MAP()

private:
    CObjectGrid m_grid;
    CRect m_printRect;
    bool m_printing = false;
    int m_page = 0;
};
