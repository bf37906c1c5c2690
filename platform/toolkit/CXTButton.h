#pragma once
#include "platform/afx/CButton.h"

// A push button of the older toolkit family: it keeps an extended style, a face colour and
// whether it follows the system's visual style. It paints as the plain button does.
class CXTButton : public CButton {
    DECLARE_DYNAMIC(CXTButton)

public:
    DWORD GetXButtonStyle() const { return m_dwxStyle; }
    DWORD SetXButtonStyle(DWORD dwxStyle, BOOL bRedraw = TRUE);
    BOOL GetUseVisualStyle() const { return m_bUseVisualStyle; }
    void SetUseVisualStyle(BOOL bUse) { m_bUseVisualStyle = bUse; }
    COLORREF GetColorFace() const { return m_clrFace; }
    void SetColorFace(COLORREF clrFace);

private:
    DWORD m_dwxStyle = 0;
    BOOL m_bUseVisualStyle = TRUE;
    COLORREF m_clrFace = 0;
};
