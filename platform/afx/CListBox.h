#pragma once
#include "platform/afx/CWnd.h"

// A "ListBox" control. Indexes are 0-based; LB_ERR for a bad index or no window.
class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // At the end; returns the index.
    int AddString(LPCSTR lpszString);
    // At nIndex (-1: the end).
    int InsertString(int nIndex, LPCSTR lpszString);
    // Returns the number of strings left.
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetCount() const;
    // -1 without a selection.
    int GetCurSel() const;
    // -1 clears the selection.
    int SetCurSel(int nSelect);
    void GetText(int nIndex, CString& rString) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    // LB_ERR (as the unsigned value) for a bad index.
    DWORD_PTR GetItemData(int nIndex) const;
    int GetItemRect(int nIndex, LPRECT lpRect) const;

private:
    // The message's answer, or LB_ERR while the wrapper has no window.
    int Indexed(UINT message, WPARAM wParam, LPARAM lParam) const;
};
