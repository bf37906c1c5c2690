#pragma once
#include "platform/afx/CWnd.h"

// A "Button" control: push button, check box, radio button or group box.
class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)

public:
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const;
    void SetCheck(int nCheck);
    // The check with BST_PUSHED and BST_FOCUS.
    UINT GetState() const;
    void SetState(BOOL bHighlight);
    // The icon a BS_ICON button shows; returns the one it replaces.
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
    // The type: BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_CHECKBOX, ...
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
};
