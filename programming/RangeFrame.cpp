#include "programming/RangeFrame.h"

#include "programming/FrameToolBar.h"

IMPLEMENT_DYNCREATE(CRangeFrame, CMDIChildFrame)

BEGIN_MESSAGE_MAP(CRangeFrame, CMDIChildFrame)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

constexpr UINT kRangeToolBar = 27355;
constexpr LPCSTR kLayout = "RangeToolBar";

} // namespace

BOOL CRangeFrame::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                         const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
    if (!CMDIChildFrame::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd,
                                pContext)) {
        return FALSE;
    }
    // The view exists already: failing now would delete the document under it.
    if (hb::programming::MakeFrameToolBar(*this, m_wndToolBar, kRangeToolBar, "Range Tools")) {
        hb::programming::RestoreFrameLayout(*this, kLayout);
    }
    return TRUE;
}

void CRangeFrame::OnDestroy() {
    if (m_wndToolBar.m_hWnd) {
        hb::programming::SaveFrameLayout(*this, kLayout);
    }
    CMDIChildFrame::OnDestroy();
}
