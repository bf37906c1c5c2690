#include "programming/DbaseFrame.h"

#include "platform/tessary/app/DbaseView.h"
#include "programming/FrameToolBar.h"

IMPLEMENT_DYNCREATE(CDbaseFrame, CMDIChildFrame)

BEGIN_MESSAGE_MAP(CDbaseFrame, CMDIChildFrame)
ON_COMMAND(1642, &CDbaseFrame::OnRereadTable)
END_MESSAGE_MAP()

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

void CDbaseFrame::OnRereadTable() {
    auto* view = dynamic_cast<CDbaseView*>(GetActiveView());
    if (CDbaseGrid* grid = view ? view->GetGrid() : nullptr) {
        grid->Reread(grid->GetCurrentTab(), 1);
    }
}
