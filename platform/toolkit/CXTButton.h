#pragma once
#include "platform/afx/CButton.h"

// A push button of the older toolkit family: it keeps an extended style, a second style flag, a
// face colour, whether it follows the system's visual style, and a checked flag of its own that
// the button's face shows. It paints as the plain button does.
class CXTButton : public CButton {
    DECLARE_DYNAMIC(CXTButton)

public:
    DWORD GetXButtonStyle() const { return m_dwxStyle; }
    DWORD SetXButtonStyle(DWORD dwxStyle, BOOL bRedraw = TRUE);
    DWORD GetXButtonFlags() const { return m_dwxFlags; }
    void SetXButtonFlags(DWORD dwxFlags) { m_dwxFlags = dwxFlags; }
    BOOL GetUseVisualStyle() const { return m_bUseVisualStyle; }
    void SetUseVisualStyle(BOOL bUse) { m_bUseVisualStyle = bUse; }
    COLORREF GetColorFace() const { return m_clrFace; }
    void SetColorFace(COLORREF clrFace);
    BOOL GetChecked() const { return m_bChecked; }
    // Keeps the flag and shows it on the button, which is not repainted yet.
    void SetChecked(BOOL bChecked);
    // Paints the face again over what is there, without erasing the background first.
    void RedrawNoErase();

private:
    DWORD m_dwxStyle = 0;
    DWORD m_dwxFlags = 0;
    BOOL m_bUseVisualStyle = TRUE;
    COLORREF m_clrFace = 0;
    BOOL m_bChecked = FALSE;
};
