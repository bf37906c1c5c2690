#include "programming/DbaseFrame.h"

#include "programming/FrameToolBar.h"

IMPLEMENT_DYNCREATE(CDbaseFrame, CMDIChildFrame)

BOOL CDbaseFrame::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                         const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
    if (!CMDIChildFrame::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd,
                                pContext)) {
        return FALSE;
    }
    constexpr UINT kDatabaseToolBar = 27347;
    hb::programming::MakeFrameToolBar(*this, m_wndToolBar, kDatabaseToolBar, "Database Tools");
    return TRUE;
}
