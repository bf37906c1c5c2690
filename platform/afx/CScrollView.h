#pragma once
#include "platform/afx/CSize.h"
#include "platform/afx/CView.h"

inline constexpr int WHEEL_DELTA = 120;

// A view larger than its window, shown from a scroll position. Scrolling moves the child windows
// with the contents, and the screen DC's origin follows the scroll position. The wheel scrolls
// three lines a notch, vertically when the contents are taller than the window, else horizontally.
class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)

public:
    static constexpr SIZE sizeDefault{0, 0};

    // Only MM_TEXT. A default page is a tenth of the total size, a default line a tenth of the
    // page.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CSize GetTotalSize() const { return m_totalSize; }
    CPoint GetScrollPosition() const { return m_position; }
    // Kept within the contents.
    void ScrollToPosition(POINT pt);

    // On the screen the viewport origin moves by the scroll position; a printed page is not
    // scrolled.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

protected:
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    CSize m_totalSize;
    CSize m_pageSize;
    CSize m_lineSize;
    CPoint m_position;
};
