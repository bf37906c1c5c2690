#include "platform/toolkit/CXTPControl.h"

#include "platform/toolkit/CXTPCommandBar.h"

#include <map>

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

void CXTPControl::SetIconId(int nId) {
    if (m_nIconId != nId) {
        m_nIconId = nId;
        // An icon takes room beside the caption.
        Changed(true);
    }
}

XTPDropEffect CXTPControl::GetCustomizeDropEffect(const CXTPCommandBar*) const {
    return xtpDropMove;
}

std::unique_ptr<CXTPControl> CXTPControl::Clone() const {
    auto clone = hb::toolkit::CreateControlOfClass(GetClassName());
    if (!clone) {
        clone = std::make_unique<CXTPControl>(m_type, m_nId, m_caption);
    }
    clone->Copy(*this);
    return clone;
}

void CXTPControl::Copy(const CXTPControl& other) {
    m_type = other.m_type;
    m_nId = other.m_nId;
    m_caption = other.m_caption;
    m_hideFlags = other.m_hideFlags;
    m_bEnabled = other.m_bEnabled;
    m_bChecked = other.m_bChecked;
    m_bBeginGroup = other.m_bBeginGroup;
    m_nIconIndex = other.m_nIconIndex;
    m_nIconId = other.m_nIconId;
    m_tag = other.m_tag;
    m_flags = other.m_flags;
    m_popupMenu = other.m_popupMenu;
    Changed(true);
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

namespace hb::toolkit {

namespace {

std::map<CString, ControlFactory>& ControlClasses() {
    static std::map<CString, ControlFactory> classes;
    return classes;
}

} // namespace

void RegisterControlClass(const CString& name, ControlFactory factory) {
    ControlClasses()[name] = std::move(factory);
}

std::unique_ptr<CXTPControl> CreateControlOfClass(const CString& name) {
    const auto found = ControlClasses().find(name);
    return found != ControlClasses().end() && found->second ? found->second() : nullptr;
}

} // namespace hb::toolkit
