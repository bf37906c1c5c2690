#pragma once
#include "platform/afx/CWnd.h"
#include "platform/afx/res/AfxIds.h"

#include <vector>

// A window split into a fixed grid of panes, each a child whose id follows from its row and
// column. Every row and column but the last gets its ideal size (none when that is below its
// minimum); the last ones take what is left. Panes are kSplitterGap pixels apart.
class CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)

public:
    static constexpr int kMaxPanes = 16;
    static constexpr int kSplitterGap = 4;

    // 1 to 16 rows and columns. The window starts empty; the panes are laid out whenever it is
    // resized (the frame's RecalcLayout sizes it) or RecalcLayout runs.
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);
    // A view of `pViewClass` as the pane, with `sizeInit` as the row's and column's ideal size.
    // FALSE when the pane exists or the view cannot be made.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                            CCreateContext* pContext);

    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const;
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    int GetColumnCount() const { return static_cast<int>(m_cols.size()); }
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    virtual void RecalcLayout();

protected:
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    struct Track {
        int ideal = 0;
        int min = 0;
    };

    std::vector<Track> m_rows;
    std::vector<Track> m_cols;
};
