#pragma once
// A report: columns over records, shown as rows. Populate builds the rows from the visible
// records that match the filter text, sorted by the sort columns and, when the header shows
// items in groups, under group rows of the first group column. A click on a cell tells the parent
// (XTP_NM_REPORT_ITEMCLICK); a click on an editable cell opens an edit over it, and Enter there
// hands the text to the item and tells the parent (XTP_NM_REPORT_VALUECHANGED).
#include "platform/afx/CImageList.h"
#include "platform/afx/CWnd.h"
#include "platform/toolkit/CXTPReportColumns.h"
#include "platform/toolkit/CXTPReportHeader.h"
#include "platform/toolkit/CXTPReportInplaceEdit.h"
#include "platform/toolkit/CXTPReportPaintManager.h"
#include "platform/toolkit/CXTPReportRecords.h"
#include "platform/toolkit/CXTPReportRow.h"
#include "platform/win/controls/InsetScrollBar.h"

#include <memory>
#include <string>
#include <vector>

class CXTPReportControl : public CWnd {
    DECLARE_DYNAMIC(CXTPReportControl)

public:
    CXTPReportControl();
    ~CXTPReportControl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    CXTPReportColumn* AddColumn(CXTPReportColumn* pColumn) { return m_columns.Add(pColumn); }
    CXTPReportColumns* GetColumns() { return &m_columns; }
    CXTPReportRecords* GetRecords() { return &m_records; }
    CXTPReportRecord* AddRecord(CXTPReportRecord* pRecord) { return m_records.Add(pRecord); }
    CXTPReportHeader* GetReportHeader() { return &m_header; }
    CXTPReportPaintManager* GetPaintManager() { return m_paintManager.get(); }
    // Takes the manager.
    void SetPaintManager(CXTPReportPaintManager* pPaintManager);
    void SetGridStyle(BOOL vertical, XTPReportGridStyle style);
    // The images of the cells' icons; the list stays the caller's.
    void SetImageList(CImageList* pImageList);

    void Populate();
    void SetFilterText(LPCSTR text) { m_strFilterText = text ? text : ""; }
    const CString& GetFilterText() const { return m_strFilterText; }
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    CXTPReportRow* GetRow(int index) const;
    // Repaints; the rows stay as they are.
    void RedrawControl();

    // Draws the header and the rows from `firstRow` that fit in `rect`; returns the first row that
    // did not fit (the row count when all did).
    int DrawRows(CDC& dc, const CRect& rect, int firstRow);

    // The in-place edit ends: with `apply` its text goes to the item.
    void EndEdit(bool apply);

    // Test hooks. Each row as text: a group row "[caption]", a record row its visible cells'
    // captions joined by " | ".
    std::vector<std::string> RowTexts();
    // A click in the middle of a cell, by row and column list index, scrolled into view first.
    void ClickCell(int row, int column);
    // A click on the cell, then the text typed into its edit and Enter.
    void EditCell(int row, int column, LPCSTR text);
    CEdit* GetInplaceEdit() { return m_edit.m_hWnd ? &m_edit : nullptr; }
    int GetTopRowIndex() const { return m_scroll.pos; }

protected:
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    LRESULT OnVScroll(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    struct CellHit {
        int row = -1;
        CXTPReportColumn* column = nullptr;
        CRect rect;
    };

    bool Matches(CXTPReportRecord& record) const;
    void SortRecords(std::vector<CXTPReportRecord*>& records);
    // Column widths, fitted to the width when the header sizes them.
    std::vector<int> ColumnWidths() const;
    CRect RowsArea() const;
    int RowsPerPage() const;
    void UpdateScroll();
    void ScrollTo(int top);
    CellHit HitTest(CPoint point) const;
    CRect CellRect(int row, int column) const;
    void DrawRow(CDC& dc, CXTPReportRow& row, const CRect& rect, const std::vector<int>& widths);
    LRESULT Notify(UINT code, CXTPReportRow* row, CXTPReportRecordItem* item,
                   CXTPReportColumn* column, CPoint point);
    void BeginEdit(const CellHit& hit);

    CXTPReportColumns m_columns;
    CXTPReportRecords m_records;
    CXTPReportHeader m_header;
    std::unique_ptr<CXTPReportPaintManager> m_paintManager;
    std::vector<std::unique_ptr<CXTPReportRow>> m_rows;
    CString m_strFilterText;
    HIMAGELIST m_images{};
    hb::win::detail::InsetScrollBar m_scroll;
    CXTPReportInplaceEdit m_edit{*this};
    // The cell being edited, by its record and column.
    CXTPReportRecord* m_editRecord = nullptr;
    CXTPReportColumn* m_editColumn = nullptr;
    bool m_ending = false;
};
