#include "platform/toolkit/CXTPControl.h"

#include "platform/toolkit/CXTPCommandBar.h"

CXTPControl::CXTPControl(XTPControlType type, int nId, const CString& caption)
    : m_type(type), m_nId(nId), m_caption(caption) {}

void CXTPControl::SetCaption(LPCSTR lpszCaption) {
    if (m_caption != lpszCaption) {
        m_caption = lpszCaption;
        Changed(true);
    }
}

void CXTPControl::SetVisible(BOOL bVisible) {
    SetHideFlag(xtpHideGeneric, !bVisible);
}

void CXTPControl::SetHideFlags(DWORD dwFlags) {
    if (m_hideFlags != dwFlags) {
        m_hideFlags = dwFlags;
        Changed(true);
    }
}

void CXTPControl::SetHideFlag(DWORD dwFlag, BOOL bSet) {
    SetHideFlags(bSet ? m_hideFlags | dwFlag : m_hideFlags & ~dwFlag);
}

void CXTPControl::SetEnabled(BOOL bEnabled) {
    if (!m_bEnabled != !bEnabled) {
        m_bEnabled = bEnabled ? TRUE : FALSE;
        Changed(false);
    }
}

void CXTPControl::SetChecked(BOOL bChecked) {
    if (!m_bChecked != !bChecked) {
        m_bChecked = bChecked ? TRUE : FALSE;
        Changed(false);
    }
}

void CXTPControl::SetBeginGroup(BOOL bBeginGroup) {
    if (!m_bBeginGroup != !bBeginGroup) {
        m_bBeginGroup = bBeginGroup ? TRUE : FALSE;
        Changed(true);
    }
}

void CXTPControl::SetIconIndex(int nIndex) {
    if (m_nIconIndex != nIndex) {
        m_nIconIndex = nIndex;
        Changed(true);
    }
}

CRect CXTPControl::GetRect() const {
    if (m_pParent) {
        m_pParent->EnsureLayout();
    }
    return IsVisible() ? m_rect : CRect();
}

void CXTPControl::Changed(bool layout) const {
    if (!m_pParent) {
        return;
    }
    if (layout) {
        m_pParent->DelayLayout();
    } else {
        m_pParent->DelayRedraw();
    }
}
