#include "platform/afx/CScrollView.h"

#include "platform/afx/CDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
ON_WM_MOUSEWHEEL()
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

constexpr int kWheelLines = 3;

// A tenth of `size`, at least one unit.
CSize Tenth(const SIZE& size) {
    return {std::max(size.cx / 10, 1), std::max(size.cy / 10, 1)};
}

} // namespace

void CScrollView::SetScrollSizes(int, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine) {
    m_totalSize = sizeTotal;
    m_pageSize = sizePage.cx || sizePage.cy ? CSize(sizePage) : Tenth(sizeTotal);
    m_lineSize = sizeLine.cx || sizeLine.cy ? CSize(sizeLine) : Tenth(m_pageSize);
    ScrollToPosition(m_position);
}

void CScrollView::ScrollToPosition(POINT pt) {
    CRect client;
    GetClientRect(&client);
    const CPoint target(
        std::clamp<LONG>(pt.x, 0, std::max<LONG>(m_totalSize.cx - client.Width(), 0)),
        std::clamp<LONG>(pt.y, 0, std::max<LONG>(m_totalSize.cy - client.Height(), 0)));
    const int dx = target.x - m_position.x;
    const int dy = target.y - m_position.y;
    if (dx == 0 && dy == 0) {
        return;
    }
    m_position = target;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        CRect rect;
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(HWND{}, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        ::MoveWindow(child, rect.left - dx, rect.top - dy, rect.Width(), rect.Height(), TRUE);
    }
    Invalidate();
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    CView::OnPrepareDC(pDC, pInfo);
    if (!pDC->IsPrinting()) {
        pDC->SetViewportOrg(-m_position.x, -m_position.y);
    }
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint) {
    CRect client;
    GetClientRect(&client);
    const int notches = zDelta * kWheelLines;
    CPoint target = m_position;
    if (m_totalSize.cy > client.Height()) {
        target.y -= notches * m_lineSize.cy / WHEEL_DELTA;
    } else if (m_totalSize.cx > client.Width()) {
        target.x -= notches * m_lineSize.cx / WHEEL_DELTA;
    } else {
        return FALSE;
    }
    const CPoint before = m_position;
    ScrollToPosition(target);
    return m_position != before;
}

void CScrollView::OnSize(UINT, int, int) {
    ScrollToPosition(m_position);
}
