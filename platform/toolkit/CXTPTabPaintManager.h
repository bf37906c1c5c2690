#pragma once
#include "platform/win/WinTypes.h"

// How a row of tabs looks. There is one plain look: the appearance and the colour choice are
// kept for those who ask. Hot tracking shows the tab under the mouse highlighted; a bold
// selection draws the selected tab's caption in bold.
class CXTPTabPaintManager {
public:
    void SetAppearance(int nAppearance) { m_nAppearance = nAppearance; }
    int GetAppearance() const { return m_nAppearance; }
    void DisableLunaColors(BOOL bDisable) { m_bLunaColorsDisabled = bDisable; }
    BOOL IsLunaColorsDisabled() const { return m_bLunaColorsDisabled; }

    BOOL m_bHotTracking = FALSE;
    BOOL m_bBoldSelected = FALSE;

private:
    int m_nAppearance = 0;
    BOOL m_bLunaColorsDisabled = FALSE;
};
