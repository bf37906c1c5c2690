#pragma once
// The core library's grid control: sheets chosen by a tab strip, each with columns and rows of
// cells under one or more heading rows and beside one heading column. It paints only the rows in
// view, keeps a current cell and a selection of cell blocks, and edits a cell in place. Every edit
// ends in OnEditFinish, which decides whether the cell takes the text. A column's heading may
// carry a hint, shown as its tooltip, and the user sizes a column by dragging its heading's right
// border.
#include "platform/afx/CEdit.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CWnd.h"
#include "platform/tessary/grid/UGCell.h"
#include "platform/win/controls/InsetScrollBar.h"

#include <memory>
#include <vector>

class CDC;
class CPrintDialog;

// A file-button cell's button was pressed, or the cell double-clicked.
inline constexpr int UGCT_BUTTONCLICK = 100;
// The drop list's notification: a cell took one of its items.
inline constexpr int UGCT_DROPLISTSELECT = 101;
// A check box changed; the text is its new value.
inline constexpr int UGCT_CHECKBOXSET = 2;

class CUGCtrl : public CWnd {
    DECLARE_DYNAMIC(CUGCtrl)

public:
    CUGCtrl();
    ~CUGCtrl() override;

    BOOL CreateGrid(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Sheets: each keeps its own cells, current cell, selection and scroll place.
    void SetNumberSheets(int count);
    int GetNumberSheets() const { return static_cast<int>(m_sheets.size()); }
    void SetSheetNumber(int sheet);
    int GetSheetNumber() const { return m_sheet; }
    void SetTabName(int sheet, LPCSTR name);
    CString GetTabName(int sheet) const;
    void SetCurrentTab(int tab) { SetSheetNumber(tab); }
    int GetCurrentTab() const { return m_sheet; }

    // Of the current sheet. Rows -1 to -GetTH_NumberRows() are the top headings, upwards; column
    // -1 is the side heading.
    void SetNumberCols(int count);
    int GetNumberCols() const;
    void SetNumberRows(long count);
    long GetNumberRows() const;
    void SetColWidth(int col, int width);
    int GetColWidth(int col) const;
    int GetRowHeight() const { return m_rowHeight; }
    BOOL GetCell(int col, long row, CUGCell* cell) const;
    BOOL SetCell(int col, long row, const CUGCell* cell);
    void QuickSetText(int col, long row, LPCSTR text);
    CString QuickGetText(int col, long row) const;
    // The top heading rows share the heading's height (one row height unless set).
    void SetTH_NumberRows(int count);
    int GetTH_NumberRows() const;
    void SetTH_Height(int height);
    int GetTH_Height() const;
    // Makes the cells of one heading row from c0 to c1 one cell that shows the first; FALSE for
    // cells outside the top headings.
    BOOL JoinCells(int c0, long r0, int c1, long r1);
    // The string resource shown as the tooltip of column `col`'s heading (-1: of the row
    // headings); 0 for none.
    void SetColumnHint(int col, UINT stringId);
    // The grid's own font, as cells are drawn in by default.
    CFont* GetFont() { return &m_font; }

    int GetCurrentCol() const;
    long GetCurrentRow() const;
    // Makes the cell current, alone selected and in view.
    void GotoCell(int col, long row);
    void GotoRow(long row) { GotoCell(GetCurrentCol(), row); }
    long GetTopRow() const;
    bool IsSelected(int col, long row) const;
    // The rows that hold a selected cell, ascending.
    std::vector<long> GetSelectedRows() const;
    // The selection's bounds; false without one.
    bool GetSelectedRange(int* c0, long* r0, int* c1, long* r1) const;
    void SelectRange(int c0, long r0, int c1, long r1);
    // Leaves only the current cell selected.
    void ClearSelection();

    void RedrawAll();
    void RedrawRow(long row);

    // Starts editing the current cell, with the key typed (0 for F2 and double click: the cell's
    // own text).
    BOOL StartEdit(int key = 0);
    // Ends the edit: `commit` offers the text to OnEditFinish, else it is dropped.
    void EndEdit(bool commit);
    CEdit* GetEditCtrl() { return m_edit.m_hWnd ? &m_edit : nullptr; }

    // Printing of the block from (c0, r0) to (c1, r1): the page count, at least 1. Rows or
    // columns below zero print the headings only.
    int PrintInit(CDC* pDC, CPrintDialog* pd, int c0, long r0, int c1, long r1);
    int PrintPage(CDC* pDC, int page);

    // Where a cell shows in the client area (rows in view only; empty otherwise).
    CRect CellRect(int col, long row) const;
    CRect TabRect(int sheet) const;

    // Every change of a cell by the user ends here: non-zero when the cell took the text.
    virtual int OnEditFinish(int col, long row, CWnd* edit, LPCSTR text, BOOL cancel);
    // Drop-list choices, check-box clicks and file buttons.
    virtual void OnCellEvent(int col, long row, int notification, LPCSTR text);
    // A left click on a row's heading: by default the row is selected.
    virtual void OnRowHeadingClick(long row, UINT flags);
    // The user has dragged a column's heading border to give it this width.
    virtual void OnColumnSized(int, int) {}
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    // After the current sheet changed.
    virtual void OnSheetChanged(int) {}

protected:
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL OnHintText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    struct Block {
        int c0, c1;
        long r0, r1;
    };
    struct Sheet {
        CString name;
        int cols = 0;
        long rows = 0;
        std::vector<int> widths;
        // Heading row -1 first, then -2 and so on.
        std::vector<std::vector<CUGCell>> headings{1};
        int headingHeight = 0; // 0: one row height
        std::vector<Block> joins;
        // By column from -1.
        std::vector<UINT> hints{0};
        std::vector<std::vector<CUGCell>> cells;
        int curCol = 0;
        long curRow = 0;
        long topRow = 0;
        int leftCol = 0;
        std::vector<Block> selection;
    };
    struct Hit {
        int col = -2;
        long row = -2;
    };
    class InplaceEdit : public CEdit {
    public:
        explicit InplaceEdit(CUGCtrl& grid) : m_grid(grid) {}

    protected:
        void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
        void OnKillFocus(CWnd* pNewWnd);
        DECLARE_MESSAGE_MAP()

    private:
        CUGCtrl& m_grid;
    };

    Sheet& Current() { return *m_sheets[static_cast<std::size_t>(m_sheet)]; }
    const Sheet& Current() const { return *m_sheets[static_cast<std::size_t>(m_sheet)]; }
    CUGCell* Cell(int col, long row);
    const CUGCell* Cell(int col, long row) const;
    int SideWidth() const;
    CRect CellsArea() const;
    int HeadingRowHeight() const;
    // The join a heading cell belongs to, or null.
    const Block* JoinOf(int col, long row) const;
    // The width of the columns from `first` to `last`.
    LONG ColumnsWidth(int first, int last) const;
    CRect ButtonRect(const CRect& cell) const;
    // The column whose heading's right border lies at the point, or -1.
    int SizingBorderAt(CPoint point) const;
    long RowsInView() const;
    int ColsInView() const;
    void Layout();
    void ScrollRows(long top);
    void ScrollCols(int left);
    void MakeVisible(int col, long row);
    Hit HitTest(CPoint point) const;
    bool ClickScrollBars(CPoint point);
    void Select(const Hit& hit, UINT flags);
    void MoveCurrent(int dc, long dr, bool extend);
    void ToggleCheck(int col, long row);
    void ChooseNextItem(int col, long row);
    void Draw(CDC& dc, const CRect& area, int leftCol, int lastCol, long topRow, long lastRow,
              bool screen);
    void DrawCell(CDC& dc, const CRect& rect, const CUGCell& cell, bool selected, bool heading);
    void DrawHeadings(CDC& dc, const CRect& area, int left, int leftCol, int lastCol);
    void DrawTabs(CDC& dc);

    std::vector<std::unique_ptr<Sheet>> m_sheets;
    int m_sheet = 0;
    CFont m_font;
    CFont m_boldFont;
    int m_rowHeight = 20;
    hb::win::detail::InsetScrollBar m_vscroll;
    hb::win::detail::InsetScrollBar m_hscroll;
    InplaceEdit m_edit{*this};
    int m_editCol = -1;
    long m_editRow = -1;
    bool m_ending = false;
    bool m_dragging = false;
    // The column whose width the user drags, or -1.
    int m_sizingCol = -1;
    CString m_hintText;
    // Printing: the block, and the rows and columns of each page.
    Block m_printBlock{0, -1, 0, -1};
    long m_printRowsPerPage = 1;
    std::vector<std::pair<int, int>> m_printColumnSpans;
};
