#pragma once
#include "platform/afx/CWnd.h"

// A "ComboBox" control. Indexes are 0-based; CB_ERR for a bad index, no match or no window.
class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // At the end, or in order with CBS_SORT; returns the index.
    int AddString(LPCSTR lpszString);
    // At nIndex (-1: the end), never sorted.
    int InsertString(int nIndex, LPCSTR lpszString);
    // Returns the number of strings left.
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    // -1 clears the selection; an index out of range keeps it and returns CB_ERR.
    int SetCurSel(int nSelect);
    int GetLBText(int nIndex, LPSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    DWORD_PTR GetItemData(int nIndex) const;
    // The first string after nStartAfter (-1: from the top, wrapping round) that starts with the
    // text, or is it, ignoring case.
    int FindString(int nStartAfter, LPCSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    // Selects what FindString finds; returns its index.
    int SelectString(int nStartAfter, LPCSTR lpszString);
    void ShowDropDown(BOOL bShowIt = TRUE);
    BOOL GetDroppedState() const;

private:
    // The message's answer, or CB_ERR while the wrapper has no window.
    int Indexed(UINT message, WPARAM wParam, LPARAM lParam) const;
};
