#pragma once
#include "platform/afx/CEdit.h"
#include "platform/afx/CListBox.h"
#include "platform/afx/CStatic.h"

// A list box whose items the user adds, renames and deletes in place: Insert adds an item and
// edits its label, a double click edits an item's label, Delete removes the selected item. Enter
// ends a label edit and Esc cancels it. The parent hears each step through WM_COMMAND with the
// codes of ToolkitMessages.h; GetCurrentIndex names the item concerned meanwhile.
class CXTEditListBox : public CListBox {
    DECLARE_DYNAMIC(CXTEditListBox)

public:
    // A caption line above the list, which gives up the room for it.
    void SetListEditStyle(LPCSTR lpszTitle, DWORD dwxStyle = 0);
    // The item of the last edit, insert or delete.
    int GetCurrentIndex() const { return m_nIndex; }

    // Adds an empty item at the end and edits its label; it is new (EDITLIST_NEW_ITEM) once the
    // label is entered, and goes again when the edit is cancelled or left empty.
    void EditNewItem();
    void EditItem(int nIndex);
    // The selected item: the parent is told (EDITLIST_DELETE_ITEM) before it goes.
    void DeleteItem();
    // The in-place edit while a label is edited, else null.
    CEdit* GetEditControl() { return m_edit.m_hWnd ? &m_edit : nullptr; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    void EndLabelEdit(bool cancel);
    void Notify(UINT code);
    void SetItemText(int nIndex, const CString& text);

    CEdit m_edit;
    CStatic m_title;
    int m_nIndex = -1;
    bool m_bNewItem = false;
    bool m_bEnding = false;
};
