#include "radioview/RadioView.h"

#include "app/rig/Rig.h"
#include "platform/afx/CDC.h"

IMPLEMENT_DYNCREATE(CRadioView, CView)

void CRadioView::OnDraw(CDC* pDC) {
    if (m_rig) {
        pDC->TextOut(8, 8, m_rig->m_name);
    }
}
