#include "platform/tessary/app/GenericFrame.h"

IMPLEMENT_DYNCREATE(CGenericFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CGenericFrame, CMDIChildWnd)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CGenericFrame::~CGenericFrame() {
    ClearSlot();
}

void CGenericFrame::OnDestroy() {
    ClearSlot();
    CMDIChildWnd::OnDestroy();
}

void CGenericFrame::ClearSlot() {
    if (m_pSlot && *m_pSlot == this) {
        *m_pSlot = nullptr;
    }
    m_pSlot = nullptr;
}
