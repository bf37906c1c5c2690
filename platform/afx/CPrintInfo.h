#pragma once
#include "platform/afx/CRect.h"

// One print job's state as the view sees it. Without a maximum page only the first page prints.
class CPrintInfo {
public:
    static constexpr UINT kUnknownPage = 0xFFFF;

    void SetMinPage(UINT nMinPage) { m_nMinPage = nMinPage; }
    void SetMaxPage(UINT nMaxPage) { m_nMaxPage = nMaxPage; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }

    BOOL m_bPreview = FALSE;
    // A view may clear it to end the job after the current page.
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    // The printable area of the page, in the printer DC's coordinates.
    CRect m_rectDraw;
    LPVOID m_lpUserData = nullptr;

private:
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = kUnknownPage;
};
