#include "radioview/FocusColorEdit.h"

#include "platform/afx/CDC.h"

namespace {

constexpr COLORREF kFocusedColor = 0xFFFFFF;

} // namespace

BEGIN_MESSAGE_MAP(CFocusColorEdit, CEdit)
ON_CONTROL_REFLECT(EN_SETFOCUS, &CFocusColorEdit::OnSetFocusReflect)
ON_CONTROL_REFLECT(EN_KILLFOCUS, &CFocusColorEdit::OnKillFocusReflect)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CFocusColorEdit::CFocusColorEdit()
    : m_focusedColor(kFocusedColor), m_normalColor(GetSysColor(COLOR_MENU)) {
    m_focusedBrush.CreateSolidBrush(m_focusedColor);
    m_normalBrush.CreateSolidBrush(m_normalColor);
}

void CFocusColorEdit::OnSetFocusReflect() {
    m_focused = TRUE;
    Invalidate();
}

void CFocusColorEdit::OnKillFocusReflect() {
    m_focused = FALSE;
    Invalidate();
}

HBRUSH CFocusColorEdit::CtlColor(CDC* pDC, UINT) {
    pDC->SetBkColor(m_focused ? m_focusedColor : m_normalColor);
    return m_focused ? HBRUSH(m_focusedBrush) : HBRUSH(m_normalBrush);
}
