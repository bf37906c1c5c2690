#include "platform/afx/CFormView.h"

#include "platform/afx/res/TemplateControls.h"
#include "platform/afx/res/TemplateLookup.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

CFormView::CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

BOOL CFormView::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    const hb::afx::DialogTemplate* form = hb::afx::FindDialogTemplate(m_nIDTemplate);
    if (!form || !CScrollView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID,
                                      pContext)) {
        return FALSE;
    }
    if (!hb::afx::CreateTemplateControls(m_hWnd, *form)) {
        DestroyWindow();
        return FALSE;
    }
    const RECT size = hb::afx::DluToPixels({0, 0, form->cx, form->cy});
    SetScrollSizes(MM_TEXT, {size.right, size.bottom});
    return TRUE;
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}
