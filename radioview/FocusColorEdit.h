#pragma once
// The keypad entry field of the radio panels: white while it has the keyboard focus, the menu
// colour otherwise, so the user sees where typed digits go. The normal colour is the system's
// menu colour when the field is made; later changes to the system colours leave it alone.

#include "platform/afx/CBrush.h"
#include "platform/afx/CEdit.h"

class CFocusColorEdit : public CEdit {
public:
    CFocusColorEdit();

    BOOL IsFocused() const { return m_focused != 0; }
    COLORREF GetNormalColor() const { return m_normalColor; }

protected:
    // Reflected from the parent.
    void OnSetFocusReflect();
    void OnKillFocusReflect();
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

private:
    BOOL m_focused = FALSE;
    COLORREF m_focusedColor;
    COLORREF m_normalColor;
    // Made by the constructor; their wrappers delete them with the field.
    CBrush m_focusedBrush;
    CBrush m_normalBrush;
};
