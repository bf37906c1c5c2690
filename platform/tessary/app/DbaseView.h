#pragma once
// The view of a database document: its table on a grid that fills the view.
#include "platform/afx/CView.h"
#include "platform/tessary/grid/DbaseGrid.h"

class CDbaseDoc;

class CDbaseView : public CView {
    DECLARE_DYNCREATE(CDbaseView)

public:
    // Null until the grid's window is made.
    CDbaseGrid* GetGrid() { return m_grid.m_hWnd ? &m_grid : nullptr; }

    void OnInitialUpdate() override;

protected:
    void OnDraw(CDC*) override {}
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    CDbaseGrid m_grid;
};
