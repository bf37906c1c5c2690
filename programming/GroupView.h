#pragma once
// The editor view of a group document: the group's grid, made by the radio model, filling the
// view, with the editing, group and printing commands.
#include "platform/afx/CView.h"

#include <memory>

class CGrid;
class CGroupDoc;
class CGroupGrid;

// Sent to the group view for its grid: the grid gets the same message, the view becomes active.
inline constexpr UINT WM_GROUP_GRID_FORWARD = 0x7B00;

class CGroupView : public CView {
    DECLARE_DYNCREATE(CGroupView)

public:
    CGroupView();
    ~CGroupView() override;

    CGrid* GetGrid() const { return m_grid.get(); }
    CGroupDoc* GetGroupDoc() const;

    void OnInitialUpdate() override;
    // After the group changed outside the grid (a transfer): the grid shows it again.
    void RefreshGrid();
    // Forwards to the grid and activates this view.
    virtual LRESULT ForwardToGrid(WPARAM wParam, LPARAM lParam);

protected:
    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnEditClear();
    void OnEditClearAll();
    void OnEditSelectAll();
    void OnDeselectAll();
    void OnEditFind();
    void OnEditReplace();
    void OnEditChangeColor(UINT nID);
    void OnInsertRowAfter() { InsertRow(FALSE); }
    void OnInsertRowBefore() { InsertRow(TRUE); }
    void OnRenumber();
    void OnSortByFrequency();
    void OnSortByName();
    void OnElementCommand(UINT nID);
    void OnToggleFixed();
    void OnUpdateToggleFixed(CCmdUI* pCmdUI);
    void OnChangeRadioType();
    void OnRadioGlobalSettings();
    void OnResetStatistics(UINT nID);
    void OnCloneRows();
    LRESULT OnGridForward(WPARAM wParam, LPARAM lParam);
    // The grid's menu, with the current sheet's element commands, where the user clicked.
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // True, after telling the user, when the group's organisation is fixed.
    bool RefusedAsFixed(UINT text);
    void InsertRow(BOOL before);
    CGroupGrid* GetGroupGrid() const;

    std::unique_ptr<CGrid> m_grid;
    bool m_printing = false;
    int m_page = 0;
};
