#include "platform/toolkit/CXTPReportInplaceEdit.h"

#include "platform/toolkit/CXTPReportControl.h"

BEGIN_MESSAGE_MAP(CXTPReportInplaceEdit, CEdit)
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CXTPReportInplaceEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_RETURN || nChar == VK_ESCAPE) {
        m_control.EndEdit(nChar == VK_RETURN);
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CXTPReportInplaceEdit::OnKillFocus(CWnd* pNewWnd) {
    CEdit::OnKillFocus(pNewWnd);
    m_control.EndEdit(false);
}
