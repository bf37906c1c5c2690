#pragma once
#include "platform/afx/CWnd.h"
#include "platform/afx/Position.h"

class CHeaderCtrl;
class CImageList;

// A list view ("SysListView32") in report view. Rows and columns count from 0; a row's sub-item
// 0 is its first column's text.
class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // These return the new column's index, or -1.
    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    // A width of -1 leaves the column 0 wide; a sub-item of -1 makes it the column's index.
    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    BOOL SetColumnWidth(int nCol, int cx);
    int GetColumnWidth(int nCol) const;

    // These return the new row's index, or -1.
    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCSTR lpszItem);
    int InsertItem(int nItem, LPCSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                   LPARAM lParam);
    BOOL SetItem(const LVITEM* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    BOOL GetItem(LVITEM* pItem) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    // Copies at most nLen - 1 characters; returns how many.
    int GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;

    // LVIS_SELECTED, LVIS_FOCUSED; nItem -1 changes every row.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    // The next row after nItem (-1: from the top) with the LVNI_* states; -1 for none.
    int GetNextItem(int nItem, int nFlags) const;
    // The selected rows in order: null when none is selected.
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    UINT GetSelectedCount() const;
    int GetSelectionMark() const;
    // Returns the mark before.
    int SetSelectionMark(int iIndex);
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);

    // LVSIL_SMALL is the one report view draws; returns the list before.
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;
    // LVS_EX_*; returns the style before.
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    DWORD GetExtendedStyle() const;
    BOOL SetTextColor(COLORREF cr);
    COLORREF GetTextColor() const;
    BOOL SetTextBkColor(COLORREF cr);
    COLORREF GetTextBkColor() const;
    BOOL SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const;
    CHeaderCtrl* GetHeaderCtrl() const;
};
