#include "platform/afx/CMiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BOOL CMiniFrameWnd::Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT) {
    constexpr DWORD kMiniFrameBits = MFS_THICKFRAME | MFS_SYNCACTIVE;
    DWORD style = (dwStyle & ~(kMiniFrameBits | WS_CHILD)) | WS_POPUP;
    if (dwStyle & MFS_THICKFRAME) {
        style |= WS_THICKFRAME;
    }
    CWnd* owner = pParentWnd && pParentWnd->m_hWnd
                      ? CWnd::FromHandle(::GetAncestor(pParentWnd->m_hWnd, GA_ROOT))
                      : nullptr;
    return CFrameWnd::Create(lpClassName, lpWindowName, style, rect, owner, nullptr,
                             WS_EX_TOOLWINDOW);
}
