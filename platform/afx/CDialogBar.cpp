#include "platform/afx/CDialogBar.h"

#include "platform/afx/CCmdUI.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/afx/res/TemplateControls.h"
#include "platform/afx/res/TemplateLookup.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID) {
    if (m_hWnd || !pParentWnd || !pParentWnd->m_hWnd || !IS_INTRESOURCE(lpszTemplateName)) {
        return FALSE;
    }
    const auto templateId = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(lpszTemplateName));
    const hb::afx::DialogTemplate* form = hb::afx::FindDialogTemplate(templateId);
    if (!form) {
        return FALSE;
    }
    const RECT size = hb::afx::DluToPixels({0, 0, form->cx, form->cy});
    m_dwStyle = nStyle & CBRS_ALL;
    const DWORD windowStyle = (nStyle & ~CBRS_ALL) | WS_CHILD;
    if (!CreateEx(0, nullptr, form->caption.c_str(), windowStyle, 0, 0, size.right, size.bottom,
                  pParentWnd->m_hWnd, nID)) {
        return FALSE;
    }
    if (!hb::afx::CreateTemplateControls(m_hWnd, *form)) {
        DestroyWindow();
        return FALSE;
    }
    m_sizeDefault = CSize(size.right, size.bottom);
    return TRUE;
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        if (id <= 0) {
            continue;
        }
        CCmdUI state;
        state.m_nID = static_cast<UINT>(id);
        state.m_pOther = CWnd::FromHandle(child);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

CSize CDialogBar::CalcFixedLayout(BOOL, BOOL) {
    return m_sizeDefault;
}
