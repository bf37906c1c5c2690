#pragma once
#include "platform/afx/CWnd.h"
#include "platform/toolkit/CXTPTabManager.h"

// Tab control notifications to the parent (WM_NOTIFY with an NMHDR): before a click changes the
// selection (a non-zero answer keeps it), and after.
inline constexpr UINT TCN_SELCHANGE = static_cast<UINT>(-551);
inline constexpr UINT TCN_SELCHANGING = static_cast<UINT>(-552);

inline constexpr DWORD TCS_HOTTRACK = 0x0040;

// A row of tabs over a page area. Each tab holds a window: the selected tab's window fills the
// page area and shows, the others are hidden. The control never destroys those windows; whoever
// made them does. A click on a tab selects it, with TCN_SELCHANGING and TCN_SELCHANGE to the
// parent; SetCurSel changes the selection without them.
class CXTPTabControl : public CWnd, public CXTPTabManager {
    DECLARE_DYNAMIC(CXTPTabControl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // At nItem (clamped); a window given is hidden unless its tab is selected.
    CXTPTabManagerItem* InsertItem(int nItem, LPCSTR lpszItem, HWND hwndChild = HWND{},
                                   int nImage = -1);
    // The area the pages fill, below the tabs, in the control's client coordinates.
    CRect GetPageRect() const;
    // Lays the tabs and the selected page out again and repaints.
    void Reposition();

protected:
    void OnItemsChanged() override { Reposition(); }
    void OnSelectionChanged() override;
    HFONT GetTabFont() const override;

    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The parent's answer to the notification.
    LRESULT Notify(UINT code);

    HFONT m_font;
};
