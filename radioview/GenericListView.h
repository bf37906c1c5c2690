#pragma once
// The base of the report lists shown in the radio window's tabs. Every list looks the same: grid
// lines, full-row selection, the first 100 rows in the application's two list colours, the
// application's font. The subclass makes the columns, counting them in m_columnCount, and names
// the profile section under which their widths are kept when the view closes. Clicks on the
// headings are swallowed: no list sorts. Printing draws the list as it shows on the screen.

#include "platform/afx/CFont.h"
#include "platform/toolkit/CXTListView.h"

class CGenericListView : public CXTListView {
    DECLARE_DYNCREATE(CGenericListView)

public:
    CGenericListView() = default;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Draws only onto the printer: the list paints itself there as on the screen.
    void OnDraw(CDC* pDC) override;

    CString m_section;
    CString m_description;

protected:
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // Saves the column widths while the columns are still there.
    void OnDestroy();

    // The setting, in m_section, that keeps the width of the column.
    static CString WidthEntry(int column);

    // Both made from the application's font at each initial update.
    CFont m_listFont;
    CFont m_boldFont;
    // The page being printed and its drawing area.
    CRect m_printArea;
    UINT m_printedPage = 0;
    BOOL m_printing = FALSE;
    int m_columnCount = 0;
    // The rows, from the top, that take the alternating colours.
    int m_rowColorCount = 100;

    DECLARE_MESSAGE_MAP()

private:
    void SaveColumnWidths();
};
