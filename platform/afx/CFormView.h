#pragma once
#include "platform/afx/CScrollView.h"

// A view laid out by a dialog template found down the resource chain: its child controls, with
// their initial data, are made from the template right after the window, and its scroll size is
// the template's. Creation fails when the template is missing or a control cannot be made.
class CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)

public:
    explicit CFormView(UINT nIDTemplate);

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    // UpdateData(FALSE), then the view's initial update.
    void OnInitialUpdate() override;
    // The controls draw themselves: nothing here.
    void OnDraw(CDC* pDC) override;

    UINT GetTemplateId() const { return m_nIDTemplate; }

private:
    UINT m_nIDTemplate;
};
