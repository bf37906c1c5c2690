#include "platform/afx/CControlBar.h"

#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CMiniFrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, &CControlBar::HandleSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::HandleIdleUpdate)
END_MESSAGE_MAP()

CSize CControlBar::CalcFixedLayout(BOOL, BOOL) {
    return {};
}

void CControlBar::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
}

BOOL CControlBar::IsFloating() const {
    const CWnd* holder = GetParent();
    return holder && holder->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd));
}

LRESULT CControlBar::HandleSizeParent(WPARAM, LPARAM lParam) {
    // Its own visibility: the frame may not be shown yet.
    if (!(GetStyle() & WS_VISIBLE)) {
        return 0;
    }
    RECT& room = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam)->rect;
    const bool across = (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) == 0;
    const CSize size = CalcFixedLayout(FALSE, across);
    RECT place = room;
    if (m_dwStyle & CBRS_ALIGN_BOTTOM) {
        place.top = room.bottom = std::max(room.top, room.bottom - size.cy);
    } else if (m_dwStyle & CBRS_ALIGN_LEFT) {
        place.right = room.left = std::min(room.right, room.left + size.cx);
    } else if (m_dwStyle & CBRS_ALIGN_RIGHT) {
        place.left = room.right = std::max(room.left, room.right - size.cx);
    } else if (m_dwStyle & CBRS_ALIGN_TOP) {
        place.bottom = room.top = std::min(room.bottom, room.top + size.cy);
    } else {
        // Not aligned: the bar stays where it is and takes no room.
        return 0;
    }
    MoveWindow(&place);
    return 0;
}

LRESULT CControlBar::HandleIdleUpdate(WPARAM wParam, LPARAM) {
    CFrameWnd* target = DYNAMIC_DOWNCAST(CFrameWnd, GetOwner());
    if (!target) {
        target = GetParentFrame();
    }
    if (target) {
        OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
    }
    return 0;
}
