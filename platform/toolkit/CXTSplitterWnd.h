#pragma once
#include "platform/afx/CSplitterWnd.h"

// Splitter styles: flat bars, drawn without the sunken frame around each pane.
inline constexpr DWORD XT_SPLIT_FLAT = 0x0008;

// A splitter that draws its bars: the gaps in the button face colour, each pane framed sunken
// unless the style is flat.
class CXTSplitterWnd : public CSplitterWnd {
    DECLARE_DYNAMIC(CXTSplitterWnd)

public:
    void SetSplitterStyle(DWORD dwStyle);
    DWORD GetSplitterStyle() const { return m_dwSplitterStyle; }

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    DWORD m_dwSplitterStyle = 0;
};
