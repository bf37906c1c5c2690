#pragma once
#include "platform/afx/CFont.h"

// Settings the toolkit's windows share. Its one object is XTAuxData().
class CXTAuxData {
public:
    // The toolkit's windows draw their text with a copy of this font unless they are given their
    // own (WM_SETFONT); with none they use the default GUI font. Bars docked at a side would take
    // the vertical font; all bars here lie along the top or the bottom.
    void SetGlobalFont(CFont* pFont, CFont* pVertFont = nullptr);
    // The global font, or null.
    HFONT GetGlobalFont() const { return HFONT(m_font.m_hObject); }

private:
    CFont m_font;
};

CXTAuxData& XTAuxData();
